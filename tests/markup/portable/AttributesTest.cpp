#include "markup/portable/AttributeReader.h"
#include "markup/portable/CellAttributes.h"
#include "markup/portable/ImageAttributes.h"
#include "tests/markup/support/FakeSurface.h"

#include "tests/markup/support/Printable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fennick {
namespace {

std::vector<std::pair<std::wstring, std::wstring>> AllAttributes(std::wstring_view text)
{
    std::vector<std::pair<std::wstring, std::wstring>> result;
    ForEachAttribute(text, [&](const Attribute& a) { result.emplace_back(a.name, a.value); });
    return result;
}

using Pairs = std::vector<std::pair<std::wstring, std::wstring>>;

TEST(ReadAttributeTest, QuotingDecidesWhereAValueEnds)
{
    EXPECT_EQ(AllAttributes(L"face='Courier New' size=3"), (Pairs{{L"face", L"Courier New"}, {L"size", L"3"}}));
    EXPECT_EQ(AllAttributes(L"face=Courier New"), (Pairs{{L"face", L"Courier"}, {L"New", L""}}));
    EXPECT_EQ(AllAttributes(L"a = \"x y\"  b"), (Pairs{{L"a", L"x y"}, {L"b", L""}}));
    EXPECT_EQ(AllAttributes(L"=2"), (Pairs{{L"2", L""}}));
    EXPECT_EQ(AllAttributes(L"a='unclosed"), (Pairs{{L"a", L"unclosed"}}));
    EXPECT_EQ(AllAttributes(L"a="), (Pairs{{L"a", L""}}));
    EXPECT_EQ(AllAttributes(L"  !! "), Pairs{});
}

class CellAttributesTest : public testing::Test {
protected:
    CellSpan Parse(const wchar_t* attributes, bool isTable)
    {
        return ParseCellAttributes(parser, attributes, style, isTable);
    }

    ColorScheme colors;
    test::FakeSurface surface;
    StyleParser parser{colors, surface};
    MarkupStyle style;
};

struct BorderCase {
    const wchar_t* attributes;
    bool isTable;
    int width;
    BorderStyle borderStyle;
};

void PrintTo(const BorderCase& c, std::ostream* out)
{
    *out << test::Printable(c.attributes) << (c.isTable ? " on a table" : " on a cell");
}

class BorderNormalisationTest : public CellAttributesTest, public testing::WithParamInterface<BorderCase> { };

TEST_P(BorderNormalisationTest, OnlyTablesHaveWideSolidBorders)
{
    Parse(GetParam().attributes, GetParam().isTable);
    EXPECT_EQ(style.borderWidth, GetParam().width) << GetParam().attributes;
    EXPECT_EQ(style.borderStyle, GetParam().borderStyle) << GetParam().attributes;
}

INSTANTIATE_TEST_SUITE_P(Borders, BorderNormalisationTest,
    testing::Values(BorderCase{L"border=3", true, 3, BorderSolid},
        BorderCase{L"border=3 borderstyle=dashed", true, 1, BorderDashed},
        BorderCase{L"border=3", false, 1, BorderSolid}, BorderCase{L"borderstyle=solid", false, 1, BorderSolid},
        BorderCase{L"borderstyle=double border=4", true, 1, BorderDouble},
        BorderCase{L"border=0 borderstyle=dotted", true, 1, BorderDotted},
        BorderCase{L"borderstyle=dotted border=0", true, 0, BorderNone},
        BorderCase{L"border=4 border=-50%", true, 0, BorderNone}));

TEST_F(CellAttributesTest, SpansAndTableOnlyAttributes)
{
    const CellSpan span = Parse(L"colspan=3 rowspan=2 cellpadding=5 cellspacing=4 background='file: a.bmp'", false);
    EXPECT_EQ(span.columns, 3);
    EXPECT_EQ(span.rows, 2);
    EXPECT_EQ(style.margin, 2);
    EXPECT_EQ(style.padding, 0);
    EXPECT_TRUE(style.backImage.empty());
    Parse(L"cellpadding=5 cellspacing=4 background='file: a.bmp'", true);
    EXPECT_EQ(style.margin, 5);
    EXPECT_EQ(style.padding, 4);
    EXPECT_EQ(style.backImage, L"file: a.bmp");
}

TEST_F(CellAttributesTest, SpansAreKeptWithinTheGridLimit)
{
    EXPECT_EQ(Parse(L"colspan=0 rowspan=-4", false).columns, 1);
    EXPECT_EQ(Parse(L"colspan=99999999", false).columns, maxCellSpan);
    EXPECT_EQ(Parse(L"", false).rows, 1);
}

TEST_F(CellAttributesTest, BackgroundColourMakesTheFillSolidOnlyWhileEnabled)
{
    Parse(L"bgcolor=#ff0000", false);
    EXPECT_EQ(style.backColor, 0x0000FFu);
    EXPECT_EQ(style.backEffect, EffectSolid);
    MarkupStyle disabledStyle;
    colors.SetEnabled(false);
    ParseCellAttributes(parser, L"bgcolor=#ff0000 bgeffect=noise bordercolor=blue", disabledStyle, false);
    EXPECT_EQ(disabledStyle.backColor, 0xFFFFFFu);
    EXPECT_EQ(disabledStyle.backEffect, EffectTransparent);
    EXPECT_EQ(disabledStyle.borderColorLight, colors.DisabledColor());
    EXPECT_EQ(disabledStyle.borderColorDark, colors.DisabledColor());
}

TEST_F(CellAttributesTest, EffectsColoursAndAlignment)
{
    Parse(L"bgeffect=7 bgmidcolor=red bgendcolor=blue bordercolorlight=white bordercolordark=black align=center "
          L"valign=bottom width=120 height=2em",
        false);
    EXPECT_EQ(style.backEffect, EffectNoise);
    EXPECT_EQ(style.backMidColor, 0x0000FFu);
    EXPECT_EQ(style.backEndColor, 0xFF0000u);
    EXPECT_EQ(style.borderColorLight, 0xFFFFFFu);
    EXPECT_EQ(style.borderColorDark, 0u);
    EXPECT_EQ(style.textAlign, TextAlign::Center);
    EXPECT_EQ(style.verticalAlign, VerticalAlign::Bottom);
    EXPECT_EQ(style.width, 120);
    EXPECT_EQ(style.height, 32);
    Parse(L"bgeffect=bogus", false);
    EXPECT_EQ(style.backEffect, EffectSolid);
}

class ImageAttributesTest : public CellAttributesTest {
protected:
    ImageSpec Parsed(const wchar_t* attributes)
    {
        ImageSpec spec;
        ParseImageAttributes(parser, shadow, attributes, spec);
        return spec;
    }

    ShadowSettings shadow;
};

TEST_F(ImageAttributesTest, SizesArePixelsOrPercentages)
{
    const ImageSpec percent = Parsed(L"width=50%");
    EXPECT_EQ(percent.width, 50);
    EXPECT_TRUE(percent.widthIsPercent);
    const ImageSpec pixels = Parsed(L"width=40 height=30%");
    EXPECT_EQ(pixels.width, 40);
    EXPECT_FALSE(pixels.widthIsPercent);
    EXPECT_EQ(pixels.height, 30);
    EXPECT_TRUE(pixels.heightIsPercent);
}

TEST_F(ImageAttributesTest, NumbersNamesAndMask)
{
    const ImageSpec spec = Parsed(L"index=2 idres=0x65 iddll=7 handle=99 cx=16 cy=8 speed=3 mask=#00ff00 "
                                  L"file='C:\\a b.bmp' srcdll=icons.dll other=1");
    EXPECT_EQ(spec.index, 2);
    EXPECT_EQ(spec.resourceId, 0x65);
    EXPECT_EQ(spec.libraryResourceId, 7);
    EXPECT_EQ(spec.handle, 99);
    EXPECT_EQ(spec.cellWidth, 16);
    EXPECT_EQ(spec.cellHeight, 8);
    EXPECT_EQ(spec.speed, 3);
    EXPECT_TRUE(spec.hasMask);
    EXPECT_EQ(spec.maskColor, 0x00FF00u);
    EXPECT_EQ(spec.file, L"C:\\a b.bmp");
    EXPECT_EQ(spec.library, L"icons.dll");
    EXPECT_EQ(Parsed(L"file=''").file, L"");
}

TEST_F(ImageAttributesTest, StyleLettersAndShadow)
{
    EXPECT_EQ(Parsed(L"style=gs").style, ImageGrayscale);
    shadow.offsetX = 2;
    const ImageSpec hard = Parsed(L"style=gdls hotstyle=l");
    EXPECT_EQ(hard.style, ImageGrayscale | ImageDarken | ImageLighten | ImageHardShadow);
    EXPECT_EQ(hard.hotStyle, ImageLighten);
    shadow.soft = true;
    EXPECT_EQ(ParseImageStyleFlags(L"sx", shadow), ImageSoftShadow);
    EXPECT_EQ(Parsed(L"style=d").hotStyle, ImageDarken);
    EXPECT_EQ(ParseImageStyleFlags(L"", shadow), 0);
}

} // namespace
} // namespace fennick
