#include "ui/portable/ExclusionPatterns.h"

#include <algorithm>

#include "framework/portable/AsciiText.h"

namespace fennick {

namespace {

std::wstring_view Trimmed(std::wstring_view text)
{
    const auto isSpace = [](wchar_t unit) { return unit == L' ' || unit == L'\t'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The pattern as matched: an extension written alone stands for every name ending with it.
std::wstring Normalized(std::wstring_view pattern)
{
    const std::wstring folded = LowerAscii(pattern);
    if (folded.find_first_of(L"*?") != std::wstring::npos)
        return folded;
    if (folded.find(L'.') == std::wstring::npos)
        return L"*." + folded;
    return folded.front() == L'.' ? L"*" + folded : folded;
}

std::wstring_view FileName(std::wstring_view path)
{
    const std::size_t separator = path.find_last_of(L"/\\");
    return separator == std::wstring_view::npos ? path : path.substr(separator + 1);
}

// Whether the pattern matches the whole name. After a mismatch the last "*" takes one more
// character, so each name position is tried once per star at most.
bool Matches(std::wstring_view pattern, std::wstring_view name)
{
    constexpr std::size_t kNoStar = std::wstring_view::npos;
    std::size_t patternAt = 0, nameAt = 0;
    std::size_t lastStar = kNoStar, nameAtLastStar = 0;
    while (nameAt < name.size()) {
        const bool inPattern = patternAt < pattern.size();
        if (inPattern && pattern[patternAt] == L'*') {
            lastStar = patternAt++;
            nameAtLastStar = nameAt;
        } else if (inPattern && (pattern[patternAt] == L'?' || pattern[patternAt] == ToLowerAscii(name[nameAt]))) {
            ++patternAt;
            ++nameAt;
        } else if (lastStar != kNoStar) {
            patternAt = lastStar + 1;
            nameAt = ++nameAtLastStar;
        } else {
            return false;
        }
    }
    while (patternAt < pattern.size() && pattern[patternAt] == L'*')
        ++patternAt;
    return patternAt == pattern.size();
}

} // namespace

ExclusionPatterns::ExclusionPatterns(std::wstring_view text)
{
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(L';', start), text.size());
        if (const std::wstring_view pattern = Trimmed(text.substr(start, end - start)); !pattern.empty())
            patterns_.push_back(Normalized(pattern));
        start = end + 1;
    }
}

bool ExclusionPatterns::Hides(std::wstring_view path) const
{
    const std::wstring_view name = FileName(path);
    return std::ranges::any_of(patterns_, [&](const std::wstring& pattern) { return Matches(pattern, name); });
}

} // namespace fennick
