#include "markup/portable/ImageStyle.h"
#include "markup/portable/LayoutMath.h"
#include "tests/markup/support/DrawerTest.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace fennick {
namespace {

using test::DrawCall;
using test::DrawKind;

// The body font is 16 pixels: characters 8 wide, lines 16 high with an ascent of 12.
class LayoutTest : public test::DrawerTest {
protected:
    LayoutTest() : DrawerTest(16) {}
};

TEST_F(LayoutTest, MeasuredSizes)
{
    drawer.SetTabWidth(32);
    const std::tuple<const wchar_t*, int, PixelSize> cases[] = {
        {L"", 0, {0, 0}},
        {L"<b></b><i>", 0, {1, 1}}, // tags only
        {L"abc", 0, {25, 17}},
        {L"a<br><br>b", 0, {9, 49}}, // the empty line is one font high
        {L"a<br=3>b", 0, {9, 65}},
        {L"aaaa bbbb cccc", 0, {113, 17}}, // no wrapping without a wrap width
        {L"aaaa bbbb cccc", 40, {33, 49}},
        {L"aaaaaaaaaa", 40, {41, 33}}, // a word longer than the line is cut
        {L"<t><t>x", 0, {73, 17}}, // two full tab widths
        {L"a<t>x", 0, {41, 17}}, // 8 past a stop: to the next stop only
        {L"abcd<br><hr>", 0, {34, 26}}, // 1 pixel + 100 % of the widest line; 8 above the rule
        {L"<font size=32px>A</font>b", 0, {25, 33}},
    };
    for (const auto& [text, wrapWidth, size] : cases) {
        EXPECT_EQ(Measure(text, wrapWidth), size) << testing::PrintToString(std::wstring(text));
    }
    Measure(L"<b></b>");
    EXPECT_TRUE(Draw({0, 0, 100, 100}).empty());
}

TEST_F(LayoutTest, WrappedJustifiedLinesReachTheRightEdgeButNotTheLastOrABrokenOne)
{
    const PixelSize size = Measure(L"<justify>aa <b>bb</b> cc dd ee ff gg hh<br>ii jj</justify>", 80);
    EXPECT_EQ(size, (PixelSize{65, 65}));
    std::map<int, int> lineEnds; // top -> right edge of the line's last piece
    for (const DrawCall& call : Draw({0, 0, 80, 65})) {
        lineEnds[call.rect.top] = call.rect.right;
    }
    EXPECT_EQ(lineEnds, (std::map<int, int>{{0, 80}, {16, 80}, {32, 40}, {48, 40}}));
    EXPECT_EQ(DrawnTexts({0, 0, 80, 65}),
              (std::vector<std::wstring>{L"aa ", L"bb", L" cc", L"dd ee ff", L"gg hh", L"ii jj"}));
}

TEST_F(LayoutTest, AlignmentIsAppliedInTheDrawRectangle)
{
    const std::pair<const wchar_t*, int> cases[] = {
        {L"<center>abc</center>", 38}, {L"<right>abc</right>", 76}, {L"abc", 0}};
    for (const auto& [text, left] : cases) {
        Measure(text);
        EXPECT_EQ(Draw({0, 0, 100, 17}).at(0).rect.left, left) << testing::PrintToString(std::wstring(text));
    }
}

TEST_F(LayoutTest, TextAndImagesSitOnTheBaselineOrWhereTheirAlignmentSays)
{
    surface.resources[5] = {20, 40};
    const std::pair<const wchar_t*, std::vector<int>> cases[] = {
        {L"<font size=32px>A</font>b", {0, 12}},
        {L"<font size=32px>A</font><top>b</top>", {0, 0}},
        {L"<font size=32px>A</font><bottom>b</bottom>", {0, 16}},
        {L"<font size=32px>A</font><middle>b</middle>", {0, 8}},
    };
    for (const auto& [text, tops] : cases) {
        Measure(text);
        std::vector<int> drawn;
        for (const DrawCall& call : Draw({0, 0, 100, 100})) {
            drawn.push_back(call.rect.top);
        }
        EXPECT_EQ(drawn, tops) << testing::PrintToString(std::wstring(text));
    }
    Measure(L"x<bmp idres=5>"); // the image is taller than the text: the text sits on its bottom
    EXPECT_EQ(Draw({0, 0, 100, 100}).at(0).rect.top, 40 + 4 - 12 - 4);
    EXPECT_EQ(Draw({0, 0, 100, 100}, DrawKind::Image).at(0).rect, (PixelRect{8, 0, 28, 40}));
}

TEST_F(LayoutTest, PercentageRulesSpanTheirShareOfTheDrawnBlock)
{
    Measure(L"abcd<br><hr><br><center><hr width=50% size=3 color=red></center>");
    const std::vector<DrawCall> rules = Draw({0, 0, 200, 100}, DrawKind::Line);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0].rect, (PixelRect{0, 20, 200, 20}));
    EXPECT_EQ(std::tuple(rules[1].rect, rules[1].width, rules[1].color),
              std::tuple(PixelRect{49, 30, 149, 30}, 3, Rgb(255, 0, 0)));
}

TEST_F(LayoutTest, ImagesStripsAndListIcons)
{
    surface.resources[5] = {20, 10};
    surface.resources[6] = {64, 16};
    surface.listIcons = 3;
    drawer.SetImageList(reinterpret_cast<ImageListHandle>(1), {24, 24});
    EXPECT_EQ(Measure(L"<bmp idres=5 width=50%><bmp idres=99><bmp>"), (PixelSize{11, 11}));
    Measure(L"<strip idres=6 cx=16 index=1 speed=2><strip idres=6 cx=16 index=4><strip index=2 width=50% height=12>");
    EXPECT_EQ(drawer.Animations(), (std::vector<AnimationState>{{1, 4, 0, 2}}));
    const std::vector<DrawCall> images = Draw({0, 0, 100, 100}, DrawKind::Image);
    ASSERT_EQ(images.size(), 2u); // the cell outside the strip takes no space
    EXPECT_EQ(std::tuple(images[0].text, images[0].width, images[0].rect.right), std::tuple(L"res:6", 1, 16));
    EXPECT_EQ(std::tuple(images[1].text, images[1].rect), std::tuple(L"list:2", PixelRect{16, 4, 28, 16}));
    EXPECT_FALSE(drawer.AdvanceAnimations());
    EXPECT_TRUE(drawer.AdvanceAnimations());
    EXPECT_EQ(Draw({0, 0, 100, 100}, DrawKind::Image).at(0).width, 2);
    EXPECT_EQ(surface.OpenImages(), 0);
}

TEST_F(LayoutTest, AnImageThatDoesNotFitStartsTheNextLineUnlessTheLineIsEmpty)
{
    surface.resources[5] = {40, 16};
    surface.resources[7] = {100, 16};
    EXPECT_EQ(Measure(L"<bmp idres=7><bmp idres=5><bmp idres=5>", 64), (PixelSize{65, 49}));
    ASSERT_EQ(drawer.Lines().size(), 3u);
    EXPECT_EQ(std::pair(drawer.Lines()[0].width, drawer.Lines()[0].wrapped), std::pair(100, true));
}

TEST_F(LayoutTest, LinksGetTheirAreasAndHoverStylesAndADisabledDrawerDrawsInOneColour)
{
    surface.resources[5] = {8, 8};
    drawer.Language().Styles().SetStyleClass(L"a:hover", L"color: #00ff00");
    drawer.Language().Links().SetHoverTarget({reinterpret_cast<WindowHandle>(1), 0x8001, 0});
    const std::wstring text = L"<a href=x>one</a> <a msg=y>two<bmp idres=5 style=g hotstyle=d></a>";
    Measure(text);
    Draw({0, 0, 200, 20});
    const std::vector<LinkArea>& areas = drawer.Language().Links().Areas();
    ASSERT_EQ(areas.size(), 3u);
    EXPECT_EQ(std::tuple(areas[2].left, areas[2].id, areas[2].target), std::tuple(56, 1, L"y"));
    drawer.Language().Links().HoverAt(areas[2].left, areas[2].top);
    Measure(text);
    std::vector<DrawCall> texts = Draw({0, 0, 200, 20});
    EXPECT_EQ(std::pair(texts[0].color, texts[2].color), std::pair(Rgb(0, 0, 255), Rgb(0, 255, 0)));
    EXPECT_EQ(surface.CallsOf(DrawKind::Image).at(0).style, ImageDarken);
    EXPECT_EQ(drawer.Language().Links().Areas().size(), 3u) << "a new drawing replaces the areas";

    drawer.Language().Colors().SetEnabled(false);
    Measure(text);
    for (const DrawCall& call : Draw({0, 0, 200, 20})) {
        EXPECT_EQ(call.color, drawer.Language().Colors().DisabledColor());
    }
    EXPECT_EQ(surface.CallsOf(DrawKind::Image).at(0).style, ImageOneColor);
}

TEST_F(LayoutTest, AStringResourceIsOneRunThatNeverWraps)
{
    actions.strings[7] = L"loaded text";
    EXPECT_EQ(Measure(L"ab<string idres=7>", 40), (PixelSize{41, 17}));
    EXPECT_EQ(DrawnTexts({0, 0, 41, 17}), (std::vector<std::wstring>{L"ab", L"loaded text"}));
}

TEST_F(LayoutTest, TheDrawPassBreaksLinesWhereTheMeasureDidInAWiderRectangle)
{
    // "aaa bbbb" is 64 wide: one pixel too many for the measure's 63, not for the drawing's 64.
    EXPECT_EQ(Measure(L"<right>aaa bbbb cc</right>", 63), (PixelSize{57, 33}));
    EXPECT_EQ(DrawnTexts({0, 0, 64, 33}), (std::vector<std::wstring>{L"aaa", L"bbbb cc"}));
}

TEST_F(LayoutTest, BreakingALongParagraphMeasuresEachCharacterAFewTimesOnly)
{
    std::wstring words;
    for (int i = 0; i < 20000; ++i) {
        words += L"word ";
    }
    for (const std::wstring& text : {std::wstring(100000, L'x'), words}) {
        const std::size_t before = surface.MeasuredCharacters();
        Measure(text, 24);
        Draw({0, 0, 25, 100});
        EXPECT_LT(surface.MeasuredCharacters() - before, 12 * text.size());
        EXPECT_GT(drawer.Lines().size(), text.size() / 4);
    }
}

TEST_F(LayoutTest, HugeCountsFontsRulesAndImagesSaturateTheSize)
{
    surface.resources[5] = {100000, 100000};
    drawer.SetTabWidth(INT_MAX);
    std::wstring breaks = L"<font size=100000px>x";
    for (int i = 0; i < 25; ++i) {
        breaks += L"<br=1000>";
    }
    // text; whether the width and the height saturate
    const std::tuple<std::wstring, bool, bool> cases[] = {
        {breaks, false, true},
        {L"a<t=1000><t=1000>", true, false},
        {L"<hr width=2147483647><hr width=2147483647>", true, false},
        {L"<bmp idres=5 width=99999999% height=99999999%><bmp idres=5 width=99999999%>", true, true},
        {L"<hr width=99999999%><hr width=99999999%>", false, false},
    };
    for (const auto& [text, wide, tall] : cases) {
        const PixelSize size = Measure(text);
        EXPECT_EQ(std::pair(size.width == kMaxCoordinate, size.height == kMaxCoordinate), std::pair(wide, tall))
            << testing::PrintToString(text);
        Draw({0, 0, INT_MAX, INT_MAX});
    }
}

TEST_F(LayoutTest, DrawingWithoutAMatchingMeasureStaysWithinTheRecords)
{
    surface.resources[6] = {64, 16};
    Measure(L"aa bb cc dd <strip idres=6 cx=16 speed=1> <table><tr><td>x</td></tr></table>", 48);
    drawer.Language().Styles().SetStyleClass(L"body", L"font-size: 40px"); // wraps into more lines
    EXPECT_FALSE(Draw({0, 0, 48, 100}).empty());
    EXPECT_TRUE(drawer.AdvanceAnimations());
    EXPECT_EQ(Draw({0, 0, 10, 10}, DrawKind::Image).size(), 1u);
}

} // namespace
} // namespace fennick
