#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "app/win32/ConverterApp.h"
#include "controls/win32/HyperlinkLabel.h"
#include "framework/win32/DataExchange.h"
#include "resources/resource.h"
#include "tests/support/win32/ModalDriver.h"
#include "tests/support/win32/Pointer.h"
#include "tests/ui/win32/MainDialogDriving.h"
#include "tests/ui/win32/WindowProbe.h"

namespace fennick {
namespace {

using testing::DriveNextModal;
using testing::PumpMessages;
using testing::RunMainDialog;
using Edges = std::array<LONG, 4>;

// Changes the window's frame so that its client area changes by (dx, dy).
void ResizeClientBy(HWND window, int dx, int dy)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
}

// A child's rectangle in its parent's client coordinates.
Edges EdgesOf(HWND window, int id)
{
    RECT rect{};
    GetWindowRect(GetDlgItem(window, id), &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::vector<Edges> AllEdges(HWND window)
{
    std::vector<Edges> edges;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        edges.push_back(EdgesOf(window, GetDlgCtrlID(child)));
    return edges;
}

// Sizes are given for 96 dots per inch and scale as the system's own arithmetic does; growing,
// shrinking and minimising never shift a control for good.
TEST(MainDialog, OpensAcceptingDropsAndItsControlsFollowTheWindowAndComeBackToTheirRectangles)
{
    LONG_PTR exStyle = 0;
    int dotsPerInch = 0, fileColumn = 0, linkOverflow = 0;
    LOGFONTW linkFont{};
    std::vector<Edges> original, restored, afterMinimising;
    Edges list{}, grownList{}, exit{}, movedExit{};
    RunMainDialog([&](HWND window) {
        exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        HDC dc = GetDC(window);
        dotsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(window, dc);
        fileColumn = static_cast<int>(SendMessageW(GetDlgItem(window, IDC_FILE_LIST), LVM_GETCOLUMNWIDTH, 0, 0));
        HWND link = GetDlgItem(window, IDC_HOME_PAGE_LINK);
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), sizeof linkFont, &linkFont);
        linkOverflow = testing::TextOverflow(link);
        EXPECT_TRUE(testing::SaveScreenshot(window, L"main-window"));

        original = AllEdges(window);
        list = EdgesOf(window, IDC_FILE_LIST);
        exit = EdgesOf(window, IDC_EXIT);
        ResizeClientBy(window, 100, 60);
        grownList = EdgesOf(window, IDC_FILE_LIST);
        movedExit = EdgesOf(window, IDC_EXIT);
        ResizeClientBy(window, -200, -120);
        ResizeClientBy(window, 100, 60);
        restored = AllEdges(window);
        SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        PumpMessages();
        EXPECT_TRUE(IsIconic(window));
        SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        PumpMessages();
        afterMinimising = AllEdges(window);
    });

    EXPECT_TRUE(IsProcessDPIAware()) << "the manifest must declare the program DPI aware";
    EXPECT_NE(exStyle & WS_EX_ACCEPTFILES, 0);
    EXPECT_EQ(fileColumn, MulDiv(380, dotsPerInch, 96));
    EXPECT_EQ(linkFont.lfHeight, -MulDiv(9, dotsPerInch, 72));
    EXPECT_EQ(linkFont.lfWidth, 0);
    EXPECT_LE(linkOverflow, 0) << "the link does not fit on its line";
    EXPECT_EQ(grownList, (Edges{list[0], list[1], list[2] + 100, list[3] + 60}));
    EXPECT_EQ(movedExit, (Edges{exit[0] + 100, exit[1] + 60, exit[2] + 100, exit[3] + 60}));
    EXPECT_EQ(restored, original);
    EXPECT_EQ(afterMinimising, original);
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

// The system menu's last entry opens the about box (also for a command naming it in its upper
// bits); "About..." opens the usage dialog, whose read-only description wraps between words only.
TEST(MainDialog, OpensTheAboutBoxFromTheSystemMenuAndTheUsageDialogFromItsButton)
{
    std::vector<std::wstring> opened;
    HyperlinkLabel::SetUrlOpener([&](const std::wstring& url, int) { opened.push_back(url); });
    std::vector<HWND> aboutOwners;
    HWND main = nullptr;
    std::wstring description, afterTyping;
    std::vector<wchar_t> charactersBeforeBreaks;
    int linkOverflow = 0;
    RunMainDialog([&](HWND window) {
        main = window;
        HMENU menu = GetSystemMenu(window, FALSE);
        const UINT entryId = GetMenuItemID(menu, GetMenuItemCount(menu) - 1);
        for (const WPARAM command : {WPARAM{entryId}, WPARAM{entryId | 0xF}}) {
            DriveNextModal([&](HWND about) {
                aboutOwners.push_back(GetWindow(about, GW_OWNER));
                EXPECT_TRUE(testing::SaveScreenshot(about, L"about-box"));
                PostMessageW(GetDlgItem(about, IDOK), WM_KEYDOWN, VK_RETURN, 0);
            });
            SendMessageW(window, WM_SYSCOMMAND, command, 0);
        }

        DriveNextModal([&](HWND usage) {
            HWND edit = GetDlgItem(usage, IDC_DESCRIPTION);
            description = WindowText(edit);
            const int lineCount = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
            for (int line = 1; line < lineCount; ++line) {
                const auto start = SendMessageW(edit, EM_LINEINDEX, line, 0);
                charactersBeforeBreaks.push_back(description[static_cast<size_t>(start) - 1]);
            }
            SendMessageW(edit, WM_CHAR, L'x', 0);
            SendMessageW(edit, WM_KEYDOWN, VK_DELETE, 0);
            afterTyping = WindowText(edit);
            HWND link = GetDlgItem(usage, IDC_USAGE_LINK);
            linkOverflow = testing::TextOverflow(link);
            EXPECT_TRUE(testing::SaveScreenshot(usage, L"usage-dialog"));
            testing::ClickAt(link, 2, 2);
            testing::Press(usage, IDOK);
        });
        testing::Press(window, IDC_ABOUT);
        EXPECT_TRUE(IsWindowEnabled(window));
    });
    HyperlinkLabel::SetUrlOpener(nullptr);

    EXPECT_EQ(aboutOwners, (std::vector<HWND>{main, main}));
    EXPECT_EQ(afterTyping, description);
    EXPECT_FALSE(charactersBeforeBreaks.empty()) << "the description did not wrap";
    for (const wchar_t c : charactersBeforeBreaks)
        EXPECT_EQ(c, L' ') << "a line broke inside a word";
    EXPECT_LE(linkOverflow, 0) << "the link does not fit on its line";
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"" FENNICK_USAGE_PAGE_URL}));
}

TEST(ConverterApp, RunsTheMainWindowModallyAndEndsWhenItCloses)
{
    ConverterApp application;
    HWND shown = nullptr, mainWindow = nullptr;
    DriveNextModal([&](HWND window) {
        shown = window;
        Window* main = application.MainWindow();
        mainWindow = main != nullptr ? main->Handle() : nullptr;
        testing::Press(window, IDC_EXIT);
    });

    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(mainWindow, shown);
    EXPECT_FALSE(IsWindow(shown));
    EXPECT_EQ(application.MainWindow(), nullptr) << "left pointing at the closed window";
}

} // namespace
} // namespace fennick
