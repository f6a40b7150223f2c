#include "markup/portable/MarkupPass.h"
#include "markup/portable/TagEffects.h"
#include "tests/markup/support/FakePlatformActions.h"
#include "tests/markup/support/FakeSurface.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

class MarkupPassTest : public testing::Test {
protected:
    // Applies every tag as a layout would; keeps the style of each text run and gives it a link area.
    std::vector<TagOutcome> Run(std::wstring_view text)
    {
        MarkupPass pass(language, surface);
        std::vector<TagOutcome> outcomes;
        const std::wstring prepared = language.Prepare(text);
        MarkupTokenizer tokenizer(prepared);
        while (const std::optional<MarkupToken> token = tokenizer.Next()) {
            if (token->kind == MarkupToken::Kind::Tag) {
                outcomes.push_back(pass.ApplyTag(token->tag));
            } else {
                runs.push_back(pass.CurrentStyle());
                const int x = 10 * static_cast<int>(runs.size());
                pass.AddLinkArea(x, 0, x + 9, 9);
            }
        }
        return outcomes;
    }

    test::FakePlatformActions actions;
    test::FakeSurface surface;
    MarkupLanguage language{actions};
    std::vector<MarkupStyle> runs;
};

TEST_F(MarkupPassTest, StartsFromTheBodyClassAndClosesStylesByKey)
{
    language.Styles().SetStyleClass(L"BODY", L"font-size: 20px; color: green");
    MarkupPass pass(language, surface);
    EXPECT_EQ(pass.CurrentStyle().textColor, 0x008000u);
    EXPECT_EQ(surface.FontSize(), 20);
    pass.OpenStyle(L"table");
    pass.CurrentStyle().margin = 9;
    pass.CloseStyle(L"td"); // the end of a cell does not close its table
    EXPECT_EQ(pass.CurrentStyle().margin, 9);
    pass.CloseStyle(L"table");
    EXPECT_EQ(pass.CurrentStyle().margin, 2);
}

TEST_F(MarkupPassTest, OnlyTheInnermostOpenTagClosesAndBoldDoublesUpTo900)
{
    Run(L"<b><i>x</b>y</i>z</b>w<b><b>v");
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_TRUE(runs[1].italic); // the closing bold was ignored
    EXPECT_FALSE(runs[2].italic);
    EXPECT_EQ(runs[2].fontWeight, 800);
    EXPECT_EQ(runs[3].fontWeight, 400);
    EXPECT_EQ(runs[4].fontWeight, 900);
    EXPECT_EQ(surface.Selections(), 1 + 6); // the body's font, then after every change
}

TEST_F(MarkupPassTest, FontTagAttributesAndStyleLetters)
{
    Run(L"<font face='Courier New' size=5 style=-b+i weight=bolder bkgnd=yellow>x</font>"
        L"<font size=150% style=uso bkgnd=transparent>y<font style=-u-s>z");
    EXPECT_EQ(std::tuple(runs[0].fontFamily, runs[0].fontSize, runs[0].fontWeight),
              std::tuple(L"Courier New", 18, 900));
    EXPECT_TRUE(runs[0].italic && runs[0].backMode == BackMode::Opaque);
    EXPECT_EQ(runs[1].fontSize, 20); // 150 % of the body's 10pt, 13 pixels at 96 dpi
    EXPECT_TRUE(runs[1].underline && runs[1].lineThrough && runs[1].overline);
    EXPECT_EQ(runs[1].backMode, BackMode::Transparent);
    EXPECT_TRUE(!runs[2].underline && !runs[2].lineThrough && runs[2].overline);
}

TEST_F(MarkupPassTest, ClassNamesIgnoreCaseAndTheFirstClassCounts)
{
    language.Styles().SetStyleClass(L".Warn", L"color: red");
    Run(L"<center><span class=warn class=none>a</span></center>b");
    EXPECT_EQ(runs[0].textColor, 0x0000FFu);
    EXPECT_EQ(runs[0].textAlign, TextAlign::Center);
    EXPECT_EQ(runs[1].textAlign, TextAlign::Left);
}

TEST_F(MarkupPassTest, NonNestingTagsActAtOnceWithClampedCounts)
{
    actions.strings[7] = L"loaded";
    const std::vector<TagOutcome> outcomes = Run(L"<br><br=3></br><br 12><t=2><hr width=50%><strip cx=16>"
                                                 L"<string idres=7><string iddll=8><string><br=0><t=99999>");
    const std::vector<std::pair<TagEffect, int>> expected = {
        {TagEffect::LineBreak, 1}, {TagEffect::LineBreak, 3}, {TagEffect::LineBreak, 1},
        {TagEffect::LineBreak, 1}, {TagEffect::Tab, 2},       {TagEffect::Rule, 1},
        {TagEffect::Image, 1},     {TagEffect::TextRun, 1},   {TagEffect::None, 1},
        {TagEffect::None, 1},      {TagEffect::LineBreak, 1}, {TagEffect::Tab, kMaxTagCount}};
    ASSERT_EQ(outcomes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(std::pair(outcomes[i].effect, outcomes[i].count), expected[i]) << i;
    }
    EXPECT_EQ(outcomes[5].attributes, L"width=50%");
    EXPECT_EQ(outcomes[7].text, L"loaded");
    EXPECT_EQ(actions.requestedStrings, (std::vector<unsigned>{7, 8}));
}

TEST_F(MarkupPassTest, KeysDecideNestingAndTheDepthIsLimited)
{
    language.Tags()[L"plainbold"] = {TagKind::Bold, L""};
    language.Tags()[L"keyedbreak"] = {TagKind::LineBreak, L"keyedbreak"};
    const std::vector<TagOutcome> outcomes = Run(L"<plainbold>a<keyedbreak><b>b</keyedbreak>c");
    EXPECT_EQ(runs[0].fontWeight, 400);
    EXPECT_EQ(outcomes[1].effect, TagEffect::StyleChanged);
    EXPECT_EQ(runs[2].fontWeight, 800); // </keyedbreak> does not match the open bold
    std::wstring deep;
    for (std::size_t i = 0; i < kMaxStyleNesting + 5; ++i) {
        deep += L"<i>";
    }
    runs.clear();
    Run(deep + L"x");
    EXPECT_EQ(runs[0].italic, kMaxStyleNesting % 2 == 1);
}

TEST_F(MarkupPassTest, LinksAreNumberedInTextOrderInEveryPassAndHoverRestyles)
{
    language.Styles().SetStyleClass(L"a:hover", L"color: #00ff00");
    for (int pass = 0; pass < 2; ++pass) {
        language.Links().ClearAreas();
        runs.clear();
        Run(L"<a href=one>1</a> <a msg=two>2</a> <a href=a msg=three>3</a><a>4</a>");
        const std::vector<LinkArea>& areas = language.Links().Areas();
        ASSERT_EQ(areas.size(), 4u);
        for (int id = 0; id < 4; ++id) {
            EXPECT_EQ(areas[id].id, id) << "pass " << pass;
        }
        EXPECT_EQ(areas[0].kind, LinkKind::Address);
        EXPECT_EQ(areas[1].kind, LinkKind::Message);
        EXPECT_EQ(areas[2].target, L"three"); // the last of href and msg wins
        language.Links().HoverAt(areas[1].left, areas[1].top);
    }
    EXPECT_EQ(runs[0].textColor, 0xFF0000u);
    EXPECT_EQ(runs[2].textColor, 0x00FF00u); // runs: "1", " ", "2", ...
}

} // namespace
} // namespace fennick
