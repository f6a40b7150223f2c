// Style declarations and every value parser on arbitrary text.
#include "markup/portable/StyleKeywords.h"
#include "markup/portable/StyleParser.h"
#include "tests/markup/fuzz/FuzzInput.h"
#include "tests/markup/support/FakeSurface.h"

using namespace fennick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const bool enabled = fuzz::TakeFlag(data, size);
    const int current = fuzz::TakeInt16(data, size);
    ColorScheme colors;
    colors.SetEnabled(enabled);
    test::FakeSurface surface;
    const StyleParser parser(colors, surface);
    const std::wstring text = fuzz::ToText(data, size);

    MarkupStyle style;
    parser.ParseStyleDeclarations(text, style);
    if (!enabled) {
        fuzz::Check(style.backMode == BackMode::Transparent);
        fuzz::Check(style.textColor == 0 || style.textColor == colors.DisabledColor());
    }
    parser.ParseLength(text, current, true);
    parser.ParseColor(text, static_cast<Color>(current));
    parser.ParseBorderWidth(text, current);
    parser.ParseBackgroundEffect(text, current);
    ParseTextDecoration(text, style);
    return 0;
}
