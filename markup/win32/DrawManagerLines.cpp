#include "markup/win32/DrawManager.h"

#include "markup/portable/BorderGeometry.h"
#include "framework/win32/GdiHandles.h"

namespace fennick {

namespace {

OwnedPen MakeBorderPen(int borderStyle, int width, COLORREF color)
{
    int penStyle = PS_SOLID;
    switch (PenDashOf(borderStyle)) {
    case PenDash::Solid:
        penStyle = PS_SOLID;
        break;
    case PenDash::Dash:
        penStyle = PS_DASH;
        break;
    case PenDash::Dot:
        penStyle = PS_DOT;
        break;
    case PenDash::DashDot:
        penStyle = PS_DASHDOT;
        break;
    case PenDash::DashDotDot:
        penStyle = PS_DASHDOTDOT;
        break;
    }
    return OwnedPen(CreatePen(penStyle, width, color));
}

void Stroke(HDC dc, const std::vector<BorderStroke>& strokes)
{
    for (const BorderStroke& stroke : strokes) {
        MoveToEx(dc, stroke.from.x, stroke.from.y, nullptr);
        LineTo(dc, stroke.corner.x, stroke.corner.y);
        LineTo(dc, stroke.to.x, stroke.to.y);
    }
}

} // namespace

void DrawManager::DrawBorderRect(HDC dc, const RECT& rect, COLORREF lightColor, COLORREF darkColor, int borderStyle,
                                 int width)
{
    if (!DrawsBorder(borderStyle, width)) {
        return;
    }
    const OwnedPen lightPen = MakeBorderPen(borderStyle, width, lightColor);
    if (!lightPen) {
        return;
    }
    const BorderStrokes strokes = BorderRectStrokes({rect.left, rect.top, rect.right, rect.bottom}, borderStyle, width);
    const OwnedPen darkPen = darkColor != lightColor ? MakeBorderPen(borderStyle, width, darkColor) : nullptr;
    const GdiSelection selection(dc, lightPen.get());
    Stroke(dc, strokes.light);
    if (darkColor != lightColor) {
        if (!darkPen) {
            return;
        }
        SelectObject(dc, darkPen.get());
    }
    Stroke(dc, strokes.dark);
}

void DrawManager::DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int borderStyle, int width)
{
    if (!DrawsBorder(borderStyle, width)) {
        return;
    }
    const OwnedPen pen = MakeBorderPen(borderStyle, width, color);
    if (!pen) {
        return;
    }
    const GdiSelection selection(dc, pen.get());
    for (const LineSegment& segment : LineSegments({x1, y1}, {x2, y2}, borderStyle, width)) {
        MoveToEx(dc, segment.from.x, segment.from.y, nullptr);
        LineTo(dc, segment.to.x, segment.to.y);
    }
}

} // namespace fennick
