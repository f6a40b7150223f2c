#pragma once

#include <cstddef>
#include <string_view>

namespace fennick {

struct Attribute {
    std::wstring_view name;
    std::wstring_view value; // empty for a bare name
};

// Reads the next name[=value] pair of a tag's attribute text from position, which always
// advances (or reaches the end). A value may be quoted with ' or "; an unquoted one ends at a
// space. Names and values are views into the text, as written.
Attribute ReadAttribute(std::wstring_view text, std::size_t& position);

// Calls visit(attribute) for every attribute of the text, in order.
template <typename Visitor>
void ForEachAttribute(std::wstring_view text, Visitor&& visit)
{
    std::size_t position = 0;
    while (position < text.size()) {
        const Attribute attribute = ReadAttribute(text, position);
        if (!attribute.name.empty()) {
            visit(attribute);
        }
    }
}

} // namespace fennick
