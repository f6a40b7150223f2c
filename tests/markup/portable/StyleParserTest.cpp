#include "markup/portable/StyleParser.h"
#include "tests/markup/support/FakeSurface.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

class StyleParserTest : public testing::Test {
protected:
    ColorScheme colors;
    test::FakeSurface surface; // 96 dpi, font 16: "x" is 16 high, tmHeight 16
    StyleParser parser{colors, surface};
};

TEST_F(StyleParserTest, LengthsInDevicePixelsAt96Dpi)
{
    const std::tuple<const wchar_t*, int, bool, int> cases[] = {{L"12pt", 0, false, 16}, {L"1in", 0, false, 96},
        {L"2cm", 0, false, 75}, {L"10mm", 0, false, 37}, {L"1pc", 0, false, 16}, {L"1.5in", 0, false, 96},
        {L"2em", 0, false, 32}, {L"3ex", 0, false, 48}, {L"-2px", 0, false, 2}, {L"010", 0, false, 8},
        {L"150%", 16, false, 24}, {L"", 7, false, 7}, {L"junk", 7, false, 0}, {L"99999999in", 0, false, 2147483647},
        {L"3", 0, true, 12}, {L"7", 0, true, 36}, {L"8", 0, true, 8}, {L"3px", 0, true, 3}, {L"3", 0, false, 3}};
    for (const auto& [value, current, sizeKeywords, expected] : cases) {
        EXPECT_EQ(parser.ParseLength(value, current, sizeKeywords), expected) << value;
    }
    surface.SetDotsPerInchY(120);
    EXPECT_EQ(parser.ParseLength(L"12pt", 0, false), 20);
}

TEST_F(StyleParserTest, ColoursInEveryForm)
{
    const std::pair<const wchar_t*, Color> cases[] = {{L"#ff0000", 0x0000FF}, {L"#0080ff", 0xFF8000},
        {L"#f00", 0x123456}, {L"#ff00zz", 0x000000}, {L"255", 0x0000FF}, {L"0xFF0000", 0xFF0000}, {L"Navy", 0x800000},
        {L"red ", 0x123456}, {L"nosuchcolour", 0x123456}, {L"", 0x123456}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(parser.ParseColor(value, 0x123456), expected) << value;
    }
    colors.SetEnabled(false);
    EXPECT_EQ(parser.ParseColor(L"red", 0), colors.DisabledColor());
    EXPECT_EQ(parser.ParseShownColor(L"#ff0000", 0), colors.DisabledColor());
}

TEST_F(StyleParserTest, BorderWidthsAndEffects)
{
    EXPECT_EQ(parser.ParseBorderWidth(L"thin", 4), 3);
    EXPECT_EQ(parser.ParseBorderWidth(L"thick", 4), 5);
    EXPECT_EQ(parser.ParseBorderWidth(L"medium", 4), 4);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"transparent", 3), EffectTransparent);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"metal", 3), EffectMetal);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"7", 3), EffectNoise);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"bogus", 3), EffectSolid);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"", 3), 3);
}

} // namespace
} // namespace fennick
