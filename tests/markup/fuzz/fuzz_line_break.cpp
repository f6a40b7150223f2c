// Breaks a run into lines the way the layout does and checks that every call on an empty line
// makes progress and that only spaces at the breaks are lost.
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
    std::wstring run = fuzz::ToText(data, size);
    const std::wstring original = run;

    std::wstring pieces;
    int space = firstSpace;
    for (std::size_t calls = 0; !run.empty(); ++calls) {
        fuzz::Check(calls <= 2 * original.size() + 2);
        const std::wstring before = run;
        const std::wstring piece = BreakLine(surface, run, lineWidth, space);
        fuzz::Check(piece.size() + run.size() <= before.size());
        if (piece.empty() && run == before) {
            fuzz::Check(space == 0);
        }
        pieces += piece;
        space = lineWidth; // the next piece starts a new line
    }
    fuzz::Check(WithoutSpaces(pieces) == WithoutSpaces(original));
    return 0;
}
