// Tabs, rules, string resources and images on a line.
#include "markup/portable/AttributeReader.h"
#include "markup/portable/LayoutMath.h"
#include "markup/portable/LayoutPass.h"
#include "markup/portable/MarkupDrawer.h"
#include "markup/portable/StyleKeywords.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace fennick {

namespace {

constexpr int kRuleRoom = 8; // a rule's line is this much taller than the rule

int ScaledSize(int natural, int value, bool isPercent)
{
    return std::max(isPercent ? PercentOf(natural, value) : value, 0);
}

std::uintptr_t HandleValue(std::int32_t handle)
{
    // Image handles carry 32 significant bits and are sign-extended on 64-bit Windows.
    return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(handle));
}

} // namespace

struct LayoutPass::Image {
    std::shared_ptr<const SurfaceImage> surfaceImage;
    PixelSize display;
    int frame = -1; // the strip cell shown; -1 for a whole image
    PixelSize cellSize;
};

void LayoutPass::Tab(int count)
{
    // Stops are counted from the line's start, so an aligned line keeps its measured width; the
    // next stop is the first of the count.
    const int tab = drawer_.tabWidth_;
    const int advance = ClampCoordinate(std::int64_t{count} * tab - lineContent_ % tab);
    if (!Measuring()) {
        remainingContent_ = SubtractSaturated(remainingContent_, advance);
    }
    Advance(advance, advance);
}

void LayoutPass::Rule(std::wstring_view attributes)
{
    const StyleParser parser = style_.Parser();
    MarkupStyle look = Style();
    look.borderWidth = 1;
    style_.ApplyStyleClass(L"hr", look);
    int thickness = look.borderWidth;
    Color color = drawer_.language_.Colors().Shown(look.textColor);
    bool isPercent = true;
    int width = 100;
    ForEachAttribute(attributes, [&](const Attribute& attribute) {
        if (attribute.value.empty()) {
            return;
        }
        if (attribute.name == L"width") {
            isPercent = EndsWithPercent(attribute.value);
            width = std::max(parser.ParseLength(attribute.value, isPercent ? 100 : 0, false), 0);
        } else if (attribute.name == L"size") {
            thickness = parser.ParseLength(attribute.value, thickness, false);
        } else if (attribute.name == L"color") {
            color = parser.ParseShownColor(attribute.value, color);
        }
    });
    // A percentage is of the block's width, known when drawing; until then the rule counts 1 pixel.
    const int measured = isPercent ? 1 : width;
    int drawn = measured;
    if (Measuring()) {
        if (isPercent) {
            line_.percent = AddSaturated(line_.percent, width);
        }
        line_.height = std::max(line_.height, AddSaturated(thickness, kRuleRoom));
        line_.align = Style().textAlign;
    } else {
        drawn = isPercent ? PercentOf(block_.Width(), width) : width;
        const int middle = AddSaturated(y_, line_.height / 2);
        surface_.DrawLine({x_, middle}, {AddSaturated(x_, drawn), middle}, color, BorderSolid, thickness);
    }
    Advance(drawn, measured);
}

void LayoutPass::StringRun(std::wstring_view text)
{
    surface_.SetTextJustification(0, 0);
    const int width = surface_.TextExtent(text).width;
    const int height = surface_.TextMetrics().height;
    if (Measuring()) {
        line_.align = Style().textAlign;
    }
    const int top = TextTop(height);
    if (!Measuring()) {
        style_.AddLinkArea(x_, top, AddSaturated(x_, width), AddSaturated(top, height));
        surface_.DrawTextRun(x_, top, text);
        remainingContent_ = SubtractSaturated(remainingContent_, width);
    }
    Advance(width, width);
}

void LayoutPass::LayOutImage(TagKind kind, std::wstring_view attributes)
{
    ImageSpec spec;
    ParseImageAttributes(style_.Parser(), drawer_.shadow_, attributes, spec);
    const Image image = OpenImage(kind, spec);
    if (!image.surfaceImage) {
        return;
    }
    const bool shows = image.display.width > 0 && image.display.height > 0;
    const bool hasShadow = ((spec.style | spec.hotStyle) & kImageShadowFlags) != 0;
    PixelSize box = image.display;
    if (shows && hasShadow) {
        box.width = AddSaturated(box.width, std::abs(std::int64_t{drawer_.shadow_.offsetX}));
        box.height = AddSaturated(box.height, std::abs(std::int64_t{drawer_.shadow_.offsetY}));
    }
    if (Wrapping() && !LineIsEmpty() && box.width > BreakSpace()) {
        EndLine(true, 1);
        StartLine();
    }
    if (Measuring()) {
        line_.align = Style().textAlign;
    } else {
        remainingContent_ = SubtractSaturated(remainingContent_, box.width);
    }
    const int top = ObjectTop(kind == TagKind::ImageStrip ? box.height : image.display.height);
    if (!Measuring() && shows) {
        style_.AddLinkArea(x_, top, AddSaturated(x_, box.width), AddSaturated(top, box.height));
        DrawImage(image, spec,
                  {x_, top, AddSaturated(x_, image.display.width), AddSaturated(top, image.display.height)});
    }
    Advance(box.width, box.width);
}

LayoutPass::Image LayoutPass::OpenImage(TagKind kind, const ImageSpec& spec)
{
    const bool hasSource =
        spec.resourceId != 0 || spec.libraryResourceId != 0 || spec.handle != 0 || !spec.file.empty();
    Image image;
    if (!hasSource) {
        // A strip without a source shows an icon of the owner's image list.
        if (kind == TagKind::ImageStrip && drawer_.imageList_ != nullptr) {
            image.surfaceImage = surface_.OpenListIcon(drawer_.imageList_, spec.index);
            image.display = {ScaledSize(drawer_.imageListIconSize_.width, spec.width, spec.widthIsPercent),
                             ScaledSize(drawer_.imageListIconSize_.height, spec.height, spec.heightIsPercent)};
        }
        return image;
    }
    ImageRequest request{ImageKind::Bitmap, spec.resourceId,          spec.file, spec.libraryResourceId,
                         spec.library,      HandleValue(spec.handle), {}};
    if (kind == TagKind::Icon) {
        const PixelSize standard = surface_.StandardIconSize();
        request.kind = ImageKind::Icon;
        request.iconSize = {ScaledSize(standard.width, spec.width, spec.widthIsPercent),
                            ScaledSize(standard.height, spec.height, spec.heightIsPercent)};
        image.surfaceImage = surface_.OpenImage(request);
        if (image.surfaceImage) {
            image.display = image.surfaceImage->Size();
        }
        return image;
    }
    image.surfaceImage = surface_.OpenImage(request);
    if (!image.surfaceImage) {
        return image;
    }
    PixelSize natural = image.surfaceImage->Size();
    if (kind == TagKind::ImageStrip) {
        PixelSize cell{spec.cellWidth, spec.cellHeight};
        if (cell.width <= 0 && cell.height <= 0) {
            cell.width = cell.height = std::min(natural.width, natural.height);
        } else if (cell.width <= 0) {
            cell.width = cell.height;
        } else if (cell.height <= 0) {
            cell.height = cell.width;
        }
        const std::int64_t cells = cell.width > 0 && cell.height > 0
                                       ? std::int64_t{natural.width / cell.width} * (natural.height / cell.height)
                                       : 0;
        if (spec.index < 0 || spec.index >= cells) {
            image.surfaceImage.reset(); // a cell outside the strip takes no space
            return image;
        }
        image.frame = spec.index;
        if (spec.speed != 0) {
            std::vector<AnimationState>& animations = drawer_.animations_;
            if (Measuring()) {
                const auto frameCount = static_cast<int>(std::min<std::int64_t>(cells, INT32_MAX));
                animations.push_back({spec.index, frameCount, 0, spec.speed});
            } else if (static_cast<std::size_t>(++animationIndex_) < animations.size()) {
                image.frame = animations[animationIndex_].frame;
            }
        }
        image.cellSize = cell;
        natural = cell;
    }
    image.display = {ScaledSize(natural.width, spec.width, spec.widthIsPercent),
                     ScaledSize(natural.height, spec.height, spec.heightIsPercent)};
    return image;
}

void LayoutPass::DrawImage(const Image& image, const ImageSpec& spec, const PixelRect& box)
{
    const ColorScheme& colors = drawer_.language_.Colors();
    ImageDrawing drawing;
    drawing.box = box;
    ImageLook& look = drawing.look;
    look.style = style_.InHoveredLink() ? spec.hotStyle : spec.style;
    if (!colors.Enabled()) {
        look.style = (look.style & 0xFF00) | ImageOneColor;
    }
    look.hasMask = spec.hasMask;
    look.maskColor = spec.maskColor;
    look.shadowOn = ((spec.style | spec.hotStyle) & kImageShadowFlags) != 0;
    look.shadow = drawer_.shadow_;
    look.shadow.color = colors.Shown(look.shadow.color);
    drawing.frame = image.frame;
    drawing.cellSize = image.cellSize;
    surface_.DrawImage(*image.surfaceImage, drawing);
}

} // namespace fennick
