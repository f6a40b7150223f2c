#include "markup/win32/MarkupLabel.h"

#include "markup/win32/GdiSurface.h"

#include <cwchar>
#include <iterator>
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

PixelRect Shifted(const PixelRect& rect, int dx, int dy)
{
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

} // namespace

void MarkupLabel::OnPaint()
{
    surfaceCache_.MarkUnused();
    {
        const PaintScope paint(Handle());
        const RECT client = ClientRect();
        if (NeedsBackground(client)) {
            BuildBackground(paint.Dc(), client);
        }
        const bool canvas = canvas_.Start(paint.Dc(), client, background_, client);
        {
            // The canvas measures as the screen does; laying out and drawing on one surface
            // finds each font once a paint.
            GdiSurface surface(canvas ? canvas_.Dc() : paint.Dc(), drawManager_, surfaceCache_);
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
            }
        }
        if (canvas) {
            Present(paint.Dc(), canvas_.Dc(), client, client);
        }
    }
    // The label keeps what its text needs now, as this paint laid it out.
    surfaceCache_.ForgetUnused();
}

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
    if (!background_) {
        return true;
    }
    // A kept copy of the screen that the label has outgrown is completed from the screen.
    const SIZE size = DrawManager::GetBitmapSize(background_.Bitmap());
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
            if (background_) {
                // What lay beneath before the label first painted over it.
                const SIZE size = DrawManager::GetBitmapSize(background_.Bitmap());
                BitBlt(memory.get(), 0, 0, size.cx, size.cy, background_.Dc(), 0, 0, SRCCOPY);
            }
        } else {
            drawManager_.FillBackground(memory.get(), backEffect_, client, backStartColor_, backMidColor_,
                                        backEndColor_, backEffectParam_, kBackgroundBlendPercent);
        }
    }
    background_.Reset(dc, std::move(bitmap));
}

void MarkupLabel::DropBackground()
{
    background_.Clear();
}

void MarkupLabel::Compose(HDC target, const RECT* area)
{
    if (!background_ || Handle() == nullptr) {
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
    RECT drawn = client;
    if (area != nullptr && !IntersectRect(&drawn, &client, area)) {
        return;
    }
    if (!canvas_.Start(target, client, background_, drawn)) {
        return;
    }
    {
        GdiSurface surface(canvas_.Dc(), drawManager_, surfaceCache_);
        DrawMarkup(surface);
    }
    Present(target, canvas_.Dc(), client, drawn);
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

void MarkupLabel::Present(HDC target, HDC canvas, const RECT& client, const RECT& area)
{
    if (windowRegion_) {
        SelectClipRgn(target, windowRegion_.get());
    }
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, canvas, area.left, area.top,
           SRCCOPY);
    if (windowRegion_) {
        if (frameBrush_) {
            FrameRgn(target, windowRegion_.get(), frameBrush_.get(), frameWidth_, frameHeight_);
        }
        SelectClipRgn(target, nullptr);
    } else if (frameBrush_) {
        FrameRect(target, &client, frameBrush_.get());
    }
}

// --- region and invalidation -----------------------------------------------------------------

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
