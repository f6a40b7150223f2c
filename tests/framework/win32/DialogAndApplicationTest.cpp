#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/win32/Application.h"
#include "framework/win32/Control.h"
#include "framework/win32/DataExchange.h"
#include "framework/win32/Dialog.h"
#include "framework/win32/MessageBox.h"
#include "tests/framework/win32/ProbeDialog.h"
#include "tests/support/win32/ModalDriver.h"

namespace fennick {
namespace {

using testing::DriveNextModal;

// A control that claims the reflected notifications it is written for.
class ProbeControl : public Control {
public:
    int presubclassCalls = 0;
    int reflectedClicks = 0;
    HBRUSH colorBrush = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));

protected:
    void PreSubclassWindow() override { ++presubclassCalls; }

    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            ++reflectedClicks;
            result = 0;
            return true;
        }
        if (message == WM_CTLCOLORSTATIC) {
            result = reinterpret_cast<LRESULT>(colorBrush);
            return true;
        }
        return false;
    }
};

class ProbeDialog : public Dialog {
public:
    explicit ProbeDialog(Window* parent = nullptr) : Dialog(IDD_PROBE, parent) {}

    std::wstring text = L"처음 글";
    ProbeControl button;
    ProbeControl label;
    std::vector<UINT> lifecycle;
    int buttonCommandsSeenByDialog = 0;
    bool throwOnAppMessage = false;

protected:
    void DoDataExchange(DataExchange& exchange) override
    {
        exchange.BindControl(IDC_PROBE_BUTTON, button);
        exchange.BindControl(IDC_PROBE_LABEL, label);
        exchange.ExchangeText(IDC_PROBE_EDIT, text);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_INITDIALOG:
        case WM_DESTROY:
            lifecycle.push_back(message);
            break;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_PROBE_BUTTON)
                ++buttonCommandsSeenByDialog;
            break;
        case WM_APP:
            if (throwOnAppMessage)
                throw std::runtime_error("probe failure");
            break;
        }
        return Dialog::WindowProc(message, wParam, lParam);
    }
};

TEST(Dialog, ExchangesTextBothWaysAndBindsControlsOnceForTheirReflectedNotifications)
{
    ProbeDialog dialog;
    std::wstring shownAtStart;
    LRESULT labelBrush = 0;
    DriveNextModal([&](HWND window) {
        shownAtStart = WindowText(GetDlgItem(window, IDC_PROBE_EDIT));
        dialog.UpdateData(false); // a second exchange must not bind again
        SetWindowTextW(GetDlgItem(window, IDC_PROBE_EDIT), L"바뀐 글");
        SendMessageW(GetDlgItem(window, IDC_PROBE_BUTTON), BM_CLICK, 0, 0);
        HWND label = GetDlgItem(window, IDC_PROBE_LABEL);
        HDC dc = GetDC(label);
        labelBrush =
            SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
        ReleaseDC(label, dc);
        SendMessageW(window, WM_COMMAND, IDOK, 0);
    });

    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(shownAtStart, L"처음 글");
    EXPECT_EQ(dialog.text, L"바뀐 글");
    EXPECT_EQ(dialog.lifecycle, (std::vector<UINT>{WM_INITDIALOG, WM_DESTROY}));
    EXPECT_EQ(dialog.button.presubclassCalls, 1);
    EXPECT_EQ(dialog.button.reflectedClicks, 1);
    EXPECT_EQ(dialog.buttonCommandsSeenByDialog, 0);
    EXPECT_EQ(labelBrush, reinterpret_cast<LRESULT>(dialog.label.colorBrush));
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(dialog.button.Handle(), nullptr);
}

// The object lives in the window's user data, which must be free, and gives the window back
// its own procedure when it goes before the window.
TEST(Window, BindsOnlyAWindowWhoseUserDataIsFreeAndLetsItGo)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"글", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const LONG_PTR ownProcedure = GetWindowLongPtrW(window, GWLP_WNDPROC);
    {
        ProbeControl bound;
        ASSERT_TRUE(bound.Attach(window));
        EXPECT_EQ(Window::FromHandle(window), &bound);
        ProbeControl second;
        EXPECT_FALSE(second.Attach(window));
        EXPECT_EQ(WindowText(window), L"글"); // the window's own handling still answers
    }
    EXPECT_EQ(Window::FromHandle(window), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), ownProcedure);

    SetWindowLongPtrW(window, GWLP_USERDATA, 1);
    ProbeControl late;
    EXPECT_FALSE(late.Attach(window));
    EXPECT_EQ(Window::FromHandle(window), nullptr);
    DestroyWindow(window);
}

TEST(Dialog, EscapeAndTheCloseBoxEndItAsCancelWithoutSavingTexts)
{
    for (const bool closeBox : {false, true}) {
        ProbeDialog dialog;
        DriveNextModal([&](HWND window) {
            SetWindowTextW(GetDlgItem(window, IDC_PROBE_EDIT), L"버려질 글");
            if (closeBox) {
                SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            } else {
                // Posted so that the modal loop's dialog manager turns it into IDCANCEL.
                SetFocus(GetDlgItem(window, IDC_PROBE_EDIT));
                PostMessageW(GetDlgItem(window, IDC_PROBE_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
            }
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << (closeBox ? "close box" : "Escape");
        EXPECT_EQ(dialog.text, L"처음 글");
    }
}

TEST(Dialog, AnExceptionInAHandlerIsReportedAndTheDialogGoesOn)
{
    std::vector<MessageBoxRequest> shown;
    SetMessageBoxHandler([&](const MessageBoxRequest& request) {
        shown.push_back(request);
        return IDOK;
    });
    ProbeDialog dialog;
    dialog.throwOnAppMessage = true;
    bool stillThere = false;
    DriveNextModal([&](HWND window) {
        SendMessageW(window, WM_APP, 0, 0);
        stillThere = IsWindow(window) && IsWindowVisible(window);
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });

    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(stillThere);
    SetMessageBoxHandler(nullptr);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find(L"probe failure"), std::wstring::npos);
    EXPECT_EQ(shown[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

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

// The main window opens a dialog without a parent, which opens one of its own: each is bound to
// its own window while it runs, and each closes in turn, leaving the one below it working.
TEST(Application, DialogsOpenedFromDialogsBindTheirOwnWindowsAndWithoutParentBelongToTheMainWindow)
{
    ProbeApplication application;
    ProbeDialog main;
    ProbeDialog middle;
    ProbeDialog inner(&middle);
    application.SetMainWindow(&main);

    struct Level {
        HWND window = nullptr;
        HWND owner = nullptr;
        bool bound = false;
        bool ownerDisabled = false;
        bool boundAfterInner = false;
    };
    Level seen[3];
    const auto look = [](Level& level, HWND window, const Window& object) {
        level = {window, GetWindow(window, GW_OWNER), Window::FromHandle(window) == &object,
                 GetWindow(window, GW_OWNER) != nullptr && !IsWindowEnabled(GetWindow(window, GW_OWNER))};
    };
    MessageBoxRequest boxRequest{};
    SetMessageBoxHandler([&](const MessageBoxRequest& request) {
        boxRequest = request;
        return IDYES;
    });

    DriveNextModal([&](HWND mainWindow) {
        look(seen[0], mainWindow, main);
        EXPECT_EQ(ShowMessageBox(L"질문 내용", L"질문", MB_YESNO | MB_ICONQUESTION), IDYES);
        DriveNextModal([&](HWND middleWindow) {
            look(seen[1], middleWindow, middle);
            DriveNextModal([&](HWND innerWindow) {
                look(seen[2], innerWindow, inner);
                SendMessageW(innerWindow, WM_COMMAND, IDOK, 0);
            });
            EXPECT_EQ(inner.DoModal(), IDOK);
            seen[1].boundAfterInner = Window::FromHandle(middleWindow) == &middle && IsWindowEnabled(middleWindow);
            SendMessageW(middleWindow, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(middle.DoModal(), IDCANCEL);
        seen[0].boundAfterInner = Window::FromHandle(mainWindow) == &main && IsWindowEnabled(mainWindow);
        SendMessageW(mainWindow, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(main.DoModal(), IDCANCEL);
    SetMessageBoxHandler(nullptr);

    EXPECT_TRUE(seen[0].bound && seen[1].bound && seen[2].bound);
    EXPECT_EQ(seen[1].owner, seen[0].window) << "no parent: the main window owns it";
    EXPECT_EQ(seen[2].owner, seen[1].window);
    EXPECT_TRUE(seen[1].ownerDisabled && seen[2].ownerDisabled);
    EXPECT_TRUE(seen[0].boundAfterInner && seen[1].boundAfterInner);
    for (const ProbeDialog* dialog : {&main, &middle, &inner})
        EXPECT_EQ(dialog->lifecycle, (std::vector<UINT>{WM_INITDIALOG, WM_DESTROY}));
    EXPECT_EQ(boxRequest.owner, seen[0].window);
    EXPECT_EQ(boxRequest.caption, L"질문");
}

} // namespace
} // namespace fennick
