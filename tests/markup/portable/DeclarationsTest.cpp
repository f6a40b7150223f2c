#include "markup/portable/MarkupStyle.h"
#include "markup/portable/StyleParser.h"
#include "tests/markup/support/FakeSurface.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

class DeclarationsTest : public testing::Test {
protected:
    MarkupStyle Parsed(const wchar_t* declarations)
    {
        MarkupStyle style;
        parser.ParseStyleDeclarations(declarations, style);
        return style;
    }

    ColorScheme colors;
    test::FakeSurface surface;
    StyleParser parser{colors, surface};
};

TEST_F(DeclarationsTest, ReadsEveryPropertyOfAList)
{
    const MarkupStyle style = Parsed(L"font-size: 3; font-family: Tahoma; font-style: italic; font-weight: bold;"
                                     L"text-align: right; text-transform: uppercase; color: #00ff00;"
                                     L"vertical-align: top; margin: 3; padding: 1em");
    EXPECT_EQ(style.fontSize, 12);
    EXPECT_EQ(style.fontFamily, L"tahoma"); // the whole text is lower-cased
    EXPECT_TRUE(style.italic);
    EXPECT_EQ(style.fontWeight, 700);
    EXPECT_EQ(style.textAlign, TextAlign::Right);
    EXPECT_EQ(style.textTransform, TextTransform::Uppercase);
    EXPECT_EQ(style.textColor, 0x00FF00u);
    EXPECT_EQ(style.verticalAlign, VerticalAlign::Top);
    EXPECT_EQ(style.margin, 3);
    EXPECT_EQ(style.padding, 16);
}

TEST_F(DeclarationsTest, FontSizeKeywordsOnlyForFontSize)
{
    EXPECT_EQ(Parsed(L"font-size: 8").fontSize, 8);
    EXPECT_EQ(Parsed(L"font-size: 3px").fontSize, 3);
    EXPECT_EQ(Parsed(L"margin: 3").margin, 3);
}

TEST_F(DeclarationsTest, QuotedValuesLoseTheirQuotesAndKeepSpaces)
{
    EXPECT_EQ(Parsed(L"font-family: \"Courier New\"; color: red").fontFamily, L"courier new");
    EXPECT_EQ(Parsed(L"font-family: \"Courier New\"; color: red").textColor, 0x0000FFu);
}

TEST_F(DeclarationsTest, UnclosedQuoteEndsTheScanWithAnEmptyValue)
{
    const MarkupStyle style = Parsed(L"font-family: \"Arial; color: red");
    EXPECT_EQ(style.fontFamily, L"Verdana");
    EXPECT_EQ(style.textColor, 0u);
}

TEST_F(DeclarationsTest, TrailingSpacesStayWithTheValue)
{
    EXPECT_EQ(Parsed(L"color: red ;").textColor, 0u); // "red " is no colour name
    EXPECT_EQ(Parsed(L"color: red;").textColor, 0x0000FFu);
}

TEST_F(DeclarationsTest, NamesAreCaseInsensitiveAndUnknownOnesSkipped)
{
    const MarkupStyle style = Parsed(L"COLOR: RED; bogus: 1; ; margin 9; padding: 4");
    EXPECT_EQ(style.textColor, 0x0000FFu);
    EXPECT_EQ(style.margin, 2); // a name without ":" is skipped
    EXPECT_EQ(style.padding, 4);
}

TEST_F(DeclarationsTest, BackgroundColourDependsOnTheEnabledState)
{
    EXPECT_EQ(Parsed(L"background-color: #000000").backMode, BackMode::Opaque);
    EXPECT_EQ(Parsed(L"background-color: transparent").backMode, BackMode::Transparent);
    colors.SetEnabled(false);
    const MarkupStyle disabled = Parsed(L"background-color: #000000; color: blue");
    EXPECT_EQ(disabled.backMode, BackMode::Transparent);
    EXPECT_EQ(disabled.backColor, 0xFFFFFFu);
    EXPECT_EQ(disabled.textColor, colors.DisabledColor());
}

TEST_F(DeclarationsTest, BorderWidthAndStyleKeepEachOtherConsistent)
{
    const MarkupStyle thin = Parsed(L"border-width: thin");
    EXPECT_EQ(thin.borderWidth, 0);
    EXPECT_EQ(thin.borderStyle, BorderNone);
    const MarkupStyle dashed = Parsed(L"border-style: dashed");
    EXPECT_EQ(dashed.borderWidth, 1);
    EXPECT_EQ(dashed.borderStyle, BorderDashed);
    const MarkupStyle sized = Parsed(L"size: 3");
    EXPECT_EQ(sized.borderWidth, 3);
    EXPECT_EQ(sized.borderStyle, BorderSolid);
    const MarkupStyle colored = Parsed(L"border-color: red");
    EXPECT_EQ(colored.borderColorLight, 0x0000FFu);
    EXPECT_EQ(colored.borderColorDark, 0x0000FFu);
}

TEST_F(DeclarationsTest, TextDecorationWords)
{
    const MarkupStyle both = Parsed(L"text-decoration: underline, overline");
    EXPECT_TRUE(both.underline);
    EXPECT_TRUE(both.overline);
    EXPECT_FALSE(both.lineThrough);
    MarkupStyle style;
    style.underline = style.lineThrough = style.overline = true;
    parser.ParseStyleDeclarations(L"text-decoration:", style);
    EXPECT_FALSE(style.underline || style.lineThrough || style.overline);
}

TEST(ResetStyleTest, RestoresDefaultsButKeepsTheRequestedSize)
{
    MarkupStyle style;
    style.fontSize = 40;
    style.linkTarget = L"x";
    style.width = 120;
    style.height = 30;
    ResetStyle(style);
    EXPECT_EQ(style.fontSize, 16);
    EXPECT_EQ(style.fontFamily, L"Verdana");
    EXPECT_EQ(style.verticalAlign, VerticalAlign::Baseline);
    EXPECT_EQ(style.margin, 2);
    EXPECT_TRUE(style.linkTarget.empty());
    EXPECT_EQ(style.width, 120);
    EXPECT_EQ(style.height, 30);
}

} // namespace
} // namespace fennick
