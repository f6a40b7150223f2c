#include "markup/portable/MarkupText.h"

#include "markup/portable/TextScan.h"

namespace fennick {

namespace {

// One pass over the text: replaced text is not searched again, so no value can make it grow forever.
std::wstring ReplaceAll(std::wstring_view text, std::wstring_view key, std::wstring_view value)
{
    std::wstring result;
    result.reserve(text.size());
    std::size_t position = 0;
    for (std::size_t found = text.find(key); found != std::wstring_view::npos; found = text.find(key, position)) {
        result.append(text.substr(position, found - position)).append(value);
        position = found + key.size();
    }
    result.append(text.substr(position));
    return result;
}

} // namespace

ReplacementTable DefaultReplacements()
{
    return {{L"&gt;", L">"}, {L"&lt;", L"<<"}, {L"&nbsp;", L"\u00A0"}, {L"&quot;", L"\""}};
}

std::wstring PrepareMarkup(std::wstring_view raw, const ReplacementTable& replacements, bool multiLine)
{
    std::wstring text(raw);
    for (const auto& [key, value] : replacements) {
        if (!key.empty()) {
            text = ReplaceAll(text, key, value);
        }
    }
    std::wstring prepared;
    prepared.reserve(text.size());
    for (const wchar_t c : text) {
        if (c == L'\n' || c == L'\t') {
            if (multiLine) {
                prepared.append(c == L'\n' ? L"<br>" : L"<t>");
            }
        } else if (c != L'\r') {
            prepared.push_back(c);
        }
    }
    return prepared;
}

std::wstring TransformText(std::wstring_view run, TextTransform transform)
{
    switch (transform) {
    case TextTransform::Uppercase:
        return UpperAscii(run);
    case TextTransform::Lowercase:
        return LowerAscii(run);
    case TextTransform::Capitalize: {
        std::wstring text = LowerAscii(run);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (i == 0 || text[i - 1] == L' ') {
                text[i] = ToUpperAscii(text[i]);
            }
        }
        return text;
    }
    case TextTransform::None:
        break;
    }
    return std::wstring(run);
}

} // namespace fennick
