#include "markup/portable/LabelPlacement.h"

#include <algorithm>

namespace fennick {

namespace {

enum class Placement { Start, Center, End };

int AvailableWidth(const LabelFrame& frame)
{
    return frame.client.Width() - 2 * frame.marginX - 1;
}

bool NoWrap(const LabelFrame& frame)
{
    return (frame.style & kStyleNoWrapBits) != 0;
}

Placement Across(const LabelFrame& frame)
{
    switch (frame.alignFlags & kAlignCenter) {
    case kAlignLeft:
        return Placement::Start;
    case kAlignRight:
        return Placement::End;
    case kAlignCenter:
        return Placement::Center;
    }
    switch (frame.style & (kStyleCenter | kStyleRight)) {
    case kStyleCenter:
        return Placement::Center;
    case kStyleRight:
        return Placement::End;
    }
    return Placement::Start; // SS_LEFT, and the type 3 that is neither
}

Placement Down(const LabelFrame& frame)
{
    switch (frame.alignFlags & kAlignMiddle) {
    case kAlignTop:
        return Placement::Start;
    case kAlignBottom:
        return Placement::End;
    case kAlignMiddle:
        return Placement::Center;
    }
    return (frame.style & kStyleCenterImage) != 0 ? Placement::Center : Placement::Start;
}

// The start of a block of `size` between `low` and `high`: the margin keeps it off either edge,
// but a centred block sits in the middle of the whole span.
int Place(Placement placement, int low, int high, int margin, int size)
{
    switch (placement) {
    case Placement::Start:
        return low + margin;
    case Placement::End:
        return high - margin - size;
    case Placement::Center:
        break;
    }
    return low + (high - size - low) / 2;
}

} // namespace

int LabelWrapWidth(const LabelFrame& frame)
{
    return NoWrap(frame) ? 0 : std::max(AvailableWidth(frame), 0);
}

PixelRect PlaceLabelText(const LabelFrame& frame, PixelSize measured)
{
    int width = measured.width;
    if (!frame.rawText && NoWrap(frame)) {
        width = std::max(width, AvailableWidth(frame));
    }
    width = std::min(width, frame.client.Width());
    const int height = std::min(measured.height, frame.client.Height());
    const PixelRect& client = frame.client;
    const int x = Place(Across(frame), client.left, client.right, frame.marginX, width);
    const int y = Place(Down(frame), client.top, client.bottom, frame.marginY, height);
    return {x, y, x + width, y + height};
}

} // namespace fennick
