#include "markup/portable/MarkupDrawer.h"

#include "markup/portable/LayoutMath.h"
#include "markup/portable/LayoutPass.h"

namespace fennick {

MarkupDrawer::MarkupDrawer(PlatformActions& actions) : language_(actions) {}

PixelSize MarkupDrawer::Measure(HostSurface& surface, std::wstring_view markup)
{
    surface.SetTextJustification(0, 0);
    const std::wstring prepared = language_.Prepare(markup);
    document_ = ReadMarkupDocument(prepared);
    lines_.clear();
    tables_.clear();
    animations_.clear();
    language_.Links().ClearAreas();
    if (prepared.empty()) {
        return {};
    }
    LayoutPass pass(*this, surface, PassKind::Measure);
    PixelSize size = pass.LayOutDocument({0, 0, wrapWidth_, 0});
    lines_.resize(pass.LinesEnded());
    if (size == PixelSize{}) {
        document_ = {}; // nothing to draw
    }
    if (wrapWidth_ != 0 && wrapWidth_ < size.width) {
        size.width = wrapWidth_;
    }
    return {AddSaturated(size.width, 1), AddSaturated(size.height, 1)};
}

void MarkupDrawer::Draw(HostSurface& surface, const PixelRect& rect)
{
    // Each drawing leaves the link areas where it drew them, so drawing again (the disabled
    // look draws twice) never leaves areas behind at the old place.
    language_.Links().ClearAreas();
    if (!document_.Empty()) {
        const PixelRect within{ClampCoordinate(rect.left), ClampCoordinate(rect.top), ClampCoordinate(rect.right),
                               ClampCoordinate(rect.bottom)};
        LayoutPass(*this, surface, PassKind::Draw).LayOutDocument(within);
    }
}

bool MarkupDrawer::AdvanceAnimations()
{
    bool changed = false;
    for (AnimationState& animation : animations_) {
        if (animation.frameCount <= 0 || ++animation.tick < animation.ticksPerFrame) {
            continue;
        }
        animation.tick = 0;
        const int next = animation.frame + 1 < animation.frameCount ? animation.frame + 1 : 0;
        changed = changed || next != animation.frame;
        animation.frame = next;
    }
    return changed;
}

} // namespace fennick
