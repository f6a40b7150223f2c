#include "markup/portable/AttributeReader.h"
#include "markup/portable/CellAttributes.h"
#include "markup/portable/ImageAttributes.h"
#include "tests/markup/support/FakeSurface.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

using Pairs = std::vector<std::pair<std::wstring, std::wstring>>;

Pairs AllAttributes(std::wstring_view text)
{
    Pairs result;
    ForEachAttribute(text, [&](const Attribute& a) { result.emplace_back(a.name, a.value); });
    return result;
}

TEST(ReadAttributeTest, QuotingDecidesWhereAValueEnds)
{
    EXPECT_EQ(AllAttributes(L"face='Courier New' size=3"), (Pairs{{L"face", L"Courier New"}, {L"size", L"3"}}));
    EXPECT_EQ(AllAttributes(L"face=Courier New"), (Pairs{{L"face", L"Courier"}, {L"New", L""}}));
    EXPECT_EQ(AllAttributes(L"a = \"x y\"  b"), (Pairs{{L"a", L"x y"}, {L"b", L""}}));
    EXPECT_EQ(AllAttributes(L"=2 a='unclosed"), (Pairs{{L"2", L""}, {L"a", L"unclosed"}}));
    EXPECT_EQ(AllAttributes(L"  !! "), Pairs{});
}

class AttributesTest : public testing::Test {
protected:
    ColorScheme colors;
    test::FakeSurface surface;
    StyleParser parser{colors, surface};
    MarkupStyle style;
    ShadowSettings shadow;
};

TEST_F(AttributesTest, OnlyTablesHaveWideSolidBorders)
{
    const std::tuple<const wchar_t*, bool, int, BorderStyle> cases[] = {{L"border=3", true, 3, BorderSolid},
        {L"border=3 borderstyle=dashed", true, 1, BorderDashed}, {L"border=3", false, 1, BorderSolid},
        {L"borderstyle=solid", false, 1, BorderSolid}, {L"borderstyle=dotted border=0", true, 0, BorderNone},
        {L"border=4 border=-50%", true, 0, BorderNone}};
    for (const auto& [attributes, isTable, width, borderStyle] : cases) {
        MarkupStyle fresh;
        ParseCellAttributes(parser, attributes, fresh, isTable);
        EXPECT_EQ(std::pair(fresh.borderWidth, fresh.borderStyle), std::pair(width, borderStyle))
            << attributes << (isTable ? " on a table" : " on a cell");
    }
}

TEST_F(AttributesTest, SpansAreClampedAndSomeAttributesAreForTablesOnly)
{
    const CellSpan span = ParseCellAttributes(parser, L"colspan=3 rowspan=2 cellpadding=5 background=x", style, false);
    EXPECT_EQ(std::pair(span.columns, span.rows), std::pair(3, 2));
    EXPECT_EQ(style.margin, 2);
    EXPECT_TRUE(style.backImage.empty());
    ParseCellAttributes(parser, L"cellpadding=5 cellspacing=4 background='file: a.bmp'", style, true);
    EXPECT_EQ(std::pair(style.margin, style.padding), std::pair(5, 4));
    EXPECT_EQ(style.backImage, L"file: a.bmp");
    EXPECT_EQ(ParseCellAttributes(parser, L"colspan=0", style, false).columns, 1);
    EXPECT_EQ(ParseCellAttributes(parser, L"colspan=99999999", style, false).columns, maxCellSpan);
}

TEST_F(AttributesTest, BackgroundsOnlyWhileEnabled)
{
    ParseCellAttributes(parser, L"bgcolor=#ff0000 bgeffect=bogus bgendcolor=blue valign=bottom height=2em", style, false);
    EXPECT_EQ(style.backColor, 0x0000FFu);
    EXPECT_EQ(style.backEffect, EffectSolid);
    EXPECT_EQ(style.backEndColor, 0xFF0000u);
    EXPECT_EQ(style.verticalAlign, VerticalAlign::Bottom);
    EXPECT_EQ(style.height, 32);
    MarkupStyle disabledStyle;
    colors.SetEnabled(false);
    ParseCellAttributes(parser, L"bgcolor=#ff0000 bgeffect=noise bordercolor=blue", disabledStyle, false);
    EXPECT_EQ(disabledStyle.backColor, 0xFFFFFFu);
    EXPECT_EQ(disabledStyle.backEffect, EffectTransparent);
    EXPECT_EQ(disabledStyle.borderColorLight, colors.DisabledColor());
}

TEST_F(AttributesTest, ImageNumbersNamesSizesAndMask)
{
    ImageSpec spec;
    ParseImageAttributes(parser, shadow, L"idres=0x65 cy=8 speed=3 mask=#00ff00 file='C:\\a b.bmp' srcdll=x.dll "
                                         L"width=50%", spec);
    EXPECT_EQ(spec.resourceId, 0x65);
    EXPECT_EQ(spec.cellHeight, 8);
    EXPECT_EQ(spec.speed, 3);
    EXPECT_TRUE(spec.hasMask);
    EXPECT_EQ(spec.maskColor, 0x00FF00u);
    EXPECT_EQ(spec.file, L"C:\\a b.bmp");
    EXPECT_TRUE(spec.width == 50 && spec.widthIsPercent);
    ParseImageAttributes(parser, shadow, L"file='' srcdll='' width=40", spec);
    EXPECT_EQ(spec.library, L"x.dll");
    EXPECT_TRUE(spec.width == 40 && !spec.widthIsPercent);
}

TEST_F(AttributesTest, ImageStyleLettersAndShadow)
{
    EXPECT_EQ(ParseImageStyleFlags(L"gs", shadow), ImageGrayscale);
    shadow.offsetX = 2;
    ImageSpec spec;
    ParseImageAttributes(parser, shadow, L"style=gdls hotstyle=l", spec);
    EXPECT_EQ(spec.style, ImageGrayscale | ImageDarken | ImageLighten | ImageHardShadow);
    EXPECT_EQ(spec.hotStyle, ImageLighten);
    shadow.soft = true;
    EXPECT_EQ(ParseImageStyleFlags(L"sx", shadow), ImageSoftShadow);
}

} // namespace
} // namespace fennick
