#include "markup/portable/StyleParser.h"
#include "markup/portable/StyleKeywords.h"
#include "tests/markup/support/FakeSurface.h"

#include "tests/markup/support/Printable.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

class StyleParserTest : public testing::Test {
protected:
    ColorScheme colors;
    test::FakeSurface surface; // 96 dpi, font 16: "x" is 16 high, tmHeight 16
    StyleParser parser{colors, surface};
};

struct LengthCase {
    const wchar_t* value;
    int current;
    bool sizeKeywords;
    int expected;
};

void PrintTo(const LengthCase& c, std::ostream* out)
{
    *out << test::Printable(c.value) << " from " << c.current << (c.sizeKeywords ? " with size keywords" : "");
}

class LengthTest : public StyleParserTest, public testing::WithParamInterface<LengthCase> { };

TEST_P(LengthTest, ConvertsToDevicePixels)
{
    const LengthCase& c = GetParam();
    EXPECT_EQ(parser.ParseLength(c.value, c.current, c.sizeKeywords), c.expected) << c.value;
}

INSTANTIATE_TEST_SUITE_P(UnitsAt96Dpi, LengthTest,
    testing::Values(LengthCase{L"12pt", 0, false, 16}, LengthCase{L"1in", 0, false, 96},
        LengthCase{L"2cm", 0, false, 75}, LengthCase{L"10mm", 0, false, 37}, LengthCase{L"1pc", 0, false, 16},
        LengthCase{L"1.5in", 0, false, 96}, LengthCase{L"3px", 0, true, 3}, LengthCase{L"2em", 0, false, 32},
        LengthCase{L"3ex", 0, false, 48}, LengthCase{L"-2px", 0, false, 2}, LengthCase{L"010", 0, false, 8},
        LengthCase{L"150%", 16, false, 24}, LengthCase{L"", 7, false, 7}, LengthCase{L"junk", 7, false, 0},
        LengthCase{L"99999999in", 0, false, 2147483647}));

INSTANTIATE_TEST_SUITE_P(FontSizeKeywords, LengthTest,
    testing::Values(LengthCase{L"1", 0, true, 8}, LengthCase{L"3", 0, true, 12}, LengthCase{L"7", 0, true, 36},
        LengthCase{L"8", 0, true, 8}, LengthCase{L"0", 5, true, 0}, LengthCase{L"3", 0, false, 3}));

TEST_F(StyleParserTest, LengthUnitsFollowTheSurface)
{
    surface.SetDotsPerInchY(120);
    MarkupStyle big;
    big.fontSize = 20;
    surface.SelectStyleFont(big);
    EXPECT_EQ(parser.ParseLength(L"1in", 0, false), 120);
    EXPECT_EQ(parser.ParseLength(L"12pt", 0, false), 20);
    EXPECT_EQ(parser.ParseLength(L"1em", 0, false), 20);
}

struct ColorCase {
    const wchar_t* value;
    Color expected;
};

void PrintTo(const ColorCase& c, std::ostream* out)
{
    *out << "'" << test::Printable(c.value) << "'";
}

class ColorTest : public StyleParserTest, public testing::WithParamInterface<ColorCase> { };

TEST_P(ColorTest, ReadsEveryForm)
{
    EXPECT_EQ(parser.ParseColor(GetParam().value, 0x123456), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Forms, ColorTest,
    testing::Values(ColorCase{L"#ff0000", 0x0000FF}, ColorCase{L"#0080ff", 0xFF8000}, ColorCase{L"#f00", 0x123456},
        ColorCase{L"#ff00zz", 0x000000}, ColorCase{L"255", 0x0000FF}, ColorCase{L"0xFF0000", 0xFF0000},
        ColorCase{L"red", 0x0000FF}, ColorCase{L"Navy", 0x800000}, ColorCase{L"red ", 0x123456},
        ColorCase{L"nosuchcolour", 0x123456}, ColorCase{L"", 0x123456}));

TEST_F(StyleParserTest, DisabledSchemeNamesEveryColourTheDisabledColour)
{
    colors.SetEnabled(false);
    colors.SetDisabledColor(0x999999);
    EXPECT_EQ(parser.ParseColor(L"red", 0), 0x999999u);
    EXPECT_EQ(parser.ParseColor(L"#ff0000", 0), 0x0000FFu); // parsing itself stays literal
    EXPECT_EQ(parser.ParseShownColor(L"#ff0000", 0), 0x999999u);
}

TEST_F(StyleParserTest, BorderWidthKeywordsScaleTheCurrentWidth)
{
    EXPECT_EQ(parser.ParseBorderWidth(L"thin", 4), 3);
    EXPECT_EQ(parser.ParseBorderWidth(L"thick", 4), 5);
    EXPECT_EQ(parser.ParseBorderWidth(L"medium", 4), 4);
    EXPECT_EQ(parser.ParseBorderWidth(L"2px", 4), 2);
}

TEST_F(StyleParserTest, BackgroundEffectsByNameOrNumber)
{
    EXPECT_EQ(parser.ParseBackgroundEffect(L"transparent", 3), EffectTransparent);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"solid", 3), EffectSolid);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"noise", 3), EffectNoise);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"metal", 3), EffectMetal);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"7", 3), EffectNoise);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"bogus", 3), EffectSolid);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"", 3), 3);
}

TEST(StyleKeywordsTest, KnownKeywordsOnlyAndExactCase)
{
    EXPECT_TRUE(ParseFontStyle(L"oblique", false));
    EXPECT_FALSE(ParseFontStyle(L"", true));
    EXPECT_TRUE(ParseFontStyle(L"Italic", true));
    EXPECT_FALSE(ParseFontStyle(L"Italic", false));
    EXPECT_EQ(ParseFontWeight(L"bolder"), 900);
    EXPECT_EQ(ParseFontWeight(L""), 400);
    EXPECT_EQ(ParseFontWeight(L"600"), 600);
    EXPECT_EQ(ParseFontWeight(L"heavy"), 0);
    EXPECT_EQ(ParseTextAlign(L"center", TextAlign::Left), TextAlign::Center);
    EXPECT_EQ(ParseTextAlign(L"justify", TextAlign::Right), TextAlign::Right);
    EXPECT_EQ(ParseVerticalAlign(L"vcenter", VerticalAlign::Top), VerticalAlign::Middle);
    EXPECT_EQ(ParseVerticalAlign(L"", VerticalAlign::Top), VerticalAlign::Baseline);
    EXPECT_EQ(ParseTextTransform(L"capitalize", TextTransform::None), TextTransform::Capitalize);
    EXPECT_EQ(ParseBorderStyle(L"double", BorderNone), BorderDouble);
    EXPECT_EQ(ParseBorderStyle(L"groove", BorderDotted), BorderDotted);
    EXPECT_TRUE(EndsWithPercent(L"50%"));
    EXPECT_FALSE(EndsWithPercent(L"%5"));
    EXPECT_FALSE(EndsWithPercent(L""));
}

} // namespace
} // namespace fennick
