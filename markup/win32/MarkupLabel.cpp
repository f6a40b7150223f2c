#include "markup/win32/MarkupLabel.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <iterator>

namespace fennick {

namespace {

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
        trackingLeave_ = false;
        OnMouseLeave();
        return 0;
    case kRecomposeMessage:
        Compose(nullptr);
        return 1;
    }
    return Control::WindowProc(message, wParam, lParam);
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
    // A leave notice is sent once and then has to be asked for anew; asking costs Wine a round
    // trip to its server, too much for every move.
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
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
    surfaceCache_.images.Clear(); // a new text reads its image files anew
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

// --- links --------------------------------------------------------------------------------

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
        // The link under the pointer shows its hover look at once; nothing else changes.
        const RECT changed = LinkBounds(before, links.HoveredLink());
        Compose(nullptr, &changed);
    }
    return cursorShown;
}

RECT MarkupLabel::LinkBounds(int first, int second) const
{
    RECT bounds{};
    for (const LinkArea& area : drawer_.Language().Links().Areas()) {
        if (area.id == first || area.id == second) {
            const RECT rect{area.left, area.top, area.right + 1, area.bottom + 1}; // the area's edges are in it
            UnionRect(&bounds, &bounds, &rect);
        }
    }
    if (IsRectEmpty(&bounds)) {
        return bounds;
    }
    // A hover style may move an image to where its shadow falls.
    const ShadowSettings& shadow = drawer_.Shadow();
    InflateRect(&bounds, std::abs(shadow.offsetX) + shadow.blurX, std::abs(shadow.offsetY) + shadow.blurY);
    return bounds;
}

} // namespace fennick
