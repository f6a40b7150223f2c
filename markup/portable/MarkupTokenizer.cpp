#include "markup/portable/MarkupTokenizer.h"

#include "markup/portable/TextScan.h"

#include <algorithm>

namespace fennick {

MarkupTokenizer::MarkupTokenizer(std::wstring_view text) : text_(text), lastClose_(text.rfind(L'>')) {}

std::wstring MarkupTokenizer::ReadRun()
{
    std::wstring run;
    while (position_ < text_.size()) {
        const std::size_t open = std::min(text_.find(L'<', position_), text_.size());
        run.append(text_.substr(position_, open - position_));
        position_ = open;
        if (open == text_.size()) {
            break;
        }
        const bool escaped = open + 1 == text_.size() || text_[open + 1] == L'<';
        if (!escaped) {
            break;
        }
        run.push_back(L'<');
        position_ = std::min(open + 2, text_.size());
    }
    return run;
}

std::optional<MarkupToken> MarkupTokenizer::Next()
{
    while (position_ < text_.size()) {
        if (std::wstring run = ReadRun(); !run.empty()) {
            return MarkupToken{MarkupToken::Kind::Text, std::move(run), {}};
        }
        if (position_ == text_.size()) {
            break;
        }
        // position_ is on a "<" that starts a tag
        const bool hasClose = lastClose_ != std::wstring_view::npos && lastClose_ > position_;
        if (!hasClose) {
            ++position_;
            continue;
        }
        const std::size_t close = text_.find(L'>', position_ + 1);
        const std::wstring_view tagText = text_.substr(position_ + 1, close - position_ - 1);
        position_ = close + 1;
        if (!tagText.empty()) {
            return MarkupToken{MarkupToken::Kind::Tag, {}, SplitTag(tagText)};
        }
    }
    return std::nullopt;
}

MarkupTag SplitTag(std::wstring_view tagText)
{
    const std::size_t separator = std::min(tagText.find_first_of(L" ="), tagText.size());
    MarkupTag tag{std::wstring(tagText.substr(0, separator)),
                  std::wstring(TrimLeadingSpaces(tagText.substr(separator))), false};
    if (!tag.name.empty() && tag.name.front() == L'/') {
        tag.name.erase(0, 1);
        tag.closing = true;
    }
    return tag;
}

} // namespace fennick
