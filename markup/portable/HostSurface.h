#pragma once

#include "framework/portable/PixelGeometry.h"
#include "markup/portable/BackgroundImageSource.h"
#include "markup/portable/Color.h"
#include "markup/portable/ImageLook.h"
#include "markup/portable/MarkupStyle.h"
#include "markup/portable/ShadowSettings.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace fennick {

struct PixelSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct FontMetrics {
    int height = 0; // ascent + descent, the line height of the font
    int ascent = 0;
    int descent = 0;
};

// The longest front part of a text that fits a width, and that part's width.
struct TextFit {
    std::size_t count = 0;
    int width = 0;
};

using ImageListHandle = void*; // an HIMAGELIST on Windows

enum class ImageKind { Bitmap, Icon };

// Where an image comes from; the first source given wins, in this order.
struct ImageRequest {
    ImageKind kind = ImageKind::Bitmap;
    int resourceId = 0; // the program's own resource
    std::wstring file;
    int libraryResourceId = 0; // a resource of `library`; nothing without a library
    std::wstring library;
    std::uintptr_t handle = 0; // an image the owner keeps; never deleted here
    PixelSize iconSize; // icons are loaded at this size
};

// An image a surface opened. The surface may keep it for later passes; a pass holds it while it
// lays the image out.
class SurfaceImage {
public:
    virtual ~SurfaceImage() = default;
    // A bitmap's own size, an icon's real size.
    virtual PixelSize Size() const = 0;
};

// How an image is drawn into its box (position and display size). A strip cell is drawn when
// frame >= 0.
struct ImageDrawing {
    PixelRect box;
    ImageLook look;
    int frame = -1;
    PixelSize cellSize;

    friend bool operator==(const ImageDrawing&, const ImageDrawing&) = default;
};

// A background effect (BackgroundEffect number) with its colours and texture parameters.
struct BackgroundFill {
    std::int32_t effect = EffectSolid;
    Color firstColor = 0;
    Color midColor = 0;
    Color endColor = 0;
    int noiseAmount = 0;
    int blendPercent = 0;
};

// What the markup engine asks of the device it lays text out and draws on: fonts made from a
// style and measurements with them, and the drawing of text, lines, fills, borders and images.
// On Windows a device context (GdiSurface); in tests a recording fake with fixed metrics.
class HostSurface {
public:
    virtual ~HostSurface() = default;

    // Later measurements and text use the font of the style: family, size (as the cell height
    // in pixels), weight, italic, underline and strike-out.
    virtual void SelectStyleFont(const MarkupStyle& style) = 0;
    virtual void SetTextColors(Color textColor, BackMode backMode, Color backColor) = 0;

    virtual PixelSize TextExtent(std::wstring_view text) const = 0;
    // Extents grow by the justification set below; fitting ignores it.
    virtual TextFit FitText(std::wstring_view text, int maxWidth) const = 0;
    virtual FontMetrics TextMetrics() const = 0;
    virtual int DotsPerInchY() const = 0;
    virtual PixelSize StandardIconSize() const = 0;

    // Justifies later text extents and output: every space gets extra / breakCount pixels more,
    // and the first extra % breakCount spaces of each text one more; (0, 0) turns it off.
    virtual void SetTextJustification(int extra, int breakCount) = 0;
    // Text in the selected font and colours, top left at (x, y).
    virtual void DrawTextRun(int x, int y, std::wstring_view text) = 0;

    virtual void DrawLine(PixelPoint from, PixelPoint to, Color color, int borderStyle, int width) = 0;
    virtual void FillBackground(const PixelRect& rect, const BackgroundFill& fill) = 0;
    // Tiles the image over the rectangle from its top left corner.
    virtual void DrawBackgroundImage(const PixelRect& rect, const BackgroundImageSource& source) = 0;
    virtual void DrawBorderRect(const PixelRect& rect, Color lightColor, Color darkColor, int borderStyle,
                                int width) = 0;

    // Nothing when the image cannot be loaded.
    virtual std::shared_ptr<const SurfaceImage> OpenImage(const ImageRequest& request) = 0;
    // Icon `index` of an image list; nothing for an index outside it.
    virtual std::shared_ptr<const SurfaceImage> OpenListIcon(ImageListHandle list, int index) = 0;
    virtual void DrawImage(const SurfaceImage& image, const ImageDrawing& drawing) = 0;
};

} // namespace fennick
