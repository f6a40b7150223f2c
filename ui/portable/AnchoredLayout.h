#pragma once

#include "framework/portable/PixelGeometry.h"

#include <vector>

namespace fennick {

// How much of a change in the parent's client size a control takes on, as movement of its
// top-left corner and as growth of its size: 0.0 takes on none of the change, 1.0 all of it.
struct AnchorFactors {
    double moveX = 0.0;
    double moveY = 0.0;
    double growX = 0.0;
    double growY = 0.0;
};

// A control's rectangle in its parent's client coordinates. Kept in doubles and never read back
// from the window, so fractional factors accumulate without drift and a change followed by its
// opposite restores the rectangle exactly.
struct AnchoredRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// Positioning flags, with the values of the system's SWP_NOSIZE, SWP_NOMOVE and SWP_NOZORDER.
enum PlacementFlag : unsigned {
    PlaceNoSize = 0x0001,
    PlaceNoMove = 0x0002,
    PlaceNoZOrder = 0x0004,
};

// Never the z-order; neither position nor size when the factors can never change them.
unsigned PlacementFlags(const AnchorFactors& factors);

// Adds each factor's share of the change (dx, dy) to the rectangle; nothing is clamped.
void FollowSizeChange(AnchoredRect& rect, const AnchorFactors& factors, int dx, int dy);

// The pixel rectangle to position a control at: every coordinate truncated toward zero.
PixelRect Truncated(const AnchoredRect& rect);

// The anchored controls of one parent and the parent's client size they were last placed for.
// `Control` is whatever names a control to the caller (a window handle, or an index in tests).
template <typename Control>
class AnchoredLayout {
public:
    struct Entry {
        Control control;
        AnchorFactors factors;
        AnchoredRect rect;
    };

    // Starts over without entries, measuring the next change from this client size.
    void Start(int width, int height)
    {
        entries_.clear();
        lastWidth_ = width;
        lastHeight_ = height;
    }

    // Forgets the entries; the next change is still measured from the last client size.
    void Clear() { entries_.clear(); }

    void Add(Control control, const AnchorFactors& factors, const AnchoredRect& rect)
    {
        entries_.push_back(Entry{control, factors, rect});
    }

    // Moves every entry by its share of the change from the last client size, which then
    // becomes this one; returns the entries in registration order for positioning.
    const std::vector<Entry>& Resize(int width, int height)
    {
        const int dx = width - lastWidth_;
        const int dy = height - lastHeight_;
        for (Entry& entry : entries_)
            FollowSizeChange(entry.rect, entry.factors, dx, dy);
        lastWidth_ = width;
        lastHeight_ = height;
        return entries_;
    }

    const std::vector<Entry>& Entries() const { return entries_; }

private:
    int lastWidth_ = 0;
    int lastHeight_ = 0;
    std::vector<Entry> entries_;
};

} // namespace fennick
