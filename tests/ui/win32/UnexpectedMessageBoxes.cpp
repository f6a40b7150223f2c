#include <gtest/gtest.h>

#include "framework/win32/MessageBox.h"

namespace fennick {
namespace {

// No window test expects a message box: one fails the test that caused it, answered at once
// with Cancel, instead of waiting for a click that never comes.
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

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new UnexpectedMessageBoxes);

} // namespace
} // namespace fennick
