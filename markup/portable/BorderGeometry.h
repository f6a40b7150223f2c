#pragma once

#include "framework/portable/PixelGeometry.h"

#include <vector>

namespace fennick {

enum class PenDash { Solid, Dash, Dot, DashDot, DashDotDot };

// The pen pattern of a border style; solid, double and unknown styles draw solid lines.
PenDash PenDashOf(int borderStyle);

// Style 0 (none) and widths below 1 draw nothing.
bool DrawsBorder(int borderStyle, int width);

// MoveTo(from), LineTo(corner), LineTo(to).
struct BorderStroke {
    PixelPoint from;
    PixelPoint corner;
    PixelPoint to;

    friend bool operator==(const BorderStroke&, const BorderStroke&) = default;
};

// The light strokes run up the left edge and along the top, the dark ones down the right edge
// and along the bottom; lines are centred half a pen inside the rectangle, and a double border
// repeats them two pen widths further in.
struct BorderStrokes {
    std::vector<BorderStroke> light;
    std::vector<BorderStroke> dark;
};
BorderStrokes BorderRectStrokes(const PixelRect& rect, int borderStyle, int width);

struct LineSegment {
    PixelPoint from;
    PixelPoint to;

    friend bool operator==(const LineSegment&, const LineSegment&) = default;
};

// A line, and for the double style its twin two pen widths below (or to the right of a
// vertical line).
std::vector<LineSegment> LineSegments(PixelPoint from, PixelPoint to, int borderStyle, int width);

} // namespace fennick
