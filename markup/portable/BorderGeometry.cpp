#include "markup/portable/BorderGeometry.h"

#include "markup/portable/BackgroundEffect.h"

namespace fennick {

PenDash PenDashOf(int borderStyle)
{
    switch (borderStyle) {
    case BorderDashed:
        return PenDash::Dash;
    case BorderDotted:
        return PenDash::Dot;
    case BorderDashDot:
        return PenDash::DashDot;
    case BorderDashDotDot:
        return PenDash::DashDotDot;
    default:
        return PenDash::Solid;
    }
}

bool DrawsBorder(int borderStyle, int width)
{
    return borderStyle != BorderNone && width >= 1;
}

BorderStrokes BorderRectStrokes(const PixelRect& rect, int borderStyle, int width)
{
    const int half = width / 2;
    const int x1 = rect.left + half;
    const int y1 = rect.top + half;
    const int x2 = rect.right - half;
    const int y2 = rect.bottom - half;
    BorderStrokes strokes;
    strokes.light.push_back({{x1, y2}, {x1, y1}, {x2, y1}});
    strokes.dark.push_back({{x2, y1}, {x2, y2}, {x1, y2}});
    if (borderStyle == BorderDouble) {
        const int c = 2 * width;
        strokes.light.push_back({{x1 + c, y2 - c}, {x1 + c, y1 + c}, {x2 - c, y1 + c}});
        strokes.dark.push_back({{x2 - c, y1 + c}, {x2 - c, y2 - c}, {x1 + c, y2 - c}});
    }
    return strokes;
}

std::vector<LineSegment> LineSegments(PixelPoint from, PixelPoint to, int borderStyle, int width)
{
    std::vector<LineSegment> segments{{from, to}};
    if (borderStyle == BorderDouble) {
        const int c = 2 * width;
        if (from.x != to.x) {
            from.y += c;
            to.y += c;
        }
        if (from.y == to.y) {
            segments.push_back({from, to});
        } else {
            segments.push_back({{from.x + c, from.y}, {to.x + c, to.y}});
        }
    }
    return segments;
}

} // namespace fennick
