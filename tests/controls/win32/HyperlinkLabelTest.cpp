#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/win32/GdiHandles.h"
#include "framework/win32/HandCursor.h"
#include "tests/controls/win32/ControlsProbeDialog.h"
#include "tests/controls/win32/WindowPixels.h"
#include "tests/support/win32/Pointer.h"

namespace fennick {
namespace {

using testing::ClickAt;
using testing::ControlsProbeDialog;
using testing::MovePointer;
using testing::RunProbe;

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kDarkBlue = RGB(5, 34, 143);

// Whether two cursors show one picture: the same hotspot and the same mask bits.
bool SamePicture(HCURSOR first, HCURSOR second)
{
    const auto picture = [](HCURSOR cursor) {
        ICONINFO info{};
        std::vector<BYTE> bits;
        if (!GetIconInfo(cursor, &info))
            return std::pair(POINT{-1, -1}, bits);
        const OwnedBitmap mask(info.hbmMask), color(info.hbmColor);
        BITMAP shape{};
        GetObjectW(mask.get(), sizeof shape, &shape);
        bits.resize(static_cast<size_t>(shape.bmWidthBytes * shape.bmHeight));
        GetBitmapBits(mask.get(), static_cast<LONG>(bits.size()), bits.data());
        return std::pair(POINT{static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)}, bits);
    };
    const auto [firstHotspot, firstBits] = picture(first);
    const auto [secondHotspot, secondBits] = picture(second);
    return firstHotspot.x == secondHotspot.x && firstHotspot.y == secondHotspot.y && !firstBits.empty() &&
           firstBits == secondBits;
}

// The link colour on the screen: the solid underline shows it in at least a row of pixels.
COLORREF ShownLinkColor(HWND label)
{
    const testing::WindowPixels pixels(label);
    for (const COLORREF color : {kBlue, kRed, kDarkBlue}) {
        if (pixels.Count(color) >= 10)
            return color;
    }
    return CLR_INVALID;
}

TEST(HyperlinkLabel, ShowsBlueUnderlinedInTheDialogsFontThenRedAndTheHandUnderThePointer)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        HWND label = dialog.link.Handle();
        RECT client{};
        GetClientRect(label, &client);
        EXPECT_EQ(ShownLinkColor(label), kBlue);
        LOGFONTW labelFont{}, dialogFont{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof labelFont, &labelFont);
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog.Handle(), WM_GETFONT, 0, 0)), sizeof dialogFont,
                   &dialogFont);
        EXPECT_TRUE(labelFont.lfUnderline);
        EXPECT_EQ(std::wstring(labelFont.lfFaceName), dialogFont.lfFaceName);

        // Wine, like current Windows, has no help program to take a hand from.
        ASSERT_EQ(GetFileAttributesW(HelpProgramPath().c_str()), INVALID_FILE_ATTRIBUTES);
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        EXPECT_TRUE(
            SendMessageW(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_TRUE(SamePicture(GetCursor(), LoadCursorW(nullptr, IDC_HAND)));

        MovePointer(label, 3, 3);
        MovePointer(label, client.right - 1, client.bottom - 1);
        EXPECT_EQ(GetCapture(), label);
        EXPECT_EQ(ShownLinkColor(label), kRed);

        MovePointer(label, client.right, 2); // just outside, seen through the capture
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(ShownLinkColor(label), kBlue);

        // Another window taking the capture ends the hover too: its leaving would go unseen.
        MovePointer(label, 3, 3);
        SetCapture(GetDlgItem(dialog.Handle(), IDC_PROBE_OTHER));
        EXPECT_EQ(ShownLinkColor(label), kBlue);
        ReleaseCapture();
    });
}

// The label's own tooltip: one tool over the label, whose empty text never shows a tip.
HWND TooltipOf(HWND label)
{
    struct Search {
        HWND label;
        std::vector<HWND> found;
    } search{label, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) {
            auto& s = *reinterpret_cast<Search*>(parameter);
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            TTTOOLINFOW tool{};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.hwnd = s.label;
            tool.uId = 1001;
            if (lstrcmpiW(className, TOOLTIPS_CLASSW) == 0 &&
                SendMessageW(window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)))
                s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    EXPECT_EQ(search.found.size(), 1u);
    return search.found.empty() ? nullptr : search.found.front();
}

TEST(HyperlinkLabel, CarriesASilentTooltip)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        HWND tooltip = TooltipOf(dialog.link.Handle());
        ASSERT_NE(tooltip, nullptr);
        EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
        wchar_t text[16] = L"x";
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = dialog.link.Handle();
        tool.uId = 1001;
        tool.lpszText = text;
        SendMessageW(tooltip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, L"");
        EXPECT_FALSE(IsWindowVisible(tooltip));
    });
}

TEST(HyperlinkLabel, AClickOpensTheUrlShownNormallyAndLeavesTheLinkDarkBlue)
{
    std::vector<std::wstring> opened; // instead of a browser
    HyperlinkLabel::SetUrlOpener([&](const std::wstring& url, int showCommand) {
        opened.push_back(url);
        EXPECT_EQ(showCommand, SW_SHOWNORMAL) << "a page opened minimised seems not to open at all";
    });
    RunProbe([&](ControlsProbeDialog& dialog) {
        HWND label = dialog.link.Handle(); // the template's static lacks SS_NOTIFY; the label adds it
        MovePointer(label, 3, 3);
        ClickAt(label, 3, 3);
        EXPECT_EQ(opened, std::vector<std::wstring>{testing::kProbeUrl});
        EXPECT_EQ(ShownLinkColor(label), kDarkBlue) << "visited wins over hovered";
        MovePointer(label, -4, -4);
        EXPECT_EQ(ShownLinkColor(label), kDarkBlue);

        dialog.link.SetURL(L"https://fennick.example/second");
        ClickAt(label, 3, 3);
        EXPECT_EQ(opened, (std::vector<std::wstring>{testing::kProbeUrl, L"https://fennick.example/second"}));
    });
    HyperlinkLabel::SetUrlOpener(nullptr);
}

} // namespace
} // namespace fennick
