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
        std::vector<BYTE> bits(4096);
        if (!GetIconInfo(cursor, &info))
            return std::vector<BYTE>();
        const OwnedBitmap mask(info.hbmMask), color(info.hbmColor);
        bits.resize(static_cast<size_t>(GetBitmapBits(mask.get(), static_cast<LONG>(bits.size()), bits.data())));
        bits.insert(bits.end(), {static_cast<BYTE>(info.xHotspot), static_cast<BYTE>(info.yHotspot)});
        return bits;
    };
    return picture(first).size() > 2 && picture(first) == picture(second);
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

// The tooltip holding the label's tool, among the thread's top-level tooltips.
HWND TooltipOf(HWND label, TTTOOLINFOW& tool)
{
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = label;
    tool.uId = 1001;
    for (HWND tooltip = nullptr; (tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr)) != nullptr;) {
        if (GetWindowThreadProcessId(tooltip, nullptr) == GetCurrentThreadId() &&
            SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)))
            return tooltip;
    }
    return nullptr;
}

// A click opens the page shown normally: one opened minimised seems not to open at all. The one
// tool over the label has an empty text, which never shows a tip.
TEST(HyperlinkLabel, AClickOpensTheUrlShownNormallyAndLeavesTheLinkDarkBlueAndItsTooltipIsSilent)
{
    std::vector<std::wstring> opened; // instead of a browser
    HyperlinkLabel::SetUrlOpener([&](const std::wstring& url, int showCommand) {
        opened.push_back(url);
        EXPECT_EQ(showCommand, SW_SHOWNORMAL);
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

        wchar_t text[16] = L"x";
        TTTOOLINFOW tool{};
        HWND tooltip = TooltipOf(label, tool);
        ASSERT_NE(tooltip, nullptr);
        EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
        tool.lpszText = text;
        SendMessageW(tooltip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, L"");
    });
    HyperlinkLabel::SetUrlOpener(nullptr);
}

} // namespace
} // namespace fennick
