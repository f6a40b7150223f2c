#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "controls/win32/HyperlinkLabel.h"
#include "framework/win32/DataExchange.h"
#include "resources/resource.h"
#include "tests/support/win32/ModalDriver.h"
#include "tests/ui/win32/MainDialogDriving.h"
#include "tests/ui/win32/TestApplication.h"
#include "tests/ui/win32/WindowProbe.h"
#include "ui/win32/MainDialog.h"

namespace fennick {
namespace {

using testing::ClickAt;
using testing::ClientPixel;
using testing::DriveNextModal;
using testing::RunMainDialog;
using testing::StaticTextColour;

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kHoverRed = RGB(255, 0, 0);
constexpr COLORREF kVisitedDarkBlue = RGB(5, 34, 143);

// The sort arrow read from the screen: up has its light base at the bottom, down its shadowed
// base at the top.
enum class Arrow { None, Up, Down };

Arrow ArrowOf(HWND header, int item)
{
    RECT bounds{};
    SendMessageW(header, HDM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&bounds));
    const int o = (bounds.bottom - bounds.top) / 4;
    const int x = bounds.right - 3 * o;
    const COLORREF top = ClientPixel(header, x, o);
    const COLORREF bottom = ClientPixel(header, x, bounds.bottom - o - 1);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    if (bottom == GetSysColor(COLOR_BTNHIGHLIGHT) && top == face)
        return Arrow::Up;
    if (top == GetSysColor(COLOR_BTNSHADOW) && bottom == face)
        return Arrow::Down;
    return Arrow::None;
}

TEST(MainDialog, HeaderClicksSortTheFileListUpThenDownWithTheArrowDrawn)
{
    MainDialog dialog;
    testing::TestApplication application(dialog);
    std::vector<std::wstring> ascending, descending;
    Arrow arrowUp = Arrow::None, arrowDown = Arrow::None, otherColumn = Arrow::None;
    DriveNextModal([&](HWND window) {
        for (const wchar_t* path : {L"C:\\b\\두번째.txt", L"C:\\a\\첫째.txt", L"C:\\c\\셋째.txt"})
            dialog.AddFileRow(path);
        HWND list = GetDlgItem(window, IDC_FILE_LIST);
        HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
        testing::ClickHeader(list, 0);
        ascending = testing::ColumnTexts(list, 0);
        arrowUp = ArrowOf(header, 0);
        otherColumn = ArrowOf(header, 1);
        testing::ClickHeader(list, 0);
        descending = testing::ColumnTexts(list, 0);
        arrowDown = ArrowOf(header, 0);
        testing::SaveScreenshot(window, L"main-window-sorted");
        testing::Press(window, IDC_EXIT);
    });
    dialog.DoModal();

    EXPECT_EQ(ascending, (std::vector<std::wstring>{L"C:\\a\\첫째.txt", L"C:\\b\\두번째.txt", L"C:\\c\\셋째.txt"}));
    EXPECT_EQ(descending, (std::vector<std::wstring>{L"C:\\c\\셋째.txt", L"C:\\b\\두번째.txt", L"C:\\a\\첫째.txt"}));
    EXPECT_EQ(arrowUp, Arrow::Up);
    EXPECT_EQ(arrowDown, Arrow::Down);
    EXPECT_EQ(otherColumn, Arrow::None);
}

// Captures what the links would open instead of starting a browser.
struct CapturedLinks {
    std::vector<std::wstring> opened;
    CapturedLinks()
    {
        HyperlinkLabel::SetUrlOpener([this](const std::wstring& url, int) { opened.push_back(url); });
    }
    ~CapturedLinks() { HyperlinkLabel::SetUrlOpener(nullptr); }
};

TEST(MainDialog, HomePageLinkIsBlueThenRedUnderThePointerAndDarkBlueOnceOpened)
{
    CapturedLinks links;
    COLORREF unvisited = 0, hovered = 0, left = 0, visited = 0, visitedHovered = 0;
    bool openAfterClick = false;
    HWND captureWhileHovered = nullptr, captureAfterLeaving = nullptr, link = nullptr;
    RunMainDialog([&](HWND window) {
        link = GetDlgItem(window, IDC_HOME_PAGE_LINK);
        unvisited = StaticTextColour(window, link);
        testing::MovePointer(link, 2, 2);
        hovered = StaticTextColour(window, link);
        captureWhileHovered = GetCapture();
        testing::MovePointer(link, -20, -20);
        left = StaticTextColour(window, link);
        captureAfterLeaving = GetCapture();
        ClickAt(link, 2, 2);
        openAfterClick = IsWindowVisible(window) != FALSE;
        visitedHovered = StaticTextColour(window, link);
        testing::MovePointer(link, -20, -20);
        visited = StaticTextColour(window, link);
    });

    EXPECT_EQ(unvisited, kLinkBlue);
    EXPECT_EQ(hovered, kHoverRed);
    EXPECT_EQ(captureWhileHovered, link);
    EXPECT_EQ(left, kLinkBlue);
    EXPECT_EQ(captureAfterLeaving, nullptr);
    EXPECT_EQ(links.opened, (std::vector<std::wstring>{L"" FENNICK_HOME_PAGE_URL}));
    EXPECT_TRUE(openAfterClick);
    EXPECT_EQ(visitedHovered, kVisitedDarkBlue);
    EXPECT_EQ(visited, kVisitedDarkBlue);
}

TEST(MainDialog, AboutButtonOpensTheUsageDialogWithItsWrappedReadOnlyDescriptionAndLink)
{
    CapturedLinks links;
    std::wstring description, afterTyping;
    std::vector<wchar_t> charactersBeforeBreaks;
    int linkOverflow = 0;
    RunMainDialog([&](HWND window) {
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
            ClickAt(link, 2, 2);
            testing::Press(usage, IDOK);
        });
        testing::Press(window, IDC_ABOUT);
    });

    EXPECT_EQ(afterTyping, description);
    EXPECT_FALSE(charactersBeforeBreaks.empty()) << "the description did not wrap";
    for (const wchar_t c : charactersBeforeBreaks)
        EXPECT_EQ(c, L' ') << "a line broke inside a word";
    EXPECT_LE(linkOverflow, 0) << "the link does not fit on its line";
    EXPECT_EQ(links.opened, (std::vector<std::wstring>{L"" FENNICK_USAGE_PAGE_URL}));
}

} // namespace
} // namespace fennick
