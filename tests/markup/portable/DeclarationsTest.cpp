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

TEST_F(DeclarationsTest, ScanningOfNamesValuesAndQuotes)
{
    EXPECT_EQ(Parsed(L"font-family: \"Courier New\"; color: red").fontFamily, L"courier new");
    EXPECT_EQ(Parsed(L"font-family: \"Courier New\"; color: red").textColor, 0x0000FFu);
    EXPECT_EQ(Parsed(L"font-family: \"Arial; color: red").fontFamily, L"Verdana"); // unclosed: the scan ends
    EXPECT_EQ(Parsed(L"color: red ;").textColor, 0u);                             // "red " is no colour name
    const MarkupStyle style = Parsed(L"COLOR: RED; bogus: 1; ; margin 9; padding: 4");
    EXPECT_EQ(style.textColor, 0x0000FFu);
    EXPECT_EQ(style.margin, 2); // a name without ":" is skipped
    EXPECT_EQ(style.padding, 4);
    EXPECT_EQ(Parsed(L"margin: 3").margin, 3); // no font-size keywords outside font-size
}

TEST_F(DeclarationsTest, ColoursFollowTheEnabledState)
{
    EXPECT_EQ(Parsed(L"background-color: #000000").backMode, BackMode::Opaque);
    EXPECT_EQ(Parsed(L"background-color: transparent").backMode, BackMode::Transparent);
    colors.SetEnabled(false);
    const MarkupStyle disabled = Parsed(L"background-color: #000000; color: blue; border-color: red");
    EXPECT_EQ(disabled.backMode, BackMode::Transparent);
    EXPECT_EQ(disabled.backColor, 0xFFFFFFu);
    EXPECT_EQ(disabled.textColor, colors.DisabledColor());
    EXPECT_EQ(disabled.borderColorDark, colors.DisabledColor());
}

TEST_F(DeclarationsTest, BordersStayConsistentAndDecorationsAreReplaced)
{
    EXPECT_EQ(Parsed(L"border-width: thin").borderStyle, BorderNone);
    EXPECT_EQ(Parsed(L"border-style: dashed").borderWidth, 1);
    EXPECT_EQ(Parsed(L"size: 3").borderStyle, BorderSolid);
    const MarkupStyle both = Parsed(L"text-decoration: underline, overline");
    EXPECT_TRUE(both.underline && both.overline && !both.lineThrough);
    MarkupStyle style;
    style.underline = style.lineThrough = style.overline = true;
    parser.ParseStyleDeclarations(L"text-decoration:", style);
    EXPECT_FALSE(style.underline || style.lineThrough || style.overline);
}

} // namespace
} // namespace fennick
