// Attribute reading and the attribute sets of tables, cells, images, fonts and links.
#include "markup/portable/AttributeReader.h"
#include "markup/portable/CellAttributes.h"
#include "markup/portable/ImageAttributes.h"
#include "markup/portable/TagEffects.h"
#include "tests/markup/fuzz/FuzzInput.h"
#include "tests/markup/support/FakeSurface.h"

using namespace fennick;

namespace {

bool Inside(std::wstring_view part, std::wstring_view text)
{
    return part.empty() || (part.data() >= text.data() && part.data() + part.size() <= text.data() + text.size());
}

void CheckCell(const StyleParser& parser, std::wstring_view text, bool isTable)
{
    MarkupStyle style;
    const CellSpan span = ParseCellAttributes(parser, text, style, isTable);
    fuzz::Check(span.columns >= 1 && span.columns <= kMaxCellSpan && span.rows >= 1 && span.rows <= kMaxCellSpan);
    fuzz::Check((style.borderWidth == 0) == (style.borderStyle == BorderNone));
    fuzz::Check(style.borderWidth >= 0);
    fuzz::Check(style.borderWidth <= 1 || (isTable && style.borderStyle == BorderSolid));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const bool shadowOffset = fuzz::TakeFlag(data, size);
    ColorScheme colors;
    test::FakeSurface surface;
    const StyleParser parser(colors, surface);
    const std::wstring text = fuzz::ToText(data, size);

    std::size_t position = 0;
    while (position < text.size()) {
        const std::size_t before = position;
        const Attribute attribute = ReadAttribute(text, position);
        fuzz::Check(position > before && position <= text.size());
        fuzz::Check(Inside(attribute.name, text) && Inside(attribute.value, text));
    }
    CheckCell(parser, text, true);
    CheckCell(parser, text, false);

    ShadowSettings shadow;
    shadow.offsetX = shadowOffset ? 3 : 0;
    ImageSpec image;
    ParseImageAttributes(parser, shadow, text, image);
    MarkupStyle style;
    ApplyFontAttributes(parser, text, style);
    ApplyLinkAttributes(text, style);
    const int count = ReadTagCount(text);
    fuzz::Check(count >= 1 && count <= kMaxTagCount);
    ReadStringId(parser, text);
    return 0;
}
