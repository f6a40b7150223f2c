#include "markup/portable/AttributeReader.h"

#include "markup/portable/TextScan.h"

#include <algorithm>

namespace fennick {

Attribute ReadAttribute(std::wstring_view text, std::size_t& position)
{
    if (!NameStart(text, position)) {
        return {};
    }
    const std::size_t nameStart = position;
    ReadUntil(text, position, L" =");
    Attribute attribute{text.substr(nameStart, position - nameStart), {}};
    if (SkipSet(text, position, L" ") != L'=') {
        return attribute;
    }
    const wchar_t first = SkipSet(text, position, L" =");
    wchar_t terminator = L' ';
    if (first == L'\'' || first == L'"') {
        terminator = first;
        ++position;
    }
    const std::size_t valueStart = position;
    const std::size_t valueEnd = std::min(text.find(terminator, valueStart), text.size());
    attribute.value = text.substr(valueStart, valueEnd - valueStart);
    position = std::min(valueEnd + 1, text.size());
    return attribute;
}

} // namespace fennick
