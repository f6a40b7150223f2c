#include "markup/portable/LineBreaker.h"

#include "markup/portable/TextScan.h"

#include <algorithm>

namespace fennick {

namespace {

constexpr std::wstring_view kBreakCharacters = L" -.,!:;)}]?";
constexpr std::size_t kFirstWindow = 8;

bool IsLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The front of the run that fits into space. The surface measures all it is given, so it gets
// growing windows of the run: about twice the fitting part at most, however long the run.
TextFit FitFront(const HostSurface& surface, std::wstring_view run, int space)
{
    if (space < 0) {
        return {};
    }
    for (std::size_t window = kFirstWindow;; window *= 2) {
        const std::wstring_view front = run.substr(0, window);
        const TextFit fit = surface.FitText(front, space);
        if (fit.count < front.size() || front.size() == run.size()) {
            return fit;
        }
    }
}

// The index of the last break character whose front part (without it) fits, at most `fitting`;
// 0 when there is none after the first character.
std::size_t LastBreak(std::wstring_view run, std::size_t fitting)
{
    for (std::size_t i = std::min(fitting, run.size() - 1); i > 0; --i) {
        if (kBreakCharacters.find(run[i]) != std::wstring_view::npos) {
            return i;
        }
    }
    return 0;
}

LinePiece Take(const HostSurface& surface, std::wstring_view& run, std::size_t length, bool trim)
{
    std::wstring_view piece = run.substr(0, length);
    run.remove_prefix(length);
    if (trim) {
        piece = TrimTrailingSpaces(piece);
        run = TrimLeadingSpaces(run);
    }
    return {piece, surface.TextExtent(piece).width};
}

} // namespace

LinePiece BreakLine(const HostSurface& surface, std::wstring_view& run, int space, bool lineIsEmpty)
{
    if (run.empty()) {
        return {};
    }
    const TextFit fit = FitFront(surface, run, space);
    if (fit.count >= run.size()) {
        const LinePiece whole{run, fit.width};
        run = {};
        return whole;
    }
    if (const std::size_t last = LastBreak(run, fit.count); last > 0) {
        return Take(surface, run, last + 1, true);
    }
    if (!lineIsEmpty) {
        run = TrimLeadingSpaces(run); // the run starts the next line, as if broken before it
        return {};
    }
    std::size_t length = std::max<std::size_t>(fit.count, 1);
    if (length < run.size() && IsLowSurrogate(run[length])) {
        length += length == 1 ? 1 : -1; // never between the halves of a surrogate pair
    }
    return Take(surface, run, length, false);
}

std::size_t CountChar(std::wstring_view text, wchar_t character)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), character));
}

} // namespace fennick
