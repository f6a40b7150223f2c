// Breaks a run into lines the way the layout does: every call on an empty line makes progress,
// only spaces at the breaks are lost, and the text measured stays proportional to the run.
#include "markup/portable/LineBreaker.h"
#include "tests/markup/fuzz/FuzzInput.h"
#include "tests/markup/support/FakeSurface.h"

using namespace fennick;

namespace {

std::wstring WithoutSpaces(std::wstring text)
{
    std::erase(text, L' ');
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int lineWidth = fuzz::TakeInt16(data, size);
    const int firstSpace = fuzz::TakeInt16(data, size);
    MarkupStyle font;
    font.fontSize = fuzz::TakeInt16(data, size);
    test::FakeSurface surface;
    surface.SelectStyleFont(font);
    const std::wstring original = fuzz::ToText(data, size);

    std::wstring_view run = original;
    std::wstring pieces;
    int space = firstSpace;
    bool lineIsEmpty = false;
    for (std::size_t calls = 0; !run.empty(); ++calls) {
        fuzz::Check(calls <= 2 * original.size() + 2);
        const std::size_t before = run.size();
        const LinePiece piece = BreakLine(surface, run, space, lineIsEmpty);
        fuzz::Check(piece.text.size() + run.size() <= before);
        fuzz::Check(!lineIsEmpty || run.size() < before);
        pieces += piece.text;
        space = lineWidth;
        lineIsEmpty = true;
    }
    fuzz::Check(WithoutSpaces(pieces) == WithoutSpaces(original));
    fuzz::Check(surface.MeasuredCharacters() <= 32 * original.size() + 64);
    return 0;
}
