#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "controls/win32/HandCursor.h"
#include "tests/controls/win32/ControlsProbeDialog.h"
#include "tests/controls/win32/WindowPixels.h"

namespace fennick {
namespace {

using testing::ControlsProbeDialog;
using testing::RunProbe;

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kDarkBlue = RGB(5, 34, 143);

// Captures what a click would have opened, instead of a browser.
struct CapturedUrls {
    std::vector<std::wstring> opened;
    CapturedUrls() { HyperlinkLabel::SetUrlOpener([this](const std::wstring& url) { opened.push_back(url); }); }
    ~CapturedUrls() { HyperlinkLabel::SetUrlOpener(nullptr); }
};

// Counts a window's paints through a subclass of the test's own.
struct PaintCounter {
    HWND window;
    int paints = 0;
    explicit PaintCounter(HWND counted) : window(counted) { SetWindowSubclass(window, Count, 1, reinterpret_cast<DWORD_PTR>(this)); }
    ~PaintCounter() { RemoveWindowSubclass(window, Count, 1); }
    static LRESULT CALLBACK Count(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
    {
        reinterpret_cast<PaintCounter*>(self)->paints += message == WM_PAINT;
        return DefSubclassProc(window, message, wParam, lParam);
    }
};

void MoveMouse(HWND window, int x, int y)
{
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void Click(HWND window)
{
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

// The link colour on the screen. The underline is drawn solid whatever the font smoothing, so
// a link colour shows in at least a row of pixels.
COLORREF ShownLinkColor(HWND label)
{
    const testing::WindowPixels pixels(label);
    for (const COLORREF color : {kBlue, kRed, kDarkBlue}) {
        if (pixels.Count({0, 0, pixels.Width(), pixels.Height()}, color) >= 10)
            return color;
    }
    return CLR_INVALID;
}

TEST(HyperlinkLabel, ShowsBlueThenRedUnderThePointerRepaintingOnlyOnEntryAndExit)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        HWND label = dialog.link.Handle();
        RECT client;
        GetClientRect(label, &client);
        EXPECT_EQ(ShownLinkColor(label), kBlue);

        PaintCounter counter(label);
        MoveMouse(label, 3, 3);
        MoveMouse(label, client.right - 1, client.bottom - 1);
        EXPECT_EQ(GetCapture(), label);
        EXPECT_EQ(counter.paints, 1);
        EXPECT_EQ(ShownLinkColor(label), kRed);

        MoveMouse(label, client.right, 2); // just outside, seen through the capture
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(counter.paints, 2);
        EXPECT_EQ(ShownLinkColor(label), kBlue);

        // Another window taking the capture ends the hover too: its leaving would go unseen.
        MoveMouse(label, 3, 3);
        SetCapture(GetDlgItem(dialog.Handle(), IDC_PROBE_OTHER));
        EXPECT_EQ(ShownLinkColor(label), kBlue);
        ReleaseCapture();
    });
}

TEST(HyperlinkLabel, AClickOpensTheUrlAndLeavesTheLinkDarkBlue)
{
    CapturedUrls urls;
    RunProbe([&](ControlsProbeDialog& dialog) {
        HWND label = dialog.link.Handle();
        // The template's static has no SS_NOTIFY: the label added it, so clicks are reported.
        MoveMouse(label, 3, 3);
        Click(label);
        EXPECT_EQ(urls.opened, std::vector<std::wstring>{testing::kProbeUrl});
        EXPECT_EQ(ShownLinkColor(label), kDarkBlue) << "visited wins over hovered";
        MoveMouse(label, -4, -4);
        EXPECT_EQ(ShownLinkColor(label), kDarkBlue);

        dialog.link.SetURL(L"https://fennick.example/second");
        Click(label);
        EXPECT_EQ(urls.opened, (std::vector<std::wstring>{testing::kProbeUrl, L"https://fennick.example/second"}));
    });
}

TEST(HyperlinkLabel, IsUnderlinedInTheDialogsFontAndShowsTheSystemHand)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        HWND label = dialog.link.Handle();
        LOGFONTW labelFont{};
        LOGFONTW dialogFont{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof labelFont, &labelFont);
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog.Handle(), WM_GETFONT, 0, 0)), sizeof dialogFont, &dialogFont);
        EXPECT_TRUE(labelFont.lfUnderline);
        EXPECT_FALSE(dialogFont.lfUnderline);
        EXPECT_EQ(std::wstring(labelFont.lfFaceName), dialogFont.lfFaceName);

        // Wine, like current Windows, has no help program to take a hand from.
        ASSERT_EQ(GetFileAttributesW(HelpProgramPath().c_str()), INVALID_FILE_ATTRIBUTES);
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        EXPECT_TRUE(SendMessageW(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    });
}

TEST(HandCursor, TakesTheHelpProgramsHandOrElseTheSystems)
{
    wchar_t thisProgram[MAX_PATH];
    GetModuleFileNameW(nullptr, thisProgram, MAX_PATH); // carries a cursor 106 of its own
    HandCursor fromProgram;
    fromProgram.Load(thisProgram);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(fromProgram.Handle(), &info));
    EXPECT_EQ(info.xHotspot, 16u);
    DeleteObject(info.hbmMask);

    HandCursor fallback;
    fallback.Load(L"C:\\no such folder\\Winhlp32.exe");
    EXPECT_EQ(fallback.Handle(), LoadCursorW(nullptr, IDC_HAND));
}

} // namespace
} // namespace fennick
