#include "markup/portable/AttributeReader.h"
#include "markup/portable/BackgroundImageSource.h"
#include "markup/portable/CellAttributes.h"
#include "markup/portable/ImageAttributes.h"
#include "markup/portable/StyleParser.h"
#include "tests/markup/support/FakeSurface.h"

#include <gtest/gtest.h>

#include <climits>

namespace fennick {
namespace {

// 96 dpi, font 16: "x" is 16 high.
class ParserTest : public testing::Test {
protected:
    MarkupStyle Declared(const wchar_t* declarations)
    {
        MarkupStyle style;
        parser.ParseStyleDeclarations(declarations, style);
        return style;
    }

    ColorScheme colors;
    test::FakeSurface surface;
    StyleParser parser{colors, surface};
    MarkupStyle style;
    ShadowSettings shadow;
};

TEST_F(ParserTest, LengthsInDevicePixels)
{
    const std::tuple<const wchar_t*, int, bool, int> cases[] = {
        {L"12pt", 0, false, 16},  {L"2cm", 0, false, 75},
        {L"1.5in", 0, false, 96}, {L"2em", 0, false, 32},
        {L"3ex", 0, false, 48},   {L"-2px", 0, false, 2},
        {L"150%", 16, false, 24}, {L"", 7, false, 7},
        {L"junk", 7, false, 0},   {L"99999999in", 0, false, INT_MAX},
        {L"3", 0, true, 12},      {L"7", 0, true, 36},
        {L"8", 0, true, 8},       {L"3px", 0, true, 3},
        {L"3", 0, false, 3}};
    for (const auto& [value, current, sizeKeywords, expected] : cases) {
        EXPECT_EQ(parser.ParseLength(value, current, sizeKeywords), expected) << value;
    }
    surface.SetDotsPerInchY(120);
    EXPECT_EQ(parser.ParseLength(L"12pt", 0, false), 20);
}

TEST_F(ParserTest, ColoursAndTheirFallbacks)
{
    const std::pair<const wchar_t*, Color> cases[] = {
        {L"#0080ff", 0xFF8000}, {L"#f00", 0x123456},         {L"#ff00zz", 0x123456}, {L"255", 0x0000FF},
        {L"red ", 0x123456},    {L"nosuchcolour", 0x123456}, {L"", 0x123456},        {L"#ff000012", 0x123456}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(parser.ParseColor(value, 0x123456), expected) << value;
    }
    EXPECT_EQ(parser.ParseBackgroundEffect(L"bogus", 3), EffectSolid);
    EXPECT_EQ(parser.ParseBackgroundEffect(L"", 3), 3);
}

TEST_F(ParserTest, DeclarationsScanNamesValuesAndQuotes)
{
    const MarkupStyle listed = Declared(L"font-size: 3; font-family: \"Courier New\"; padding: 1em; color: red");
    EXPECT_EQ(listed.fontSize, 12);
    EXPECT_EQ(listed.fontFamily, L"courier new"); // the whole text is lower-cased
    EXPECT_EQ(listed.padding, 16);
    EXPECT_EQ(listed.textColor, 0x0000FFu);
    EXPECT_EQ(Declared(L"font-family: \"Arial; color: red").fontFamily, L"Verdana"); // unclosed: the scan ends
    const MarkupStyle skipped = Declared(L"COLOR: RED; bogus: 1; ; margin 9; padding: 4");
    EXPECT_EQ(skipped.textColor, 0x0000FFu);
    EXPECT_EQ(skipped.margin, 2); // a name without ":" is skipped
    EXPECT_EQ(skipped.padding, 4);
    EXPECT_EQ(Declared(L"margin: 3").margin, 3); // no font-size keywords outside font-size
}

TEST_F(ParserTest, ABackgroundImageSourceIsOneDeclarationWithAResourceNumberOrAPath)
{
    using Kind = BackgroundImageKind;
    const std::tuple<const wchar_t*, Kind, int, const wchar_t*> cases[] = {
        {L"  idres :;  0x82", Kind::Resource, 130, L""},
        {L"iddll: -12px;", Kind::LibraryResource, 12, L""},
        {L"file: \"c:\\my pics\\a;b.bmp\" x", Kind::File, 0, L"c:\\my pics\\a;b.bmp"},
        {L"file: \"unclosed.bmp", Kind::None, 0, L""},
        {L"IDRES: 5", Kind::None, 0, L""},
        {L"idres 5 more", Kind::None, 0, L""},
        {L"idres: 50%", Kind::None, 0, L""},
        {L"idres: 65536", Kind::None, 0, L""},
        {L"idres: 99999999999999999999", Kind::None, 0, L""}};
    for (const auto& [text, kind, resourceId, path] : cases) {
        const BackgroundImageSource source = ParseBackgroundImageSource(text, parser);
        EXPECT_EQ(std::tuple(source.kind, source.resourceId, source.path), std::tuple(kind, resourceId, path))
            << testing::PrintToString(std::wstring(text));
    }
}

TEST_F(ParserTest, DeclaredBordersStayConsistentAndDecorationsAreReplaced)
{
    EXPECT_EQ(Declared(L"border-width: thin").borderStyle, BorderNone);
    EXPECT_EQ(Declared(L"border-style: dashed").borderWidth, 1);
    const MarkupStyle both = Declared(L"text-decoration: underline, overline");
    EXPECT_TRUE(both.underline && both.overline && !both.lineThrough);
    style.underline = style.lineThrough = style.overline = true;
    parser.ParseStyleDeclarations(L"text-decoration:", style);
    EXPECT_FALSE(style.underline || style.lineThrough || style.overline);
}

TEST_F(ParserTest, ADisabledSchemeDrawsNoBackgroundsAndOnlyTheDisabledColour)
{
    EXPECT_EQ(Declared(L"background-color: #000000").backMode, BackMode::Opaque);
    colors.SetEnabled(false);
    const MarkupStyle declared = Declared(L"background-color: #000000; color: blue; border-color: red");
    EXPECT_EQ(declared.backMode, BackMode::Transparent);
    EXPECT_EQ(declared.textColor, colors.DisabledColor());
    EXPECT_EQ(declared.borderColorDark, colors.DisabledColor());
    ParseCellAttributes(parser, L"bgcolor=#ff0000 bgeffect=noise bordercolor=blue", style, false);
    EXPECT_EQ(style.backColor, 0xFFFFFFu);
    EXPECT_EQ(style.backEffect, EffectTransparent);
    EXPECT_EQ(style.borderColorLight, colors.DisabledColor());
}

using Pairs = std::vector<std::pair<std::wstring, std::wstring>>;

TEST(ReadAttributeTest, QuotingDecidesWhereAValueEnds)
{
    const auto all = [](std::wstring_view text) {
        Pairs result;
        ForEachAttribute(text, [&](const Attribute& a) { result.emplace_back(a.name, a.value); });
        return result;
    };
    EXPECT_EQ(all(L"face='Courier New' size=3"), (Pairs{{L"face", L"Courier New"}, {L"size", L"3"}}));
    EXPECT_EQ(all(L"face=Courier New"), (Pairs{{L"face", L"Courier"}, {L"New", L""}}));
    EXPECT_EQ(all(L"a = \"x y\"  b"), (Pairs{{L"a", L"x y"}, {L"b", L""}}));
    EXPECT_EQ(all(L"=2 a='unclosed"), (Pairs{{L"2", L""}, {L"a", L"unclosed"}}));
    EXPECT_EQ(all(L"  !! "), Pairs{});
}

TEST_F(ParserTest, OnlyTablesHaveWideSolidBorders)
{
    const std::tuple<const wchar_t*, bool, int, BorderStyle> cases[] = {
        {L"border=3", true, 3, BorderSolid},
        {L"border=3 borderstyle=dashed", true, 1, BorderDashed},
        {L"border=3", false, 1, BorderSolid},
        {L"borderstyle=solid", false, 1, BorderSolid},
        {L"borderstyle=dotted border=0", true, 0, BorderNone},
        {L"border=4 border=-50%", true, 0, BorderNone}};
    for (const auto& [attributes, isTable, width, borderStyle] : cases) {
        MarkupStyle fresh;
        ParseCellAttributes(parser, attributes, fresh, isTable);
        EXPECT_EQ(std::pair(fresh.borderWidth, fresh.borderStyle), std::pair(width, borderStyle))
            << attributes << (isTable ? " on a table" : " on a cell");
    }
}

TEST_F(ParserTest, CellSpansAreClampedAndSomeAttributesAreForTablesOnly)
{
    const CellSpan span = ParseCellAttributes(parser, L"colspan=3 rowspan=2 cellpadding=5 background=x", style, false);
    EXPECT_EQ(std::pair(span.columns, span.rows), std::pair(3, 2));
    EXPECT_EQ(style.margin, 2);
    EXPECT_TRUE(style.backImage.empty());
    ParseCellAttributes(parser, L"cellpadding=5 cellspacing=4 background='file: a.bmp' bgeffect=bogus", style, true);
    EXPECT_EQ(std::pair(style.margin, style.padding), std::pair(5, 4));
    EXPECT_EQ(style.backImage, L"file: a.bmp");
    EXPECT_EQ(style.backEffect, EffectSolid);
    EXPECT_EQ(ParseCellAttributes(parser, L"colspan=0", style, false).columns, 1);
    EXPECT_EQ(ParseCellAttributes(parser, L"colspan=99999999", style, false).columns, kMaxCellSpan);
}

TEST_F(ParserTest, ImageAttributesKeepEarlierNamesOverEmptyOnesAndShadowLettersNeedAShadow)
{
    ImageSpec spec;
    ParseImageAttributes(parser, shadow, L"idres=0x65 file='C:\\a b.bmp' srcdll=x.dll width=50% style=gs", spec);
    EXPECT_EQ(std::tuple(spec.resourceId, spec.file, spec.style), std::tuple(0x65, L"C:\\a b.bmp", ImageGrayscale));
    EXPECT_TRUE(spec.width == 50 && spec.widthIsPercent);
    ParseImageAttributes(parser, shadow, L"file='' srcdll='' width=40 mask=#0000ff", spec);
    EXPECT_TRUE(spec.hasMask && spec.maskColor == 0xFF0000u);
    EXPECT_EQ(std::pair(spec.file, spec.library), std::pair(std::wstring(L"C:\\a b.bmp"), std::wstring(L"x.dll")));
    EXPECT_TRUE(spec.width == 40 && !spec.widthIsPercent);
    shadow.offsetX = 2;
    EXPECT_EQ(ParseImageStyleFlags(L"gdls", shadow), ImageGrayscale | ImageDarken | ImageLighten | ImageHardShadow);
    shadow.soft = true;
    EXPECT_EQ(ParseImageStyleFlags(L"sx", shadow), ImageSoftShadow);
}

} // namespace
} // namespace fennick
