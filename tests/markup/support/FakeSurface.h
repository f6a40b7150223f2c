#pragma once

#include "markup/portable/HostSurface.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace fennick::test {

enum class DrawKind { Text, Line, Fill, BackgroundImage, Border, Image };

// One drawing call. rect: a text's box (x, y, x + width, y + height), a line's end points
// (left, top) to (right, bottom), the rectangle of a fill or border, an image's box.
struct DrawCall {
    DrawKind kind = DrawKind::Text;
    PixelRect rect;
    std::wstring text; // the text, or the name of an image ("res:N", "file:...", "handle:N", "list:N")
    Color color = 0; // text, line, fill (first), border light colour
    Color darkColor = 0; // border
    int style = 0; // line and border style, fill effect, image style
    int width = 0; // line and border width, strip frame of an image

    friend bool operator==(const DrawCall&, const DrawCall&) = default;
};

// A surface with fixed metrics that records what is drawn. With a font of size S (16 before
// any font is selected): every character is max(1, S / 2) wide, an extent (also of no text) is
// S high, tmHeight = S, tmAscent = S * 3 / 4, tmDescent = S - tmAscent; 96 dots per inch;
// standard icons are 32 x 32. Justification gives every space extra / breaks pixels and the
// first extra % breaks spaces of each text one more, as GDI does.
class FakeSurface final : public HostSurface {
public:
    void SelectStyleFont(const MarkupStyle& style) override
    {
        fontSize_ = style.fontSize == INT32_MIN ? INT32_MAX : std::abs(style.fontSize);
        ++selections_;
    }
    void SetTextColors(Color textColor, BackMode, Color) override { textColor_ = textColor; }

    PixelSize TextExtent(std::wstring_view text) const override
    {
        measured_ += text.size();
        std::int64_t width = static_cast<std::int64_t>(text.size()) * CharWidth();
        if (breaks_ > 0) {
            const auto spaces = static_cast<std::int64_t>(std::count(text.begin(), text.end(), L' '));
            width += spaces * (extra_ / breaks_) + std::min<std::int64_t>(spaces, extra_ % breaks_);
        }
        return {static_cast<int>(std::min<std::int64_t>(width, INT32_MAX)), fontSize_};
    }
    TextFit FitText(std::wstring_view text, int maxWidth) const override
    {
        measured_ += text.size();
        const auto count = std::min<std::size_t>(text.size(), std::max(maxWidth, 0) / CharWidth());
        return {count, static_cast<int>(count) * CharWidth()};
    }
    FontMetrics TextMetrics() const override
    {
        const int ascent = static_cast<int>(std::int64_t{fontSize_} * 3 / 4);
        return {fontSize_, ascent, fontSize_ - ascent};
    }
    int DotsPerInchY() const override { return dotsPerInch_; }
    PixelSize StandardIconSize() const override { return {32, 32}; }

    void SetTextJustification(int extra, int breakCount) override
    {
        extra_ = breakCount > 0 ? extra : 0;
        breaks_ = extra_ > 0 ? breakCount : 0;
    }
    void DrawTextRun(int x, int y, std::wstring_view text) override
    {
        const PixelSize size = TextExtent(text);
        const auto end = [](int from, int extent) {
            return static_cast<int>(std::min<std::int64_t>(std::int64_t{from} + extent, INT32_MAX));
        };
        calls.push_back(
            {DrawKind::Text, {x, y, end(x, size.width), end(y, size.height)}, std::wstring(text), textColor_});
    }
    void DrawLine(PixelPoint from, PixelPoint to, Color color, int borderStyle, int width) override
    {
        calls.push_back({DrawKind::Line, {from.x, from.y, to.x, to.y}, {}, color, 0, borderStyle, width});
    }
    void FillBackground(const PixelRect& rect, const BackgroundFill& fill) override
    {
        calls.push_back({DrawKind::Fill, rect, {}, fill.firstColor, 0, fill.effect});
    }
    void DrawBackgroundImage(const PixelRect& rect, const BackgroundImageSource& source) override
    {
        calls.push_back({DrawKind::BackgroundImage, rect, source.path});
    }
    void DrawBorderRect(const PixelRect& rect, Color lightColor, Color darkColor, int borderStyle, int width) override
    {
        calls.push_back({DrawKind::Border, rect, {}, lightColor, darkColor, borderStyle, width});
    }

    std::shared_ptr<const SurfaceImage> OpenImage(const ImageRequest& request) override
    {
        PixelSize size;
        std::wstring name;
        if (request.resourceId != 0 && resources.contains(request.resourceId)) {
            size = resources[request.resourceId];
            name = L"res:" + std::to_wstring(request.resourceId);
        } else if (request.resourceId == 0 && !request.file.empty() && files.contains(request.file)) {
            size = files[request.file];
            name = L"file:" + request.file;
        } else {
            return nullptr;
        }
        if (request.kind == ImageKind::Icon && request.iconSize.width > 0 && request.iconSize.height > 0) {
            size = request.iconSize;
        }
        return std::make_shared<Image>(*this, size, std::move(name));
    }
    std::shared_ptr<const SurfaceImage> OpenListIcon(ImageListHandle, int index) override
    {
        if (index < 0 || index >= listIcons) {
            return nullptr;
        }
        return std::make_shared<Image>(*this, PixelSize{16, 16}, L"list:" + std::to_wstring(index));
    }
    void DrawImage(const SurfaceImage& image, const ImageDrawing& drawing) override
    {
        calls.push_back({DrawKind::Image, drawing.box, static_cast<const Image&>(image).name, 0, 0, drawing.look.style,
                         drawing.frame});
    }

    // Set up by the tests: the images that load, by resource number and by file, with their sizes.
    std::map<int, PixelSize> resources;
    std::map<std::wstring, PixelSize> files;
    int listIcons = 0;
    void SetDotsPerInchY(int dots) { dotsPerInch_ = dots; }

    // Recorded.
    std::vector<DrawCall> calls;
    int OpenImages() const { return openImages_; }
    int Selections() const { return selections_; }
    int FontSize() const { return fontSize_; }
    // Characters handed to TextExtent and FitText so far.
    std::size_t MeasuredCharacters() const { return measured_; }

    std::vector<DrawCall> CallsOf(DrawKind kind) const
    {
        std::vector<DrawCall> found;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                     [kind](const DrawCall& call) { return call.kind == kind; });
        return found;
    }

private:
    class Image final : public SurfaceImage {
    public:
        Image(FakeSurface& owner, PixelSize size, std::wstring imageName)
            : name(std::move(imageName)), owner_(owner), size_(size)
        {
            ++owner_.openImages_;
        }
        ~Image() override { --owner_.openImages_; }
        PixelSize Size() const override { return size_; }

        std::wstring name;

    private:
        FakeSurface& owner_;
        PixelSize size_;
    };

    int CharWidth() const { return std::max(1, fontSize_ / 2); }

    int fontSize_ = 16;
    int dotsPerInch_ = 96;
    int selections_ = 0;
    Color textColor_ = 0;
    int extra_ = 0;
    int breaks_ = 0;
    int openImages_ = 0;
    mutable std::size_t measured_ = 0;
};

} // namespace fennick::test
