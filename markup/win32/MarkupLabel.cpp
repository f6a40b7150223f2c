#include "markup/win32/MarkupLabel.h"

#include "markup/win32/GdiSurface.h"

#include <windowsx.h>

#include <algorithm>
#include <cwchar>
#include <optional>

namespace fennick {

namespace {

// The background effects take this blend of their first colour into their palette.
constexpr int kBackgroundBlendPercent = 5;

// A paint begun is always ended, so an error while painting cannot leave the window asking for
// paints forever.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A client-sized bitmap in a memory DC that starts as a copy of the background: the label draws
// there and then copies all of it to the screen at once, so nothing flickers.
class Canvas {
public:
    Canvas(HDC target, const RECT& client, HBITMAP background)
        : dc_(MakeMemoryDC(target)), bitmap_(CreateCompatibleBitmap(target, client.right, client.bottom))
    {
        if (!dc_ || !bitmap_ || background == nullptr) {
            return;
        }
        selection_.emplace(dc_.get(), bitmap_.get());
        const MemoryDC source = MakeMemoryDC(target);
        const GdiSelection sourceSelection(source.get(), background);
        BitBlt(dc_.get(), 0, 0, client.right, client.bottom, source.get(), 0, 0, SRCCOPY);
    }

    explicit operator bool() const { return selection_.has_value(); }
    HDC Dc() const { return dc_.get(); }

private:
    MemoryDC dc_;
    OwnedBitmap bitmap_;
    std::optional<GdiSelection> selection_;
};

PixelRect Shifted(const PixelRect& rect, int dx, int dy)
{
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

bool Contains(const PixelRect& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// The text the window itself holds, read past this object's own WM_GETTEXT.
std::wstring SystemWindowText(HWND window)
{
    const auto length = static_cast<std::size_t>(DefWindowProcW(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto copied = static_cast<std::size_t>(
        DefWindowProcW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

// The "body" class that makes the markup's text look like text in the font.
std::wstring BodyDeclarations(const LOGFONTW& font)
{
    // Dialog fonts leave the weight at 0 (FW_DONTCARE) and are drawn normal; bold doubles the
    // weight, so a 0 would never turn bold.
    const int weight = font.lfWeight != FW_DONTCARE ? static_cast<int>(font.lfWeight) : FW_NORMAL;
    wchar_t declarations[LF_FACESIZE + 128];
    std::swprintf(declarations, std::size(declarations),
                  L"font-size:%dpt; color:0x%06X; font-family:%ls; font-weight:%d%ls", static_cast<int>(font.lfHeight),
                  static_cast<unsigned>(GetSysColor(COLOR_WINDOWTEXT)), font.lfFaceName, weight,
                  font.lfItalic ? L"; font-style:italic" : L"");
    return declarations;
}

} // namespace

MarkupLabel::MarkupLabel(const Win32ActionSources& sources)
    : actions_(sources), drawer_(actions_), backStartColor_(GetSysColor(COLOR_BTNFACE)), backMidColor_(backStartColor_),
      backEndColor_(backStartColor_)
{}

MarkupLabel::~MarkupLabel()
{
    StopAnimation(); // the static may outlive this object
}

// --- configuration ----------------------------------------------------------------------

void MarkupLabel::SetMargins(int marginX, int marginY)
{
    marginX_ = marginX;
    marginY_ = marginY;
    Invalidate();
}

void MarkupLabel::SetAlignFlags(int alignFlags)
{
    alignFlags_ = alignFlags;
    Invalidate();
}

void MarkupLabel::SetTextColor(Color textColor)
{
    textColor_ = textColor;
    Invalidate();
}

void MarkupLabel::SetRawText(bool rawText)
{
    rawText_ = rawText;
    Invalidate();
}

void MarkupLabel::SetBackgroundEffect(BackgroundEffect effect, Color startColor, Color midColor, Color endColor,
                                      int effectParam)
{
    backMode_ = BackMode::Effect;
    backEffect_ = effect;
    backStartColor_ = startColor;
    backMidColor_ = midColor;
    backEndColor_ = endColor;
    backEffectParam_ = std::clamp(effectParam, 0, 255);
    DropBackground();
    Invalidate();
}

void MarkupLabel::SetBackgroundFromScreen()
{
    backMode_ = BackMode::ScreenCopy;
    DropBackground();
    Invalidate();
}

void MarkupLabel::SetFrame(Color color, int width, int height)
{
    frameBrush_.reset(CreateSolidBrush(color));
    frameWidth_ = width;
    frameHeight_ = height;
    Invalidate();
}

void MarkupLabel::RemoveFrame()
{
    frameBrush_.reset();
    Invalidate();
}

void MarkupLabel::SetRoundCorners(int cornerWidth, int cornerHeight)
{
    cornerWidth_ = cornerWidth;
    cornerHeight_ = cornerHeight;
    roundRegion_ = cornerWidth > 0 && cornerHeight > 0;
    if (Handle() != nullptr) {
        ShapeCorners();
        Invalidate();
    }
}

void MarkupLabel::StartAnimation(UINT period)
{
    animationPeriod_ = std::max(period, 1U);
    if (Handle() != nullptr) { // else at attaching: without a window the timer would be the thread's
        SetTimer(Handle(), kAnimationTimerId, animationPeriod_, nullptr);
    }
}

void MarkupLabel::StopAnimation()
{
    animationPeriod_ = 0;
    if (Handle() != nullptr) {
        KillTimer(Handle(), kAnimationTimerId);
    }
}

// --- messages -----------------------------------------------------------------------------

void MarkupLabel::PreSubclassWindow()
{
    // A static lets the mouse through to its parent unless it has SS_NOTIFY.
    SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) | SS_NOTIFY);
    text_ = SystemWindowText(Handle());
    OnEnable(IsWindowEnabled(Handle()) != FALSE);
    OnSetFont(reinterpret_cast<HFONT>(Default(WM_GETFONT, 0, 0)));
    if (animationPeriod_ != 0) {
        StartAnimation(animationPeriod_);
    }
    ShapeCorners();
    Control::PreSubclassWindow();
    Invalidate(); // the static may have shown its text plainly
}

LRESULT MarkupLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SETCURSOR:
        if (enabled_ && OnSetCursor()) {
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_ERASEBKGND:
        return TRUE; // the paint covers every pixel
    case WM_MOUSEMOVE:
        OnMouseMove();
        break;
    case WM_TIMER:
        OnTimer(wParam);
        break;
    case WM_ENABLE: {
        const LRESULT result = Default(message, wParam, lParam);
        OnEnable(wParam != FALSE);
        Invalidate();
        return result;
    }
    case WM_SIZE: {
        const LRESULT result = Default(message, wParam, lParam);
        OnSize();
        return result;
    }
    case WM_SETTEXT:
        OnSetText(reinterpret_cast<const wchar_t*>(lParam));
        return TRUE;
    case WM_GETTEXT:
        return OnGetText(wParam, reinterpret_cast<wchar_t*>(lParam));
    case WM_SETFONT:
        OnSetFont(reinterpret_cast<HFONT>(wParam));
        Invalidate(); // whatever the redraw flag says
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case kRecomposeMessage:
        Compose(nullptr);
        return 1;
    }
    return Control::WindowProc(message, wParam, lParam);
}

void MarkupLabel::OnPaint()
{
    const PaintScope paint(Handle());
    const RECT client = ClientRect();
    if (NeedsBackground(client)) {
        BuildBackground(paint.Dc(), client);
    }
    const Canvas canvas(paint.Dc(), client, backgroundBitmap_.get());
    // The canvas measures as the screen does; laying out and drawing on one surface makes each
    // font once a paint.
    GdiSurface surface(canvas ? canvas.Dc() : paint.Dc(), drawManager_);
    LabelFrame frame;
    frame.client = {client.left, client.top, client.right, client.bottom};
    frame.marginX = marginX_;
    frame.marginY = marginY_;
    frame.style = static_cast<std::uint32_t>(GetWindowLongPtrW(Handle(), GWL_STYLE));
    frame.alignFlags = alignFlags_;
    frame.rawText = rawText_;
    drawer_.SetWrapWidth(LabelWrapWidth(frame));
    textSize_ = drawer_.Measure(surface, MarkupToShow());
    textRect_ = PlaceLabelText(frame, textSize_);
    if (canvas) {
        DrawMarkup(surface);
        Present(paint.Dc(), canvas.Dc(), client);
    }
}

bool MarkupLabel::OnSetCursor()
{
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(Handle(), &point);
    return HoverAt(point);
}

void MarkupLabel::OnLButtonDown(POINT point)
{
    if (enabled_ && Contains(textRect_, point)) {
        drawer_.Language().Links().ClickAt(point.x, point.y);
    }
}

void MarkupLabel::OnMouseMove()
{
    // Asked again on every move: a notice is sent once and then has to be asked for anew.
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
}

void MarkupLabel::OnTimer(UINT_PTR id)
{
    // A tick that changes no frame needs no drawing.
    if (id == kAnimationTimerId && enabled_ && drawer_.AdvanceAnimations()) {
        Compose(nullptr);
    }
}

void MarkupLabel::OnEnable(bool enabled)
{
    enabled_ = enabled;
    drawer_.Language().Colors().SetEnabled(enabled);
}

void MarkupLabel::OnSize()
{
    ShapeCorners();
    // A copy of the screen is kept: the screen beneath now shows the label itself.
    if (backMode_ != BackMode::ScreenCopy) {
        DropBackground();
    }
    Invalidate();
}

void MarkupLabel::OnSetText(const wchar_t* text)
{
    rawText_ = false;
    text_ = text != nullptr ? text : L"";
    // The window keeps the text too, for WM_GETTEXTLENGTH and for other programs reading it;
    // the static's own handling would paint it as plain text first.
    DefWindowProcW(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text_.c_str()));
    Invalidate();
}

LRESULT MarkupLabel::OnGetText(WPARAM capacity, wchar_t* buffer) const
{
    if (capacity == 0 || buffer == nullptr) {
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(text_.size(), capacity - 1);
    std::copy_n(text_.data(), count, buffer);
    buffer[count] = L'\0';
    return static_cast<LRESULT>(count);
}

void MarkupLabel::OnSetFont(HFONT font)
{
    font_ = font;
    LOGFONTW description{};
    if (font != nullptr && GetObjectW(font, sizeof description, &description) != 0) {
        drawer_.Language().Styles().SetStyleClass(L"body", BodyDeclarations(description));
    }
}

void MarkupLabel::OnMouseLeave()
{
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(Handle(), &point);
    HoverAt(point);
}

// --- painting -----------------------------------------------------------------------------

std::wstring MarkupLabel::MarkupToShow() const
{
    if (rawText_ || textColor_ == kNoTextColor) {
        return text_;
    }
    wchar_t open[32];
    std::swprintf(open, std::size(open), L"<font color=0x%06X>", static_cast<unsigned>(textColor_));
    return open + text_ + L"</font>";
}

RECT MarkupLabel::ClientRect() const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    return client;
}

bool MarkupLabel::NeedsBackground(const RECT& client) const
{
    if (!backgroundBitmap_) {
        return true;
    }
    // A kept copy of the screen that the label has outgrown is completed from the screen.
    const SIZE size = DrawManager::GetBitmapSize(backgroundBitmap_.get());
    return size.cx < client.right || size.cy < client.bottom;
}

void MarkupLabel::BuildBackground(HDC dc, const RECT& client)
{
    const MemoryDC memory = MakeMemoryDC(dc);
    OwnedBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!memory || !bitmap) {
        return;
    }
    {
        const GdiSelection selection(memory.get(), bitmap.get());
        if (backMode_ == BackMode::ScreenCopy) {
            BitBlt(memory.get(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
            if (backgroundBitmap_) {
                // What lay beneath before the label first painted over it.
                const MemoryDC old = MakeMemoryDC(dc);
                const SIZE size = DrawManager::GetBitmapSize(backgroundBitmap_.get());
                const GdiSelection oldSelection(old.get(), backgroundBitmap_.get());
                BitBlt(memory.get(), 0, 0, size.cx, size.cy, old.get(), 0, 0, SRCCOPY);
            }
        } else {
            drawManager_.FillBackground(memory.get(), backEffect_, client, backStartColor_, backMidColor_,
                                        backEndColor_, backEffectParam_, kBackgroundBlendPercent);
        }
    }
    backgroundBitmap_ = std::move(bitmap);
}

void MarkupLabel::DropBackground()
{
    backgroundBitmap_.reset();
}

void MarkupLabel::Compose(HDC target)
{
    if (!backgroundBitmap_ || Handle() == nullptr) {
        return; // nothing laid out yet: the first paint composes
    }
    std::optional<WindowDC> own;
    if (target == nullptr) {
        target = own.emplace(Handle()).Get();
        if (target == nullptr) {
            return;
        }
    }
    const RECT client = ClientRect();
    const Canvas canvas(target, client, backgroundBitmap_.get());
    if (!canvas) {
        return;
    }
    {
        GdiSurface surface(canvas.Dc(), drawManager_);
        DrawMarkup(surface);
    }
    Present(target, canvas.Dc(), client);
}

void MarkupLabel::DrawMarkup(GdiSurface& surface)
{
    if (enabled_) {
        drawer_.Draw(surface, textRect_);
        return;
    }
    // Embossed: a light copy one pixel down and right under a shadow-coloured one.
    ColorScheme& colors = drawer_.Language().Colors();
    colors.SetDisabledColor(GetSysColor(COLOR_BTNHIGHLIGHT));
    drawer_.Draw(surface, Shifted(textRect_, 1, 1));
    colors.SetDisabledColor(GetSysColor(COLOR_BTNSHADOW));
    drawer_.Draw(surface, textRect_);
}

void MarkupLabel::Present(HDC target, HDC canvas, const RECT& client)
{
    if (windowRegion_) {
        SelectClipRgn(target, windowRegion_.get());
    }
    BitBlt(target, 0, 0, client.right, client.bottom, canvas, 0, 0, SRCCOPY);
    if (windowRegion_) {
        if (frameBrush_) {
            FrameRgn(target, windowRegion_.get(), frameBrush_.get(), frameWidth_, frameHeight_);
        }
        SelectClipRgn(target, nullptr);
    } else if (frameBrush_) {
        FrameRect(target, &client, frameBrush_.get());
    }
}

// --- links, region and invalidation --------------------------------------------------------

bool MarkupLabel::HoverAt(POINT point)
{
    LinkTracker& links = drawer_.Language().Links();
    const int before = links.HoveredLink();
    bool cursorShown = false;
    const RECT client = ClientRect();
    if (Contains(textRect_, point) && PtInRect(&client, point)) {
        cursorShown = links.HoverAt(point.x, point.y);
    } else {
        links.HoverNowhere();
    }
    if (links.HoveredLink() != before) {
        Compose(nullptr); // the link under the pointer shows its hover look at once
    }
    return cursorShown;
}

void MarkupLabel::ShapeCorners()
{
    if (roundRegion_) {
        const RECT client = ClientRect();
        InstallRegion(OwnedRegion(
            CreateRoundRectRgn(client.left, client.top, client.right, client.bottom, cornerWidth_, cornerHeight_)));
        roundRegion_ = true;
    } else if (windowRegion_) {
        InstallRegion(nullptr);
    }
}

void MarkupLabel::InstallRegion(OwnedRegion region)
{
    roundRegion_ = false;
    windowRegion_ = std::move(region);
    // The window's region (which the system owns) shapes the window itself, so the corners show
    // the parent and take no clicks. It is in window coordinates, the label's own in client ones.
    HRGN shape = nullptr;
    if (windowRegion_) {
        shape = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(shape, windowRegion_.get(), nullptr, RGN_COPY);
        POINT origin{0, 0};
        MapWindowPoints(Handle(), nullptr, &origin, 1);
        RECT window{};
        GetWindowRect(Handle(), &window);
        OffsetRgn(shape, origin.x - window.left, origin.y - window.top);
    }
    if (!SetWindowRgn(Handle(), shape, FALSE) && shape != nullptr) {
        DeleteObject(shape);
    }
}

void MarkupLabel::Invalidate()
{
    HWND window = Handle();
    if (window == nullptr || !IsWindow(window)) {
        return;
    }
    if (!windowRegion_) {
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        return;
    }
    // The parent repaints around the rounded corners.
    RECT bounds{};
    GetWindowRect(window, &bounds);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HWND parent = GetParent(window);
    if (parent != nullptr) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
        InvalidateRect(parent, &bounds, TRUE);
        UpdateWindow(parent);
    }
}

} // namespace fennick
