#include "markup/win32/GdiSurface.h"

#include "markup/win32/BackgroundImage.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace fennick {

namespace {

int Length(std::wstring_view text)
{
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

RECT ToRect(const PixelRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool SameFont(const LOGFONTW& a, const LOGFONTW& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool TooLarge(PixelSize size)
{
    return static_cast<long long>(size.width) * size.height > kMaxImagePixels;
}

// A bitmap or icon loaded for one layout step: deleted at its end unless the owner gave it.
class GdiImage final : public SurfaceImage {
public:
    GdiImage(ImageKind kind, HANDLE handle, bool owned) : kind_(kind), handle_(handle), owned_(owned)
    {
        const SIZE size =
            kind == ImageKind::Icon ? DrawManager::GetIconSize(Icon()) : DrawManager::GetBitmapSize(Bitmap());
        size_ = {size.cx, size.cy};
    }
    ~GdiImage() override
    {
        if (owned_) {
            kind_ == ImageKind::Icon ? DestroyIcon(Icon()) : DeleteObject(Bitmap());
        }
    }
    GdiImage(const GdiImage&) = delete;
    GdiImage& operator=(const GdiImage&) = delete;

    PixelSize Size() const override { return size_; }
    ImageKind Kind() const { return kind_; }
    HBITMAP Bitmap() const { return static_cast<HBITMAP>(handle_); }
    HICON Icon() const { return static_cast<HICON>(handle_); }

private:
    ImageKind kind_;
    HANDLE handle_;
    bool owned_;
    PixelSize size_;
};

bool IsResourceNumber(int id)
{
    return id >= 1 && id <= 0xFFFF;
}

HANDLE LoadFromModule(HMODULE module, int id, const ImageRequest& request)
{
    if (request.kind == ImageKind::Icon) {
        return LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, request.iconSize.width, request.iconSize.height, 0);
    }
    return LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
}

// Loads the image the request names; the second member says whether it was loaded here.
std::pair<HANDLE, bool> LoadRequested(const ImageRequest& request)
{
    const bool icon = request.kind == ImageKind::Icon;
    if (IsResourceNumber(request.resourceId)) {
        return {LoadFromModule(GetModuleHandleW(nullptr), request.resourceId, request), true};
    }
    if (!request.file.empty()) {
        return {icon ? LoadImageW(nullptr, request.file.c_str(), IMAGE_ICON, request.iconSize.width,
                                  request.iconSize.height, LR_LOADFROMFILE)
                     : LoadImageW(nullptr, request.file.c_str(), IMAGE_BITMAP, 0, 0,
                                  LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE),
                true};
    }
    if (IsResourceNumber(request.libraryResourceId)) {
        if (request.library.empty()) {
            return {nullptr, true};
        }
        // Only the library's resources are read: markup must not make a library run its code.
        const HMODULE library =
            LoadLibraryExW(request.library.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        if (library == nullptr) {
            return {nullptr, true};
        }
        const HANDLE image = LoadFromModule(library, request.libraryResourceId, request);
        FreeLibrary(library);
        return {image, true};
    }
    // A number from the markup may name anything: a bitmap must be one; an icon that is none
    // reads as 0 x 0 and is left out.
    const auto handle = reinterpret_cast<HANDLE>(request.handle);
    return {icon || GetObjectType(handle) == OBJ_BITMAP ? handle : nullptr, false};
}

} // namespace

LOGFONTW StyleLogFont(const MarkupStyle& style)
{
    LOGFONTW font{};
    font.lfHeight = std::clamp(style.fontSize, -kMaxFontHeight, kMaxFontHeight);
    font.lfWeight = style.fontWeight;
    font.lfItalic = style.italic ? TRUE : FALSE;
    font.lfUnderline = style.underline ? TRUE : FALSE;
    font.lfStrikeOut = style.lineThrough ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::size_t length = std::min<std::size_t>(style.fontFamily.size(), LF_FACESIZE - 1);
    std::copy_n(style.fontFamily.begin(), length, font.lfFaceName);
    return font;
}

GdiSurface::GdiSurface(HDC dc, DrawManager& drawing)
    : dc_(dc), drawing_(drawing), originalFont_(GetCurrentObject(dc, OBJ_FONT)), originalTextColor_(GetTextColor(dc)),
      originalBackColor_(GetBkColor(dc)), originalBackMode_(GetBkMode(dc))
{
    fonts_.reserve(kFontCacheSize);
}

GdiSurface::~GdiSurface()
{
    SelectObject(dc_, originalFont_);
    SetTextColor(dc_, originalTextColor_);
    SetBkColor(dc_, originalBackColor_);
    SetBkMode(dc_, originalBackMode_);
}

std::optional<std::size_t> GdiSurface::FindOrMakeFont(const LOGFONTW& logFont)
{
    const auto found = std::find_if(fonts_.begin(), fonts_.end(),
                                    [&](const CachedFont& cached) { return SameFont(cached.logFont, logFont); });
    if (found != fonts_.end()) {
        return static_cast<std::size_t>(found - fonts_.begin());
    }
    OwnedFont font(CreateFontIndirectW(&logFont));
    if (!font) {
        return std::nullopt;
    }
    if (fonts_.size() == kFontCacheSize) {
        // Full: keep only the selected font, which must live while it is selected.
        if (current_) {
            std::swap(fonts_.front(), fonts_[*current_]);
            fonts_.resize(1);
            current_ = 0;
        } else {
            fonts_.clear();
        }
    }
    const HGDIOBJ previous = SelectObject(dc_, font.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    SelectObject(dc_, previous);
    fonts_.push_back({logFont, std::move(font), {metrics.tmHeight, metrics.tmAscent, metrics.tmDescent}});
    return fonts_.size() - 1;
}

void GdiSurface::SelectStyleFont(const MarkupStyle& style)
{
    const LOGFONTW logFont = StyleLogFont(style);
    if (current_ && SameFont(fonts_[*current_].logFont, logFont)) {
        return;
    }
    if (const std::optional<std::size_t> index = FindOrMakeFont(logFont)) {
        SelectObject(dc_, fonts_[*index].font.get());
        current_ = index;
    } // otherwise measuring goes on with the font in place
}

void GdiSurface::SetTextColors(Color textColor, BackMode backMode, Color backColor)
{
    SetTextColor(dc_, textColor);
    SetBkMode(dc_, backMode == BackMode::Opaque ? OPAQUE : TRANSPARENT);
    SetBkColor(dc_, backColor);
}

int GdiSurface::JustificationOf(std::wstring_view text) const
{
    if (justifyBreaks_ == 0) {
        return 0;
    }
    const auto spaces = static_cast<long long>(std::count(text.begin(), text.end(), L' '));
    const long long extra =
        spaces * (justifyExtra_ / justifyBreaks_) + std::min<long long>(spaces, justifyExtra_ % justifyBreaks_);
    return static_cast<int>(std::min<long long>(extra, INT_MAX));
}

PixelSize GdiSurface::TextExtent(std::wstring_view text) const
{
    SIZE size{};
    if (!GetTextExtentPoint32W(dc_, text.data(), Length(text), &size)) {
        return {};
    }
    return {static_cast<int>(std::min<long long>(static_cast<long long>(size.cx) + JustificationOf(text), INT_MAX)),
            size.cy};
}

TextFit GdiSurface::FitText(std::wstring_view text, int maxWidth) const
{
    if (maxWidth < 0 || text.empty()) {
        return {};
    }
    partialWidths_.resize(text.size());
    INT fit = 0;
    SIZE size{};
    if (!GetTextExtentExPointW(dc_, text.data(), Length(text), maxWidth, &fit, partialWidths_.data(), &size) ||
        fit <= 0) {
        return {};
    }
    return {static_cast<std::size_t>(fit), partialWidths_[fit - 1]};
}

FontMetrics GdiSurface::TextMetrics() const
{
    if (current_) {
        return fonts_[*current_].metrics;
    }
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc_, &metrics)) {
        return {};
    }
    return {metrics.tmHeight, metrics.tmAscent, metrics.tmDescent};
}

int GdiSurface::DotsPerInchY() const
{
    return GetDeviceCaps(dc_, LOGPIXELSY);
}

PixelSize GdiSurface::StandardIconSize() const
{
    return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
}

void GdiSurface::SetTextJustification(int extra, int breakCount)
{
    const bool spread = extra > 0 && breakCount > 0;
    justifyExtra_ = spread ? extra : 0;
    justifyBreaks_ = spread ? breakCount : 0;
}

void GdiSurface::DrawTextRun(int x, int y, std::wstring_view text)
{
    const int length = Length(text);
    if (justifyBreaks_ == 0 || length == 0) {
        TextOutW(dc_, x, y, text.data(), length);
        return;
    }
    // Each character's advance from the partial extents, the spaces widened as TextExtent says.
    partialWidths_.resize(text.size());
    INT fit = 0;
    SIZE size{};
    if (!GetTextExtentExPointW(dc_, text.data(), length, 0, &fit, partialWidths_.data(), &size)) {
        TextOutW(dc_, x, y, text.data(), length);
        return;
    }
    int spaces = 0;
    int previous = 0;
    const int share = justifyExtra_ / justifyBreaks_;
    const int remainder = justifyExtra_ % justifyBreaks_;
    for (int i = 0; i < length; ++i) {
        const int advance = partialWidths_[i] - previous;
        previous = partialWidths_[i];
        partialWidths_[i] = advance;
        if (text[i] == L' ') {
            partialWidths_[i] += share + (spaces++ < remainder ? 1 : 0);
        }
    }
    ExtTextOutW(dc_, x, y, 0, nullptr, text.data(), static_cast<UINT>(length), partialWidths_.data());
}

void GdiSurface::DrawLine(PixelPoint from, PixelPoint to, Color color, int borderStyle, int width)
{
    drawing_.DrawLine(dc_, from.x, from.y, to.x, to.y, color, borderStyle, width);
}

void GdiSurface::FillBackground(const PixelRect& rect, const BackgroundFill& fill)
{
    drawing_.FillBackground(dc_, fill.effect, ToRect(rect), fill.firstColor, fill.midColor, fill.endColor,
                            fill.noiseAmount, fill.blendPercent);
}

void GdiSurface::DrawBackgroundImage(const PixelRect& rect, const BackgroundImageSource& source)
{
    fennick::DrawBackgroundImage(drawing_, dc_, ToRect(rect), source);
}

void GdiSurface::DrawBorderRect(const PixelRect& rect, Color lightColor, Color darkColor, int borderStyle, int width)
{
    drawing_.DrawBorderRect(dc_, ToRect(rect), lightColor, darkColor, borderStyle, width);
}

std::unique_ptr<SurfaceImage> GdiSurface::OpenImage(const ImageRequest& request)
{
    if (request.kind == ImageKind::Icon && TooLarge(request.iconSize)) {
        return nullptr;
    }
    const auto [handle, owned] = LoadRequested(request);
    if (handle == nullptr) {
        return nullptr;
    }
    return std::make_unique<GdiImage>(request.kind, handle, owned);
}

std::unique_ptr<SurfaceImage> GdiSurface::OpenListIcon(ImageListHandle list, int index)
{
    const auto imageList = static_cast<HIMAGELIST>(list);
    if (index < 0 || index >= ImageList_GetImageCount(imageList)) {
        return nullptr;
    }
    HICON icon = ImageList_GetIcon(imageList, index, 0);
    return icon != nullptr ? std::make_unique<GdiImage>(ImageKind::Icon, icon, true) : nullptr;
}

void GdiSurface::DrawImage(const SurfaceImage& image, const ImageDrawing& drawing)
{
    const PixelRect& box = drawing.box;
    if (TooLarge({box.Width(), box.Height()})) {
        return;
    }
    const auto& gdiImage = static_cast<const GdiImage&>(image);
    const ShadowSettings& shadow = drawing.shadow;
    if (gdiImage.Kind() == ImageKind::Icon) {
        drawing_.DrawIconImage(dc_, box.left, box.top, box.Width(), box.Height(), gdiImage.Icon(), drawing.style,
                               drawing.shadowOn, shadow.offsetX, shadow.offsetY, shadow.blurX, shadow.blurY,
                               shadow.color);
    } else if (drawing.frame >= 0) {
        drawing_.DrawStripFrame(dc_, box.left, box.top, box.Width(), box.Height(), gdiImage.Bitmap(), drawing.frame,
                                drawing.cellSize.width, drawing.cellSize.height, drawing.hasMask, drawing.maskColor,
                                drawing.style, drawing.shadowOn, shadow.offsetX, shadow.offsetY, shadow.blurX,
                                shadow.blurY, shadow.color);
    } else {
        drawing_.DrawBitmapImage(dc_, box.left, box.top, box.Width(), box.Height(), gdiImage.Bitmap(), drawing.hasMask,
                                 drawing.maskColor, drawing.style, drawing.shadowOn, shadow.offsetX, shadow.offsetY,
                                 shadow.blurX, shadow.blurY, shadow.color);
    }
}

} // namespace fennick
