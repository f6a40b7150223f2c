#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fennick {

struct MarkupTag {
    std::wstring name; // without the "/" of a closing tag
    std::wstring attributes; // the rest of the tag from its first space or "=", leading spaces removed
    bool closing = false;
};

struct MarkupToken {
    enum class Kind { Text, Tag };
    Kind kind = Kind::Text;
    std::wstring text; // a text run, with "<<" read as one "<"
    MarkupTag tag;
};

// Cuts prepared markup into text runs and tags. A "<" followed by another "<", or at the very
// end, is a literal "<" within the run; a "<" without a later ">" and an empty tag are dropped.
class MarkupTokenizer {
public:
    explicit MarkupTokenizer(std::wstring_view text);
    explicit MarkupTokenizer(std::wstring&&) = delete; // it keeps a view: the text must outlive it

    // The next run or tag; nothing at the end of the text.
    std::optional<MarkupToken> Next();

private:
    std::wstring ReadRun();

    std::wstring_view text_;
    std::size_t position_ = 0;
    std::size_t lastClose_; // the last ">" of the text: no tag can start after it
};

// Splits the text between "<" and ">" into name, attribute text and the closing mark.
MarkupTag SplitTag(std::wstring_view tagText);

} // namespace fennick
