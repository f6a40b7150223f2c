#include "markup/portable/LineBreaker.h"

#include "markup/portable/TextScan.h"

#include <algorithm>

namespace fennick {

namespace {

constexpr std::wstring_view breakCharacters = L" -.,!:;)}]?";

bool IsLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

int Width(const HostSurface& surface, std::wstring_view text)
{
    return surface.TextExtent(text).width;
}

// The index after the last break character whose prefix fits into space; 0 when none does,
// or npos when the whole run fits.
std::size_t LastFittingBreak(const HostSurface& surface, std::wstring_view run, int space)
{
    std::size_t last = 0;
    for (std::size_t i = 0;;) {
        last = i;
        i = std::min(run.find_first_of(breakCharacters, i + 1), run.size());
        if (Width(surface, run.substr(0, i)) > space) {
            return last;
        }
        if (i == run.size()) {
            return std::wstring_view::npos;
        }
    }
}

// The longest prefix, of one character at least, that fits into space; never ends between
// the two halves of a surrogate pair.
std::size_t FittingCharacters(const HostSurface& surface, std::wstring_view run, int space)
{
    std::size_t low = 1;
    std::size_t high = run.size();
    while (low < high) {
        const std::size_t middle = low + (high - low + 1) / 2;
        if (Width(surface, run.substr(0, middle)) <= space) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    if (low < run.size() && IsLowSurrogate(run[low])) {
        low += low == 1 ? 1 : -1;
    }
    return low;
}

// The piece of the given length, cut at a break: trailing spaces stay with neither part.
std::wstring TakeBrokenPiece(const HostSurface& surface, std::wstring& run, std::size_t length, int& space)
{
    std::wstring piece(TrimTrailingSpaces(std::wstring_view(run).substr(0, length)));
    run = std::wstring(TrimLeadingSpaces(std::wstring_view(run).substr(length)));
    space = Width(surface, piece);
    return piece;
}

} // namespace

std::wstring BreakLine(const HostSurface& surface, std::wstring& run, int lineWidth, int& space)
{
    if (run.empty()) {
        space = 0;
        return {};
    }
    if (space >= 0) {
        const std::size_t last = LastFittingBreak(surface, run, space);
        if (last == std::wstring_view::npos) {
            return TakeBrokenPiece(surface, run, run.size(), space);
        }
        if (last > 0) {
            return TakeBrokenPiece(surface, run, last + 1, space);
        }
    }
    if (space != lineWidth) {
        space = 0; // the line already holds something: the run starts the next line
        return {};
    }
    const std::size_t length = FittingCharacters(surface, run, space);
    std::wstring piece = run.substr(0, length);
    run.erase(0, length);
    space = Width(surface, piece);
    return piece;
}

std::size_t CountChar(std::wstring_view text, wchar_t character)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), character));
}

} // namespace fennick
