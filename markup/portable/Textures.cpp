#include "markup/portable/Textures.h"

#include "markup/portable/BackgroundEffect.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace fennick {

namespace {

// Products of sizes and indices overflow 32 bits on very large areas.
using Wide = std::int64_t;

Wide Cubic(Wide t)
{
    return (t * t * t / 128) / 128;
}

// Writes palette indices in integer arithmetic; values wrap modulo 256. x is the column from
// the left, r the row counted from the bottom edge.
class TexturePainter {
public:
    TexturePainter(PaletteBitmap& bitmap, TextureRandom& random, int noiseAmount)
        : bitmap_(bitmap), random_(random), width_(bitmap.Width()), height_(bitmap.Height()),
          amount_(noiseAmount & 0xFF), noiseDivisor_(TextureRandom::kMax / (amount_ == 0 ? 1 : 2 * amount_))
    {}

    void Paint(int effect)
    {
        switch (effect) {
        case EffectNoise:
            PaintEach([this](Wide, Wide, Wide) { return 128 + Noise() - amount_; });
            break;
        case EffectDiagShade:
            PaintDiagonal((255 - 2 * amount_) / 2);
            break;
        case EffectHShade:
            PaintEach([this](Wide, Wide r, Wide) { return r * (255 - 2 * amount_) / height_ + Noise(); });
            break;
        case EffectVShade:
            PaintEach([this](Wide x, Wide, Wide) { return (255 - 2 * amount_) * (width_ - x) / width_ + Noise(); });
            break;
        case EffectHBump:
            PaintEach([this](Wide, Wide r, Wide) { return Bump(RowRamp(r), 128 - amount_); });
            break;
        case EffectVBump:
            PaintEach([this](Wide x, Wide, Wide) { return Bump(ColumnRamp(x), 128 - amount_); });
            break;
        case EffectSoftBump:
            PaintSoftBump();
            break;
        case EffectHardBump:
            PaintEach([this](Wide, Wide r, Wide) { return Bump(RowRamp(r), (64 - amount_) * 2); });
            Bevel();
            break;
        case EffectMetal:
            PaintMetal();
            break;
        default:
            break;
        }
    }

private:
    Wide Noise() { return random_.Next() / noiseDivisor_; }

    Wide RowRamp(Wide r) const { return 255 * r / height_ - 127; }
    Wide ColumnRamp(Wide x) const { return 255 * (width_ - x) / width_ - 127; }
    // The ramp from the right edge reaches 128 at the left column, where the bump would come to
    // 256 and wrap to the end colour; it stops at 127 as the row ramp does.
    Wide Bump(Wide t, Wide factor) { return 128 + Cubic(std::min<Wide>(t, 127)) * factor / 128 + Noise() - amount_; }

    template <typename Formula>
    void PaintEach(Formula formula)
    {
        std::uint8_t* bits = bitmap_.Bits();
        const std::size_t stride = bitmap_.Stride();
        for (Wide r = 0; r < height_; ++r) {
            std::uint8_t* row = bits + static_cast<std::size_t>(r) * stride;
            for (Wide x = 0; x < width_; ++x) {
                row[x] = static_cast<std::uint8_t>(formula(x, r, Wide{row[x]}));
            }
        }
    }

    // The first colour at the top-left corner; added to what the bitmap holds already.
    void PaintDiagonal(Wide n)
    {
        PaintEach([this, n](Wide x, Wide r, Wide current) {
            return current + r * n / height_ + n * (width_ - x) / width_ + Noise();
        });
    }

    void PaintSoftBump()
    {
        PaintEach([this](Wide x, Wide r, Wide) {
            Wide v = 128 + (Cubic(ColumnRamp(x)) + Cubic(RowRamp(r))) * (128 - amount_) / 128;
            v = std::min(std::max(v, amount_), 255 - amount_);
            return v + Noise() - amount_;
        });
    }

    // Bevels L pixels wide at mid-height narrowing along a parabola to nothing at the top and
    // bottom edges. An area under 6 pixels wide or 2 pixels high has no room for them.
    void Bevel()
    {
        const Wide bevelWidth = std::min<Wide>(width_ / 6, 16);
        const Wide depth = height_ * height_ / 4;
        const bool bevelled = bevelWidth > 0 && depth > 0;
        for (Wide r = 0; r < height_; ++r) {
            const Wide fromMiddle = r - height_ / 2;
            const Wide reach = bevelled ? fromMiddle * bevelWidth * fromMiddle / depth - bevelWidth + width_ / 2 : 0;
            std::uint8_t* row = bitmap_.Bits() + static_cast<std::size_t>(r) * bitmap_.Stride();
            for (Wide x = 0; x < width_; ++x) {
                Wide v = row[x];
                const Wide d = x - width_ / 2;
                if (bevelled && d > reach) {
                    v = 128 * (width_ - x) / bevelWidth + amount_;
                }
                if (bevelled && d + reach < 0) {
                    v = (255 - amount_) - 128 * x / bevelWidth;
                }
                row[x] = static_cast<std::uint8_t>(v + Noise() - amount_);
            }
        }
    }

    // Random diagonal streaks over a diagonal ramp. Positions are drawn as random / (32767 / side);
    // sides beyond 32767 use a step of 1, which still keeps them inside the area.
    void PaintMetal()
    {
        bitmap_.Fill(0);
        const auto step = [](Wide side) { return std::max<Wide>(TextureRandom::kMax / side, 1); };
        const Wide stepX = step(width_);
        const Wide stepY = step(height_);
        const Wide stepLength = step(std::min(width_, height_));
        for (int streak = 0; streak < 200; ++streak) {
            const Wide x = random_.Next() / stepX;
            const Wide y = random_.Next() / stepY;
            const Wide length = random_.Next() / stepLength / 2;
            const auto value = static_cast<std::uint8_t>(random_.Next() / 819);
            PaintMetalStreak(bitmap_, static_cast<int>(x), static_cast<int>(y), static_cast<int>(length), value);
        }
        PaintDiagonal((215 - 2 * amount_) / 2);
    }

    PaletteBitmap& bitmap_;
    TextureRandom& random_;
    const Wide width_;
    const Wide height_;
    const Wide amount_;
    const Wide noiseDivisor_;
};

} // namespace

void PaintMetalStreak(PaletteBitmap& bitmap, int x, int y, int length, std::uint8_t value)
{
    const Wide width = bitmap.Width();
    const Wide height = bitmap.Height();
    for (Wide k = 0; k < length; ++k) {
        if (x - k > 0 && y + k < height) {
            bitmap.PutPixel(static_cast<int>(x - k), static_cast<int>(y + k), value);
        }
        // The reflection's own column is bounded, as the streak's is: column x + k would leave
        // out most of a reflection that starts near the left edge.
        if (width - x + k < width && y - k > 0) {
            bitmap.PutPixel(static_cast<int>(width - x + k), static_cast<int>(y - k), value);
        }
    }
}

void BuildTexturePalette(PaletteBitmap& bitmap, Color first, Color mid, Color end, int blendPercent)
{
    const auto set = [&bitmap](int index, Color a, int weightA, Color b, int weightB) {
        const auto mix = [&](int (*channel)(Color)) { return (weightA * channel(a) + weightB * channel(b)) / 128; };
        bitmap.SetPaletteEntry(index, mix(ColorRed), mix(ColorGreen), mix(ColorBlue));
    };
    for (int i = 0; i <= 128; ++i) {
        set(i, end, 128 - i, mid, i);
    }
    for (int j = 1; j <= 128; ++j) {
        set(127 + j, first, j, mid, 128 - j);
    }
    bitmap.BlendPalette(first, blendPercent & 0xFF);
}

bool RenderTexture(PaletteBitmap& bitmap, TextureRandom& random, int width, int height, int effect, int noiseAmount,
                   int blendPercent, Color first, Color mid, Color end)
{
    if (!bitmap.Create(width, height, 8)) {
        return false;
    }
    BuildTexturePalette(bitmap, first, mid, end, blendPercent);
    TexturePainter(bitmap, random, noiseAmount).Paint(effect);
    return true;
}

} // namespace fennick
