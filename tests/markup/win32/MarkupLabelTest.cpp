#include "markup/win32/MarkupLabel.h"
#include "tests/markup/win32/Canvas.h"
#include "tests/controls/win32/WindowPixels.h"
#include "tests/support/win32/ModalDriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fennick {
namespace {

using testing::PumpMessages;
using testing::WindowPixels;

constexpr COLORREF kHostColor = RGB(0, 255, 0);
constexpr UINT kLinkClicked = WM_APP + 1;
constexpr UINT kLinkHovered = WM_APP + 2;

// What the host window and the captured shell were told.
std::vector<std::wstring> clickedTexts;
std::vector<int> hoveredIds;
std::vector<std::wstring> shellOpened;

HINSTANCE WINAPI CaptureShell(HWND, LPCWSTR, LPCWSTR file, LPCWSTR, LPCWSTR, INT)
{
    shellOpened.emplace_back(file);
    return reinterpret_cast<HINSTANCE>(33); // taken
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kLinkClicked) {
        clickedTexts.emplace_back(reinterpret_cast<const wchar_t*>(wParam));
        return 0;
    }
    if (message == kLinkHovered) {
        hoveredIds.push_back(static_cast<int>(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* HostClass()
{
    static const ATOM registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = HostProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = CreateSolidBrush(kHostColor);
        windowClass.lpszClassName = L"MarkupLabelTestHost";
        return RegisterClassW(&windowClass);
    }();
    return reinterpret_cast<const wchar_t*>(static_cast<ULONG_PTR>(registered));
}

// A green top-level window with one markup label made from a static at (10, 10), and room
// around it to grow.
struct LabelHost {
    explicit LabelHost(DWORD style, SIZE size, const std::wstring& text) : label(Win32ActionSources{CaptureShell})
    {
        parent = CreateWindowExW(0, HostClass(), L"", WS_POPUP | WS_VISIBLE, 0, 0, size.cx + 60, size.cy + 60, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        HWND control = CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | style, 10, 10, size.cx,
                                       size.cy, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_TRUE(label.Attach(control));
        LinkTracker& links = label.Drawer().Language().Links();
        links.SetClickTarget({parent, kLinkClicked, 0});
        links.SetHoverTarget({parent, kLinkHovered, 0});
        Repaint();
        clickedTexts.clear();
        hoveredIds.clear();
        shellOpened.clear();
    }
    ~LabelHost() { DestroyWindow(parent); }
    LabelHost(const LabelHost&) = delete;
    LabelHost& operator=(const LabelHost&) = delete;

    HWND Handle() const { return label.Handle(); }
    void Repaint() const
    {
        RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
    }
    // The label as the screen shows it, read through the parent so that its corners show too.
    COLORREF Pixel(const WindowPixels& pixels, int x, int y) const { return pixels.At(x + 10, y + 10); }

    HWND parent = nullptr;
    MarkupLabel label;
};

// The real pointer, moved and pressed through the system's input queue.
void MouseInput(DWORD flags, POINT screen = {})
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (screen.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    PumpMessages();
}

void MoveMouse(HWND window, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point);
    POINT now{};
    GetCursorPos(&now);
    ASSERT_TRUE(now.x == point.x && now.y == point.y) << "pointer at " << now.x << ", " << now.y;
}

void Click(HWND window, int x, int y)
{
    MoveMouse(window, x, y);
    MouseInput(MOUSEEVENTF_LEFTDOWN);
    MouseInput(MOUSEEVENTF_LEFTUP);
}

bool HasLinkAt(MarkupLabel& label, int x, int y)
{
    for (const LinkArea& area : label.Drawer().Language().Links().Areas()) {
        if (area.Contains(x, y)) {
            return true;
        }
    }
    return false;
}

// A one-line link wider than the label, right-aligned with a margin of 20: the link is drawn
// on into the right margin, outside the text rectangle.
TEST(MarkupLabel, LinksFollowTheRealPointerAndClicksOnlyInsideTheTextRectangle)
{
    std::wstring text = L"<a msg=wide>";
    for (int i = 0; i < 10; ++i) {
        text += L"message link ";
    }
    LabelHost wide(SS_LEFTNOWORDWRAP, {200, 40}, text + L"</a>");
    wide.label.SetMargins(20, 0);
    wide.label.SetAlignFlags(kAlignRight | kAlignMiddle);
    const PixelRect& textRect = wide.label.TextRect();
    ASSERT_EQ(textRect.right, 180);
    ASSERT_TRUE(HasLinkAt(wide.label, 190, 20) && HasLinkAt(wide.label, 100, 20));

    // The link turns red (a:hover) as soon as the pointer is over it, and blue again after.
    const auto hoverPixels = [&] { return WindowPixels(wide.Handle()).Count(RGB(255, 0, 0)); };
    const HCURSOR linkCursor = static_cast<HCURSOR>(wide.label.Drawer().Language().Links().LinkCursor());
    EXPECT_EQ(hoverPixels(), 0);
    MoveMouse(wide.Handle(), 100, 20);
    EXPECT_EQ(GetCursor(), linkCursor);
    EXPECT_GT(hoverPixels(), 100);
    MoveMouse(wide.Handle(), 190, 20);
    EXPECT_NE(GetCursor(), linkCursor);
    EXPECT_EQ(hoverPixels(), 0);
    EXPECT_EQ(hoveredIds, (std::vector<int>{0, kNoHoveredLink}));

    Click(wide.Handle(), 190, 20);
    EXPECT_TRUE(clickedTexts.empty());
    Click(wide.Handle(), 100, 20);
    EXPECT_EQ(clickedTexts, std::vector<std::wstring>{L"wide"});

    LabelHost address(SS_LEFT, {200, 40}, L"Home: <a href=\"https://fennick.example/\">fennick</a>");
    MoveMouse(address.Handle(), 2, 2);
    EXPECT_NE(GetCursor(), linkCursor) << "over text that is no link";
    const LinkArea area = address.label.Drawer().Language().Links().Areas().at(0);
    Click(address.Handle(), (area.left + area.right) / 2, (area.top + area.bottom) / 2);
    EXPECT_EQ(shellOpened, std::vector<std::wstring>{L"https://fennick.example/"});
    EXPECT_TRUE(clickedTexts.empty());
}

// Text is smoothed, so its edges blend the two colours with each other and the background:
// every pixel is a grey between them, and beside the light (nearly) covered pixels show light.
TEST(MarkupLabel, DisabledTextIsEmbossedInTheTwoSystemColoursWhateverColoursTheMarkupAsks)
{
    LabelHost host(SS_LEFT, {220, 60},
                   L"<font color=red size=20>Red</font> <b>bold</b> <a href=x>link</a><br>"
                   L"<table border=1 bordercolor=blue><tr><td bgcolor=yellow>cell</td></tr></table>");
    EnableWindow(host.Handle(), FALSE);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    const WindowPixels pixels(host.Handle());
    int lightCount = 0;
    int darkCount = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 220; ++x) {
            const COLORREF pixel = pixels.At(x, y);
            const bool grey = GetRValue(pixel) == GetGValue(pixel) && GetGValue(pixel) == GetBValue(pixel);
            ASSERT_TRUE(grey && GetRValue(pixel) >= GetRValue(dark) && GetRValue(pixel) <= GetRValue(light))
                << std::hex << pixel << " at " << std::dec << x << ", " << y;
            if (pixel == light) {
                ++lightCount;
                EXPECT_LT(GetRValue(pixels.At(x - 1, y - 1)), GetRValue(face))
                    << "light without shadow up and left at " << x << ", " << y;
            }
            darkCount += pixel == dark;
        }
    }
    EXPECT_GT(lightCount, 20);
    EXPECT_GT(darkCount, 40);
}

TEST(MarkupLabel, RoundCornersShowTheParentAndFollowResizingInsideTheFrame)
{
    LabelHost host(SS_LEFT, {120, 60}, L"");
    host.label.SetBackgroundEffect(EffectSolid, RGB(0, 0, 255), 0, 0);
    host.label.SetRoundCorners(30, 30);
    host.label.SetFrame(RGB(255, 0, 0), 2, 2);
    for (const SIZE size : {SIZE{120, 60}, SIZE{160, 90}}) {
        SetWindowPos(host.Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        host.Repaint();
        const WindowPixels pixels(host.parent);
        const int right = size.cx - 1;
        const int bottom = size.cy - 1;
        for (const POINT corner : {POINT{0, 0}, POINT{right, 0}, POINT{0, bottom}, POINT{right, bottom}}) {
            EXPECT_EQ(host.Pixel(pixels, corner.x, corner.y), kHostColor) << corner.x << ", " << corner.y;
        }
        EXPECT_EQ(host.Pixel(pixels, size.cx / 2, 0), RGB(255, 0, 0));
        EXPECT_EQ(host.Pixel(pixels, size.cx / 2, 1), RGB(255, 0, 0));
        EXPECT_EQ(host.Pixel(pixels, size.cx / 2, size.cy / 2), RGB(0, 0, 255));
    }
}

// A strip of two 8 x 8 cells, red then blue.
OwnedBitmap TwoCellStrip()
{
    return MakeBitmap(16, 8, [](int x, int) { return x < 8 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
}

TEST(MarkupLabel, OnlyTimer260MovesAnAnimatedStrip)
{
    const OwnedBitmap strip = TwoCellStrip();
    LabelHost host(SS_LEFT, {60, 30},
                   L"<strip handle=" + std::to_wstring(reinterpret_cast<UINT_PTR>(strip.get())) +
                       L" cx=8 cy=8 speed=1>");
    const auto shows = [&](COLORREF color) { return WindowPixels(host.Handle()).Count(color) == 64; };
    EXPECT_TRUE(shows(RGB(255, 0, 0)));
    host.label.Send(WM_TIMER, MarkupLabel::kAnimationTimerId + 1);
    EXPECT_TRUE(shows(RGB(255, 0, 0)));
    host.label.Send(WM_TIMER, MarkupLabel::kAnimationTimerId);
    EXPECT_TRUE(shows(RGB(0, 0, 255)));

    host.label.StartAnimation(10);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!shows(RGB(255, 0, 0)) && std::chrono::steady_clock::now() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
    host.label.StopAnimation();
    EXPECT_TRUE(shows(RGB(255, 0, 0))) << "the started timer moves the strip on";
}

TEST(MarkupLabel, SetFontRestylesTheBodyTextAtOnceAndGetTextStaysInItsBuffer)
{
    LabelHost host(SS_LEFT, {300, 100}, L"Body text");
    const int plainHeight = host.label.TextSize().height;
    HFONT large = CreateFontW(-40, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    host.label.Send(WM_SETFONT, reinterpret_cast<WPARAM>(large), FALSE);
    EXPECT_GT(host.label.TextSize().height, plainHeight + 20) << "repainted though asked not to redraw";
    EXPECT_EQ(host.label.Send(WM_GETFONT), reinterpret_cast<LRESULT>(large));
    const int largeHeight = host.label.TextSize().height;
    host.label.Send(WM_SETFONT, 0, TRUE);
    EXPECT_EQ(host.label.Send(WM_GETFONT), 0);
    EXPECT_EQ(host.label.TextSize().height, largeHeight) << "no font keeps the body style";
    DeleteObject(large);

    // A dialog's font leaves its weight open: bold text in it still turns bold.
    HFONT dialogFont =
        CreateFontW(-12, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    host.label.Send(WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), TRUE);
    const auto ink = [&](const wchar_t* text) {
        SetWindowTextW(host.Handle(), text);
        const WindowPixels pixels(host.Handle());
        return 300 * 100 - pixels.Count(GetSysColor(COLOR_BTNFACE));
    };
    EXPECT_GT(ink(L"<b>Bold text</b>"), ink(L"Bold text") * 5 / 4);
    host.label.Send(WM_SETFONT, 0, TRUE);
    DeleteObject(dialogFont);

    SetWindowTextW(host.Handle(), L"abcdef");
    EXPECT_EQ(GetWindowTextLengthW(host.Handle()), 6);
    const std::pair<WPARAM, std::wstring> cases[] = {{0, L""},      {1, L""},       {4, L"abc"},
                                                     {6, L"abcde"}, {7, L"abcdef"}, {50, L"abcdef"}};
    for (const auto& [capacity, text] : cases) {
        std::wstring buffer(60, L'#');
        std::wstring expected = buffer;
        if (capacity != 0) {
            expected.replace(0, text.size() + 1, text + L'\0');
        }
        EXPECT_EQ(host.label.Send(WM_GETTEXT, capacity, reinterpret_cast<LPARAM>(buffer.data())),
                  static_cast<LRESULT>(text.size()));
        EXPECT_EQ(buffer, expected) << capacity;
    }
}

TEST(MarkupLabel, TheWindowStyleCentresTheBlockWhenTheFlagsLeaveItOpen)
{
    LabelHost host(SS_CENTER | SS_CENTERIMAGE, {200, 80}, L"centred");
    host.label.SetMargins(10, 10);
    const PixelSize size = host.label.TextSize();
    EXPECT_EQ(host.label.TextRect(),
              (PixelRect{(200 - size.width) / 2, (80 - size.height) / 2, (200 - size.width) / 2 + size.width,
                         (80 - size.height) / 2 + size.height}));
    host.label.SetAlignFlags(kAlignRight);
    EXPECT_EQ(host.label.TextRect().right, 190);
}

// Fills all of a bitmap with one colour.
void Paint(HBITMAP bitmap, COLORREF color)
{
    const MemoryDC dc = MakeMemoryDC(nullptr);
    const GdiSelection selection(dc.get(), bitmap);
    const OwnedBrush brush(CreateSolidBrush(color));
    const RECT all{0, 0, 16, 16};
    FillRect(dc.get(), &all, brush.get());
}

// An 8 x 8 bitmap file of one colour in the temporary folder.
std::wstring BitmapFile(COLORREF color)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring file = std::wstring(folder) + L"markup-label-image.bmp";
    EXPECT_TRUE(Canvas(8, 8, color).WriteBitmapFile(file));
    return file;
}

// The label keeps its images from one paint to the next, but never past a change of their
// source: a file is read again when the text is set again, the owner's bitmap at every paint.
TEST(MarkupLabel, ImagesShowTheirSourceAsItIsNow)
{
    const std::wstring file = BitmapFile(RGB(255, 0, 0));
    const OwnedBitmap owners(TwoCellStrip());
    const struct {
        std::wstring text;
        std::function<void(COLORREF)> setSource;
    } cases[] = {
        {L"<bmp file=\"" + file + L"\">", [&](COLORREF color) { BitmapFile(color); }},
        {L"<strip handle=" + std::to_wstring(reinterpret_cast<UINT_PTR>(owners.get())) + L" cx=8 cy=8>",
         [&](COLORREF color) { Paint(owners.get(), color); }},
    };
    for (const auto& [text, setSource] : cases) {
        setSource(RGB(255, 0, 0));
        LabelHost host(SS_LEFT, {60, 30}, text);
        const auto shown = [&](COLORREF color) { return WindowPixels(host.Handle()).Count(color); };
        ASSERT_EQ(shown(RGB(255, 0, 0)), 64) << text;
        setSource(RGB(0, 0, 255));
        SetWindowTextW(host.Handle(), text.c_str());
        host.Repaint();
        EXPECT_EQ(shown(RGB(0, 0, 255)), 64) << text;
    }
    DeleteFileW(file.c_str());
}

// Live GDI objects of this process. Wine answers GetGuiResources with 0, but its handle table
// takes a bare slot number, so there the slots in use are counted.
int GdiObjectCount()
{
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); count != 0) {
        return static_cast<int>(count);
    }
    int count = 0;
    for (UINT_PTR slot = 1; slot < 0x10000; ++slot) {
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
    }
    return count;
}

TEST(MarkupLabel, AThousandPaintsResizesFontsTextsAndFlipsLeaveNoGdiObjectBehind)
{
    const OwnedBitmap strip = TwoCellStrip();
    const std::wstring image = BitmapFile(RGB(255, 0, 0));
    const std::wstring texts[] = {
        L"<h2>Title</h2><font color=red>red</font> <a href=x>link</a><hr><strip handle=" +
            std::to_wstring(reinterpret_cast<UINT_PTR>(strip.get())) + L" cx=8 cy=8 speed=1 style=s><bmp file=\"" +
            image +
            L"\" style=s>"
            L"<table border=1 bgeffect=vgradient bgcolor=red bgendcolor=blue><tr><td>cell</td></tr></table>",
        L"<i>plain</i> text"};
    const HFONT fonts[] = {
        CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"),
        CreateFontW(-20, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial")};
    LabelHost host(SS_LEFT, {240, 120}, texts[0]);
    host.label.SetRoundCorners(16, 16);
    host.label.SetFrame(RGB(0, 0, 128), 1, 1);
    host.label.SetBackgroundEffect(EffectVGradient, RGB(255, 255, 255), 0, RGB(200, 200, 255));
    const auto setState = [&](int i) {
        host.label.Send(WM_SETFONT, reinterpret_cast<WPARAM>(fonts[i % 2]), TRUE);
        SetWindowTextW(host.Handle(), texts[i % 2].c_str());
        SetWindowPos(host.Handle(), nullptr, 0, 0, 240 + i % 2 * 20, 120 + i % 2 * 10, SWP_NOMOVE | SWP_NOZORDER);
        EnableWindow(host.Handle(), i % 2 == 0);
        host.label.Send(WM_TIMER, MarkupLabel::kAnimationTimerId);
        host.label.Send(MarkupLabel::kRecomposeMessage);
        RedrawWindow(host.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    };
    // Wine makes some of its system brushes when they are first asked for: the count starts once
    // both states have painted.
    setState(0);
    setState(1);
    setState(2);
    const int afterFirstPaints = GdiObjectCount();
    for (int i = 3; i <= 1000; ++i) {
        setState(i);
    }
    EXPECT_EQ(GdiObjectCount(), afterFirstPaints);
    for (const HFONT font : fonts) {
        DeleteObject(font);
    }
    DeleteFileW(image.c_str());
}

int windowsCreated = 0;

// Counts the windows about to be made and stops them, so that a message box cannot block.
LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        ++windowsCreated;
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(MarkupLabel, ScrollingShowsNoBoxAndHostileMarkupPaintsInBoundedTime)
{
    LabelHost host(SS_LEFT, {200, 80}, L"text");
    const HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    host.label.Send(WM_HSCROLL, SB_LINEDOWN);
    host.label.Send(WM_VSCROLL, SB_LINEDOWN);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(windowsCreated, 0);

    const auto repeated = [](const std::wstring& piece, int count) {
        std::wstring text;
        for (int i = 0; i < count; ++i) {
            text += piece;
        }
        return text;
    };
    const std::wstring hostile[] = {
        repeated(L"<table><tr><td>", 5000),
        L"<table>" + repeated(L"<tr><td colspan=1000>x</td></tr>", 20000) + L"</table>",
        std::wstring(200000, L'w'),
        repeated(L"word ", 20000),
        repeated(L"<br=1000><t=1000>", 2000),
        L"<font size=100000>big</font><hr width=2147483647 size=2147483647><bmp idres=1 width=99999999%>",
    };
    for (const std::wstring& text : hostile) {
        const auto start = std::chrono::steady_clock::now();
        SetWindowTextW(host.Handle(), text.c_str()); // paints at once
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took.count(), 10.0) << text.substr(0, 40);
        EXPECT_GT(host.label.TextSize().height, 0) << text.substr(0, 40);
    }
}

} // namespace
} // namespace fennick
