#pragma once

#include "framework/portable/PixelGeometry.h"
#include "markup/portable/HostSurface.h"
#include "markup/portable/LayoutRecords.h"
#include "markup/portable/MarkupDocument.h"
#include "markup/portable/MarkupLanguage.h"
#include "markup/portable/ShadowSettings.h"

#include <deque>
#include <string_view>
#include <vector>

namespace fennick {

class LayoutPass;

// Lays markup out and draws it in two passes that run the same code over the same tokens: a
// measure pass that sizes the block and records every line, table and animated strip, and a draw
// pass that reads those records back to align, justify and draw. A draw draws the text of the
// last measure; the owner measures again after changing the text, the width or the styles.
class MarkupDrawer {
public:
    explicit MarkupDrawer(PlatformActions& actions);

    // Tags, style classes, replacements, colour names, the enabled look, and the links with
    // hover and click.
    MarkupLanguage& Language() { return language_; }
    const MarkupLanguage& Language() const { return language_; }

    // The size of the block, one pixel added each way; (0, 0) for an empty text. With a wrap
    // width the size is at most that wide, plus the pixel.
    PixelSize Measure(HostSurface& surface, std::wstring_view markup);
    // Draws the text of the last Measure with its top left corner at the rectangle's; the
    // rectangle's width is the block width that lines are aligned and tables spread in.
    void Draw(HostSurface& surface, const PixelRect& rect);

    // One timer tick of the animated strips; true when any shows another frame.
    bool AdvanceAnimations();

    // Lines wrap at this width in both passes; 0 never wraps.
    int WrapWidth() const { return wrapWidth_; }
    void SetWrapWidth(int width) { wrapWidth_ = width > 0 ? width : 0; }
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int width) { tabWidth_ = width > 0 ? width : 1; }
    const ShadowSettings& Shadow() const { return shadow_; }
    void SetShadow(const ShadowSettings& shadow) { shadow_ = shadow; }
    // The owner's image list for strips without a source, and the size its icons are drawn at.
    void SetImageList(ImageListHandle list, PixelSize iconSize)
    {
        imageList_ = list;
        imageListIconSize_ = iconSize;
    }

    // What the last measure recorded.
    const std::vector<LineRecord>& Lines() const { return lines_; }
    const std::deque<TableLayout>& Tables() const { return tables_; }
    const std::vector<AnimationState>& Animations() const { return animations_; }

private:
    friend class LayoutPass;

    MarkupLanguage language_;
    MarkupDocument document_; // the tokens of the last measured text
    std::vector<LineRecord> lines_;
    std::deque<TableLayout> tables_; // a deque: nested tables are added while an outer one is laid out
    std::vector<AnimationState> animations_;

    int wrapWidth_ = 0;
    int tabWidth_ = 32;
    ShadowSettings shadow_;
    ImageListHandle imageList_ = nullptr;
    PixelSize imageListIconSize_{16, 16};
};

} // namespace fennick
