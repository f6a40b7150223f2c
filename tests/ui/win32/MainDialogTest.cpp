#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/support/win32/ModalDriver.h"
#include "tests/ui/win32/MainDialogDriving.h"
#include "tests/ui/win32/WindowProbe.h"
#include "ui/portable/DisplayScaling.h"

namespace fennick {
namespace {

using testing::DriveNextModal;
using testing::PumpMessages;
using testing::RunMainDialog;

// Changes the window's frame so that its client area changes by (dx, dy).
void ResizeClientBy(HWND window, int dx, int dy)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
}

std::vector<RECT> ChildRects(HWND window)
{
    std::vector<RECT> rects;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        rects.push_back(testing::ChildRect(window, GetDlgCtrlID(child)));
    return rects;
}

bool Same(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const RECT& x, const RECT& y) { return Same(x, y); });
}

TEST(MainDialog, OpensAcceptingDropsAndItsControlsFollowTheWindowAndComeBackToTheirRectangles)
{
    LONG_PTR exStyle = 0;
    int dotsPerInch = 0, fileColumn = 0, linkOverflow = 0;
    std::vector<RECT> original, restored, afterMinimising;
    RECT list{}, grownList{}, exit{}, movedExit{};
    RunMainDialog([&](HWND window) {
        exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        HDC dc = GetDC(window);
        dotsPerInch = GetDeviceCaps(dc, LOGPIXELSX);
        ReleaseDC(window, dc);
        fileColumn = static_cast<int>(SendMessageW(GetDlgItem(window, IDC_FILE_LIST), LVM_GETCOLUMNWIDTH, 0, 0));
        linkOverflow = testing::TextOverflow(GetDlgItem(window, IDC_HOME_PAGE_LINK));
        EXPECT_TRUE(testing::SaveScreenshot(window, L"main-window"));

        original = ChildRects(window);
        list = testing::ChildRect(window, IDC_FILE_LIST);
        exit = testing::ChildRect(window, IDC_EXIT);
        ResizeClientBy(window, 100, 60);
        grownList = testing::ChildRect(window, IDC_FILE_LIST);
        movedExit = testing::ChildRect(window, IDC_EXIT);
        ResizeClientBy(window, -200, -120);
        ResizeClientBy(window, 100, 60);
        restored = ChildRects(window);
        SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        PumpMessages();
        EXPECT_TRUE(IsIconic(window));
        SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        PumpMessages();
        afterMinimising = ChildRects(window);
    });

    EXPECT_TRUE(IsProcessDPIAware()) << "the manifest must declare the program DPI aware";
    EXPECT_NE(exStyle & WS_EX_ACCEPTFILES, 0);
    EXPECT_EQ(fileColumn, ScaleForDpi(380, dotsPerInch));
    EXPECT_LE(linkOverflow, 0) << "the link does not fit on its line";
    EXPECT_TRUE(Same(grownList, {list.left, list.top, list.right + 100, list.bottom + 60}));
    EXPECT_TRUE(Same(movedExit, {exit.left + 100, exit.top + 60, exit.right + 100, exit.bottom + 60}));
    EXPECT_TRUE(SameRects(restored, original));
    EXPECT_TRUE(SameRects(afterMinimising, original));
}

// While minimised the window paints its icon, after asking for the icon's background; otherwise
// the dialog paints as usual and asks for none.
TEST(MainDialog, PaintsItsIconWhileMinimised)
{
    static int iconBackgrounds = 0;
    static WNDPROC below = nullptr;
    std::vector<int> counted;
    RunMainDialog([&](HWND window) {
        below = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            window, GWLP_WNDPROC,
            reinterpret_cast<LONG_PTR>(+[](HWND target, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
                iconBackgrounds += message == WM_ICONERASEBKGND;
                return CallWindowProcW(below, target, message, wParam, lParam);
            })));
        for (const WPARAM command : {SC_MINIMIZE, SC_RESTORE}) {
            SendMessageW(window, WM_SYSCOMMAND, command, 0);
            PumpMessages();
            iconBackgrounds = 0;
            // Sent, not invalidated: a minimised window has no client area left to invalidate.
            SendMessageW(window, WM_PAINT, 0, 0);
            counted.push_back(iconBackgrounds);
        }
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(below));
    });
    EXPECT_EQ(counted, (std::vector<int>{1, 0}));
}

TEST(MainDialog, SystemMenuEntryOpensTheAboutBoxEachTime)
{
    UINT entryId = 0;
    std::vector<HWND> aboutOwners;
    HWND main = nullptr;
    RunMainDialog([&](HWND window) {
        main = window;
        HMENU menu = GetSystemMenu(window, FALSE);
        entryId = GetMenuItemID(menu, GetMenuItemCount(menu) - 1);
        // The entry, and any command that names it in its upper bits, opens the box.
        for (const WPARAM command : {WPARAM{0x10}, WPARAM{0x1F}}) {
            DriveNextModal([&](HWND about) {
                aboutOwners.push_back(GetWindow(about, GW_OWNER));
                EXPECT_TRUE(testing::SaveScreenshot(about, L"about-box"));
                PostMessageW(GetDlgItem(about, IDOK), WM_KEYDOWN, VK_RETURN, 0);
            });
            SendMessageW(window, WM_SYSCOMMAND, command, 0);
        }
        EXPECT_TRUE(IsWindowEnabled(window));
    });

    EXPECT_EQ(entryId, 16u);
    EXPECT_EQ(aboutOwners, (std::vector<HWND>{main, main}));
}

} // namespace
} // namespace fennick
