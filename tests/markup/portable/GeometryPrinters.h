#pragma once

#include "markup/portable/BorderGeometry.h"
#include "markup/portable/Gradients.h"
#include "markup/portable/PixelGeometry.h"

#include <ostream>

// Readable failure messages for the geometry values the drawing tests compare.
namespace fennick {

inline void PrintTo(const PixelPoint& point, std::ostream* out)
{
    *out << "(" << point.x << ", " << point.y << ")";
}

inline void PrintTo(const PixelRect& rect, std::ostream* out)
{
    *out << "[" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

inline void PrintTo(const GradientBand& band, std::ostream* out)
{
    *out << "band [" << band.start << ", " << band.end << ") colour 0x" << std::hex << band.color << std::dec;
}

inline void PrintTo(const GradientFill& fill, std::ostream* out)
{
    PrintTo(fill.rect, out);
    *out << std::hex << " 0x" << fill.from << " -> 0x" << fill.to << std::dec
         << (fill.horizontal ? " horizontal" : " vertical");
}

inline void PrintTo(const BorderStroke& stroke, std::ostream* out)
{
    PrintTo(stroke.from, out);
    *out << " -> ";
    PrintTo(stroke.corner, out);
    *out << " -> ";
    PrintTo(stroke.to, out);
}

inline void PrintTo(const LineSegment& segment, std::ostream* out)
{
    PrintTo(segment.from, out);
    *out << " -> ";
    PrintTo(segment.to, out);
}

} // namespace fennick
