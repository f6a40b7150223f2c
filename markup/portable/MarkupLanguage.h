#pragma once

#include "markup/portable/ColorScheme.h"
#include "markup/portable/LinkTracker.h"
#include "markup/portable/MarkupText.h"
#include "markup/portable/PlatformActions.h"
#include "markup/portable/StyleSheet.h"
#include "markup/portable/TagTable.h"

#include <string>
#include <string_view>

namespace fennick {

// What the markup language keeps from one layout pass to the next: its tags, style classes,
// replacements and colours, and the links with the one under the pointer. A MarkupPass reads
// a text with it.
class MarkupLanguage {
public:
    explicit MarkupLanguage(PlatformActions& actions);

    TagTable& Tags() { return tagTable_; }
    const TagTable& Tags() const { return tagTable_; }
    StyleSheet& Styles() { return styleSheet_; }
    const StyleSheet& Styles() const { return styleSheet_; }
    ReplacementTable& Replacements() { return replacementTable_; }
    ColorScheme& Colors() { return colors_; }
    const ColorScheme& Colors() const { return colors_; }
    LinkTracker& Links() { return links_; }
    const LinkTracker& Links() const { return links_; }
    PlatformActions& Actions() { return actions_; }

    // On: line feeds and tabs of the raw text break lines and move to tab stops.
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool on) { multiLine_ = on; }

    std::wstring Prepare(std::wstring_view raw) const;

private:
    PlatformActions& actions_;
    TagTable tagTable_;
    StyleSheet styleSheet_;
    ReplacementTable replacementTable_;
    ColorScheme colors_;
    LinkTracker links_;
    bool multiLine_ = true;
};

} // namespace fennick
