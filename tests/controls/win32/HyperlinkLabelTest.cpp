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
using testing::WindowPixels;

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kDarkBlue = RGB(5, 34, 143);

// Captures what a click would have opened, instead of a browser.
struct CapturedUrls {
    std::vector<std::wstring> opened;
    CapturedUrls()
    {
        HyperlinkLabel::SetUrlOpener([this](const std::wstring& url) { opened.push_back(url); });
    }
    ~CapturedUrls() { HyperlinkLabel::SetUrlOpener(nullptr); }
};

// Counts the paints of a window by a subclass of the test's own.
struct PaintCounter {
    HWND window;
    int paints = 0;
    explicit PaintCounter(HWND counted) : window(counted)
    {
        SetWindowSubclass(window, Count, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~PaintCounter() { RemoveWindowSubclass(window, Count, 1); }
    static LRESULT CALLBACK Count(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
    {
        if (message == WM_PAINT)
            ++reinterpret_cast<PaintCounter*>(self)->paints;
        return DefSubclassProc(window, message, wParam, lParam);
    }
};

void MoveMouse(HWND window, int x, int y)
{
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

// The colour the text shows in: the underline is drawn solid, whatever the font smoothing.
COLORREF ShownLinkColor(HWND label)
{
    const WindowPixels pixels(label);
    const RECT all{0, 0, pixels.Width(), pixels.Height()};
    for (const COLORREF color : {kBlue, kRed, kDarkBlue}) {
        if (pixels.Count(all, color) >= 10)
            return color;
    }
    return CLR_INVALID;
}

TEST(HyperlinkLabel, ShowsBlueThenRedUnderThePointerAndBlueAgainWhenItLeaves)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        HWND label = dialog.link.Handle();
        RECT client;
        GetClientRect(label, &client);
        EXPECT_EQ(ShownLinkColor(label), kBlue);

        PaintCounter counter(label);
        MoveMouse(label, 3, 3);
        EXPECT_EQ(GetCapture(), label);
        EXPECT_EQ(counter.paints, 1);
        EXPECT_EQ(ShownLinkColor(label), kRed);

        MoveMouse(label, 5, 4);
        MoveMouse(label, client.right - 1, client.bottom - 1);
        EXPECT_EQ(counter.paints, 1) << "moving within the label repaints nothing";
        EXPECT_EQ(GetCapture(), label);

        MoveMouse(label, client.right, 2); // just outside, seen through the capture
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(counter.paints, 2);
        EXPECT_EQ(ShownLinkColor(label), kBlue);
    });
}

TEST(HyperlinkLabel, AClickOpensTheUrlAndLeavesTheLinkDarkBlue)
{
    CapturedUrls urls;
    RunProbe([&](ControlsProbeDialog& dialog) {
        HWND label = dialog.link.Handle();
        // The template's static has no SS_NOTIFY; the label added it so clicks are reported.
        EXPECT_TRUE(GetWindowLongPtrW(label, GWL_STYLE) & SS_NOTIFY);
        MoveMouse(label, 3, 3);
        SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(urls.opened, std::vector<std::wstring>{testing::kProbeUrl});
        EXPECT_EQ(ShownLinkColor(label), kDarkBlue) << "visited wins over hovered";
        MoveMouse(label, -4, -4);
        EXPECT_EQ(ShownLinkColor(label), kDarkBlue);

        dialog.link.SetURL(L"https://fennick.example/second");
        SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(urls.opened.size(), 2u);
        EXPECT_EQ(urls.opened.back(), L"https://fennick.example/second");
    });
}

TEST(HyperlinkLabel, LosingTheCaptureToAnotherWindowEndsTheHover)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        HWND label = dialog.link.Handle();
        MoveMouse(label, 3, 3);
        ASSERT_EQ(ShownLinkColor(label), kRed);
        SetCapture(GetDlgItem(dialog.Handle(), IDC_PROBE_OTHER));
        EXPECT_EQ(ShownLinkColor(label), kBlue);
        ReleaseCapture();
        MoveMouse(label, 3, 3); // coming back is a new entry
        EXPECT_EQ(GetCapture(), label);
        EXPECT_EQ(ShownLinkColor(label), kRed);
    });
}

TEST(HyperlinkLabel, IsUnderlinedInTheDialogsFontAndShowsAHand)
{
    RunProbe([](ControlsProbeDialog& dialog) {
        HWND label = dialog.link.Handle();
        LOGFONTW labelFont{};
        LOGFONTW dialogFont{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof labelFont, &labelFont);
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog.Handle(), WM_GETFONT, 0, 0)), sizeof dialogFont,
                   &dialogFont);
        EXPECT_TRUE(labelFont.lfUnderline);
        EXPECT_FALSE(dialogFont.lfUnderline);
        EXPECT_EQ(std::wstring(labelFont.lfFaceName), dialogFont.lfFaceName);
        EXPECT_EQ(labelFont.lfHeight, dialogFont.lfHeight);

        // Current Windows and Wine have no help program: the system's hand stands in.
        ASSERT_EQ(GetFileAttributesW(HelpProgramPath().c_str()), INVALID_FILE_ATTRIBUTES);
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        EXPECT_TRUE(SendMessageW(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    });
}

TEST(HandCursor, CopiesTheHelpProgramsHandSoItOutlivesTheProgramsFile)
{
    wchar_t thisProgram[MAX_PATH];
    GetModuleFileNameW(nullptr, thisProgram, MAX_PATH); // carries a cursor 106 of its own
    HCURSOR systemHand = LoadCursorW(nullptr, IDC_HAND);

    HandCursor fromProgram;
    fromProgram.Load(thisProgram);
    ASSERT_NE(fromProgram.Handle(), nullptr);
    EXPECT_NE(fromProgram.Handle(), systemHand);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(fromProgram.Handle(), &info));
    EXPECT_EQ(info.xHotspot, 16u);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);

    for (const wchar_t* missing : {L"", L"C:\\no such folder\\Winhlp32.exe"}) {
        HandCursor fallback;
        fallback.Load(missing);
        EXPECT_EQ(fallback.Handle(), systemHand) << ::testing::PrintToString(std::wstring(missing));
    }
}

} // namespace
} // namespace fennick
