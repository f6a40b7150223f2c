#include <gtest/gtest.h>

#include "framework/win32/MessageBox.h"

namespace fennick {
namespace {

// A box no test scripted fails that test and is answered with Cancel instead of waiting for a click.
class UnexpectedMessageBoxes : public ::testing::Environment {
public:
    void SetUp() override
    {
        SetMessageBoxHandler([](const MessageBoxRequest& request) {
            ADD_FAILURE() << "unexpected message box: " << ::testing::PrintToString(request.text);
            return IDCANCEL;
        });
    }
    void TearDown() override { SetMessageBoxHandler(nullptr); }
};

[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new UnexpectedMessageBoxes);

} // namespace
} // namespace fennick
