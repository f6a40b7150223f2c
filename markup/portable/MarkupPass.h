#pragma once

#include "markup/portable/HostSurface.h"
#include "markup/portable/MarkupLanguage.h"
#include "markup/portable/MarkupStyle.h"
#include "markup/portable/MarkupTokenizer.h"
#include "markup/portable/StyleParser.h"
#include "markup/portable/TagTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace fennick {

// What a tag asks of the layout besides a style change.
enum class TagEffect {
    None,
    StyleChanged, // a nesting tag opened or closed: the surface has the new style's font
    Rule, // a horizontal rule with the attributes width, size and color
    LineBreak, // end the line, count line heights
    Tab, // move count tab stops on
    Image, // kind Bitmap, Icon or ImageStrip with its attributes
    TextRun, // a string resource: text laid out as one run that is never wrapped
};

struct TagOutcome {
    TagEffect effect = TagEffect::None;
    TagKind kind = TagKind::Unknown;
    int count = 1;
    std::wstring attributes;
    std::wstring text;
};

// Deeper nesting is ignored: every open tag keeps a copy of the style.
constexpr std::size_t kMaxStyleNesting = 1000;

// One layout pass over a text: the running style with its stack of saved styles, and the link
// numbering. The pass starts from the defaults with the class "body" applied, with the surface
// holding that style's font.
class MarkupPass {
public:
    MarkupPass(MarkupLanguage& language, HostSurface& surface);

    MarkupStyle& CurrentStyle() { return currentStyle_; }
    const MarkupStyle& CurrentStyle() const { return currentStyle_; }
    // Whether the current style belongs to the link under the pointer.
    bool InHoveredLink() const;
    StyleParser Parser() const { return StyleParser(language_.Colors(), surface_); }

    TagOutcome ApplyTag(const MarkupTag& tag);

    // Saves the running style under the key, or restores it when the innermost saved style has
    // that key (anything else is ignored). Used by tags and by the tables.
    // OpenStyle answers false when the nesting is too deep to save another style.
    bool OpenStyle(std::wstring_view key);
    void CloseStyle(std::wstring_view key);
    // Back to the style saved when the stack was `depth` deep, dropping what was opened since;
    // a table, row or cell ends the tags left open inside it this way.
    std::size_t StackDepth() const { return styleStack_.size(); }
    void RestoreStyle(std::size_t depth);

    void ApplyStyleClass(std::wstring_view name, MarkupStyle& style) const;
    std::wstring TransformText(std::wstring_view run) const;

    // Records that the rectangle was drawn as part of the current link, if any.
    void AddLinkArea(int left, int top, int right, int bottom);

    // The surface takes the font and the text colours of the current style; while disabled
    // the text is drawn in the disabled colour whatever the style says.
    void SelectStyleFont();

private:
    void ApplyNestingEffect(TagKind kind, const MarkupTag& tag);
    TagOutcome ActAtOnce(TagKind kind, const std::wstring& attributes);

    MarkupLanguage& language_;
    HostSurface& surface_;
    MarkupStyle currentStyle_;
    std::vector<MarkupStyle> styleStack_;
    int linkCounter_ = -1;
};

} // namespace fennick
