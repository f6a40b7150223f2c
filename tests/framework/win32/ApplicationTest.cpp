#include <gtest/gtest.h>

#include "framework/win32/Application.h"
#include "framework/win32/Dialog.h"
#include "framework/win32/MessageBox.h"
#include "tests/framework/win32/ProbeDialog.h"
#include "tests/support/win32/ModalDriver.h"

namespace fennick {
namespace {

using testing::DriveNextModal;

class ProbeApplication : public Application {
protected:
    bool InitInstance() override { return false; }
};

TEST(WaitCursor, NestedWaitsKeepTheWaitCursorUntilTheOutermostEnds)
{
    ProbeApplication application;
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    SetCursor(arrow);
    {
        WaitCursor outer;
        EXPECT_EQ(GetCursor(), wait);
        {
            WaitCursor inner;
            EXPECT_EQ(GetCursor(), wait);
        }
        EXPECT_EQ(GetCursor(), wait);
    }
    EXPECT_EQ(GetCursor(), arrow);
}

TEST(Application, DialogsAndMessageBoxesWithoutParentBelongToTheMainWindow)
{
    ProbeApplication application;
    Dialog mainDialog(IDD_PROBE, nullptr);
    application.SetMainWindow(&mainDialog);

    HWND ownerOfInner = nullptr;
    HWND mainWindow = nullptr;
    bool mainDisabledMeanwhile = false;
    MessageBoxRequest boxRequest{};
    SetMessageBoxHandler([&](const MessageBoxRequest& request) {
        boxRequest = request;
        return IDYES;
    });

    DriveNextModal([&](HWND main) {
        mainWindow = main;
        EXPECT_EQ(ShowMessageBox(L"질문 내용", L"질문", MB_YESNO | MB_ICONQUESTION), IDYES);
        Dialog inner(IDD_PROBE, nullptr);
        DriveNextModal([&](HWND innerWindow) {
            ownerOfInner = GetWindow(innerWindow, GW_OWNER);
            mainDisabledMeanwhile = !IsWindowEnabled(main);
            SendMessageW(innerWindow, WM_COMMAND, IDCANCEL, 0);
        });
        inner.DoModal();
        SendMessageW(main, WM_COMMAND, IDCANCEL, 0);
    });
    mainDialog.DoModal();
    SetMessageBoxHandler(nullptr);

    EXPECT_EQ(ownerOfInner, mainWindow);
    EXPECT_TRUE(mainDisabledMeanwhile);
    EXPECT_EQ(boxRequest.owner, mainWindow);
    EXPECT_EQ(boxRequest.caption, L"질문");
}

} // namespace
} // namespace fennick
