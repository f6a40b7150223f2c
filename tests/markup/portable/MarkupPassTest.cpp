#include "markup/portable/MarkupPass.h"
#include "markup/portable/TagEffects.h"
#include "tests/markup/support/FakePlatformActions.h"
#include "tests/markup/support/FakeSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fennick {
namespace {

class MarkupPassTest : public testing::Test {
protected:
    // Applies every tag of the text; returns the outcomes of the tags and remembers the style
    // each text run was drawn with.
    std::vector<TagOutcome> Run(MarkupPass& pass, std::wstring_view text)
    {
        std::vector<TagOutcome> outcomes;
        const std::wstring prepared = language.Prepare(text);
        MarkupTokenizer tokenizer(prepared);
        while (const std::optional<MarkupToken> token = tokenizer.Next()) {
            if (token->kind == MarkupToken::Kind::Tag) {
                outcomes.push_back(pass.ApplyTag(token->tag));
            } else {
                runStyles.push_back(pass.CurrentStyle());
                pass.AddLinkArea(
                    10 * static_cast<int>(runStyles.size()), 0, 10 * static_cast<int>(runStyles.size()) + 9, 9);
            }
        }
        return outcomes;
    }

    test::FakePlatformActions actions;
    test::FakeSurface surface;
    MarkupLanguage language{actions};
    std::vector<MarkupStyle> runStyles;
};

TEST_F(MarkupPassTest, StartsFromTheBodyClassWithItsFontSelected)
{
    language.Styles().SetStyleClass(L"BODY", L"font-size: 20px; color: green");
    MarkupPass pass(language, surface);
    EXPECT_EQ(pass.CurrentStyle().fontSize, 20);
    EXPECT_EQ(pass.CurrentStyle().textColor, 0x008000u);
    ASSERT_FALSE(surface.SelectedStyles().empty());
    EXPECT_EQ(surface.SelectedStyles().back().fontSize, 20);
}

TEST_F(MarkupPassTest, OnlyTheInnermostOpenTagCanBeClosed)
{
    MarkupPass pass(language, surface);
    Run(pass, L"<b><i>x</b>y</i>z</b>w");
    ASSERT_EQ(runStyles.size(), 4u);
    EXPECT_EQ(runStyles[0].fontWeight, 800);
    EXPECT_TRUE(runStyles[0].italic);
    EXPECT_EQ(runStyles[1].fontWeight, 800); // the closing bold was ignored
    EXPECT_TRUE(runStyles[1].italic);
    EXPECT_EQ(runStyles[2].fontWeight, 800); // the closing italic popped one level
    EXPECT_FALSE(runStyles[2].italic);
    EXPECT_EQ(runStyles[3].fontWeight, 400);
    EXPECT_FALSE(runStyles[3].italic);
}

TEST_F(MarkupPassTest, BoldDoublesTheWeightUpTo900)
{
    language.Styles().SetStyleClass(L"body", L"");
    MarkupPass pass(language, surface);
    Run(pass, L"<b>1<b>2<b>3");
    EXPECT_EQ(runStyles[0].fontWeight, 800);
    EXPECT_EQ(runStyles[1].fontWeight, 900);
    EXPECT_EQ(runStyles[2].fontWeight, 900);
}

TEST_F(MarkupPassTest, EveryNestingTagSelectsTheFontAgain)
{
    MarkupPass pass(language, surface);
    const std::size_t before = surface.SelectedStyles().size();
    const std::vector<TagOutcome> outcomes = Run(pass, L"<i>x</i><nosuch>");
    EXPECT_EQ(surface.SelectedStyles().size(), before + 2);
    EXPECT_TRUE(surface.SelectedStyles()[before].italic);
    EXPECT_FALSE(surface.SelectedStyles()[before + 1].italic);
    EXPECT_EQ(outcomes[0].effect, TagEffect::StyleChanged);
    EXPECT_EQ(outcomes[2].effect, TagEffect::None);
}

TEST_F(MarkupPassTest, FontTagAttributes)
{
    MarkupPass pass(language, surface);
    Run(pass,
        L"<font face='Courier New' size=5 color=#ff0000 style=-b+i weight=bolder bkgnd=yellow>x</font>"
        L"<font size=150% style=uso bkgnd=transparent>y");
    const MarkupStyle& first = runStyles[0];
    EXPECT_EQ(first.fontFamily, L"Courier New");
    EXPECT_EQ(first.fontSize, 18);
    EXPECT_EQ(first.textColor, 0x0000FFu);
    EXPECT_EQ(first.fontWeight, 900);
    EXPECT_TRUE(first.italic);
    EXPECT_EQ(first.backMode, BackMode::Opaque);
    EXPECT_EQ(first.backColor, 0x00FFFFu);
    const MarkupStyle& second = runStyles[1];
    EXPECT_EQ(second.fontSize, 20); // 150 % of the body's 10pt (13 pixels at 96 dpi)
    EXPECT_TRUE(second.underline && second.lineThrough && second.overline);
    EXPECT_EQ(second.backMode, BackMode::Transparent);
}

TEST_F(MarkupPassTest, StyleLettersSwitchOffAfterMinus)
{
    MarkupPass pass(language, surface);
    Run(pass, L"<font style=bu>a<font style=-b+i-u>b");
    EXPECT_EQ(runStyles[1].fontWeight, 400);
    EXPECT_TRUE(runStyles[1].italic);
    EXPECT_FALSE(runStyles[1].underline);
}

TEST_F(MarkupPassTest, DisabledLanguageDrawsEveryColourInTheDisabledColour)
{
    language.Colors().SetEnabled(false);
    language.Colors().SetDisabledColor(0x0A0B0C);
    MarkupPass pass(language, surface);
    Run(pass, L"a<font color=#ff0000 bkgnd=red>b<a href=x>c");
    EXPECT_EQ(runStyles[0].textColor, 0x0A0B0Cu); // the body class sets a colour
    EXPECT_EQ(runStyles[1].textColor, 0x0A0B0Cu);
    EXPECT_EQ(runStyles[1].backMode, BackMode::Transparent);
    EXPECT_EQ(runStyles[2].textColor, 0x0A0B0Cu);
}

TEST_F(MarkupPassTest, AlignmentTags)
{
    MarkupPass pass(language, surface);
    Run(pass, L"<center>a<right>b<justify>c<left>d</left><top>e<middle>f<bottom>g<baseline>h");
    EXPECT_EQ(runStyles[0].textAlign, TextAlign::Center);
    EXPECT_EQ(runStyles[1].textAlign, TextAlign::Right);
    EXPECT_EQ(runStyles[2].textAlign, TextAlign::Justify);
    EXPECT_EQ(runStyles[3].textAlign, TextAlign::Left);
    EXPECT_EQ(runStyles[4].verticalAlign, VerticalAlign::Top);
    EXPECT_EQ(runStyles[5].verticalAlign, VerticalAlign::Middle);
    EXPECT_EQ(runStyles[6].verticalAlign, VerticalAlign::Bottom);
    EXPECT_EQ(runStyles[7].verticalAlign, VerticalAlign::Baseline);
}

TEST_F(MarkupPassTest, StyledTagsAndClassSpansApplyStyleClasses)
{
    language.Styles().SetStyleClass(L".Warn", L"color: red");
    language.Styles().SetStyleClass(L".big", L"font-size: 30px");
    MarkupPass pass(language, surface);
    Run(pass, L"<h1>a</h1><span class=warn class=big>b</span><span class=none>c");
    EXPECT_EQ(runStyles[0].fontWeight, 700);
    EXPECT_EQ(runStyles[0].fontSize, 24);
    EXPECT_EQ(runStyles[1].textColor, 0x0000FFu);
    EXPECT_EQ(runStyles[1].fontSize, 30);
    EXPECT_EQ(runStyles[2].textColor, 0u);
}

TEST_F(MarkupPassTest, NonNestingTagsActAtOnce)
{
    actions.strings[7] = L"loaded";
    MarkupPass pass(language, surface);
    const std::vector<TagOutcome> outcomes = Run(pass,
        L"<br><br=3></br><br 2><t=2><hr width=50%><bmp idres=1><icon><strip cx=16><string idres=7>"
        L"<string iddll=8><string><br=0><t=99999>");
    ASSERT_EQ(outcomes.size(), 14u);
    EXPECT_EQ(outcomes[0].effect, TagEffect::LineBreak);
    EXPECT_EQ(outcomes[0].count, 1);
    EXPECT_EQ(outcomes[1].count, 3);
    EXPECT_EQ(outcomes[2].effect, TagEffect::LineBreak); // the closing form breaks too
    EXPECT_EQ(outcomes[3].count, 1);
    EXPECT_EQ(outcomes[4].effect, TagEffect::Tab);
    EXPECT_EQ(outcomes[4].count, 2);
    EXPECT_EQ(outcomes[5].effect, TagEffect::Rule);
    EXPECT_EQ(outcomes[5].attributes, L"width=50%");
    EXPECT_EQ(outcomes[6].effect, TagEffect::Image);
    EXPECT_EQ(outcomes[6].kind, TagKind::Bitmap);
    EXPECT_EQ(outcomes[7].kind, TagKind::Icon);
    EXPECT_EQ(outcomes[8].kind, TagKind::ImageStrip);
    EXPECT_EQ(outcomes[8].attributes, L"cx=16");
    EXPECT_EQ(outcomes[9].effect, TagEffect::TextRun);
    EXPECT_EQ(outcomes[9].text, L"loaded");
    EXPECT_EQ(outcomes[10].effect, TagEffect::None); // no string 8
    EXPECT_EQ(outcomes[11].effect, TagEffect::None); // no id at all: nothing is loaded
    EXPECT_EQ(actions.requestedStrings, (std::vector<unsigned>{7, 8}));
    EXPECT_EQ(outcomes[12].count, 1);
    EXPECT_EQ(outcomes[13].count, maxTagCount);
}

TEST_F(MarkupPassTest, KeysDecideWhetherATagNests)
{
    language.Tags()[L"plainbold"] = {TagKind::Bold, L""};
    language.Tags()[L"keyedbreak"] = {TagKind::LineBreak, L"keyedbreak"};
    MarkupPass pass(language, surface);
    const std::vector<TagOutcome> outcomes = Run(pass, L"<plainbold>a<keyedbreak><b>b</keyedbreak>c");
    EXPECT_EQ(runStyles[0].fontWeight, 400);
    EXPECT_EQ(outcomes[1].effect, TagEffect::StyleChanged);
    EXPECT_EQ(runStyles[1].fontWeight, 800);
    EXPECT_EQ(runStyles[2].fontWeight, 800); // </keyedbreak> does not match the open bold
}

TEST_F(MarkupPassTest, TablesOpenAndCloseStylesByKey)
{
    MarkupPass pass(language, surface);
    pass.OpenStyle(L"table");
    pass.CurrentStyle().margin = 9;
    pass.CloseStyle(L"td");
    EXPECT_EQ(pass.CurrentStyle().margin, 9);
    pass.CloseStyle(L"table");
    EXPECT_EQ(pass.CurrentStyle().margin, 2);
    EXPECT_TRUE(pass.CurrentStyle().name.empty());
}

TEST_F(MarkupPassTest, NestingDeeperThanTheLimitIsIgnored)
{
    std::wstring text;
    for (std::size_t i = 0; i < maxStyleNesting + 5; ++i) {
        text += L"<i>";
    }
    text += L"x";
    MarkupPass pass(language, surface);
    Run(pass, text);
    EXPECT_EQ(runStyles[0].italic, maxStyleNesting % 2 == 1);
}

TEST_F(MarkupPassTest, LinksAreNumberedInTextOrderInEveryPass)
{
    const wchar_t* text = L"<a href=one>1</a> <a msg=two>2</a> <a href=a msg=three>3</a><a>4</a>";
    for (int pass = 0; pass < 2; ++pass) {
        runStyles.clear();
        language.Links().ClearAreas();
        MarkupPass markupPass(language, surface);
        Run(markupPass, text);
        const std::vector<LinkArea>& areas = language.Links().Areas();
        ASSERT_EQ(areas.size(), 4u);
        EXPECT_EQ(areas[0].id, 0);
        EXPECT_EQ(areas[0].kind, LinkKind::Address);
        EXPECT_EQ(areas[0].target, L"one");
        EXPECT_EQ(areas[1].id, 1);
        EXPECT_EQ(areas[1].kind, LinkKind::Message);
        EXPECT_EQ(areas[2].id, 2);
        EXPECT_EQ(areas[2].kind, LinkKind::Message); // the last of href and msg wins
        EXPECT_EQ(areas[2].target, L"three");
        EXPECT_EQ(areas[3].target, L"");
        EXPECT_EQ(markupPass.LinkCounter(), 3);
    }
}

TEST_F(MarkupPassTest, TheHoveredLinkIsDrawnWithTheHoverClass)
{
    language.Styles().SetStyleClass(L"a:hover", L"color: #00ff00");
    language.Styles().SetStyleClass(L"a:link", L"color: #0000ff");
    const wchar_t* text = L"<a href=x>0</a><a href=y>1</a><a href=z>2</a>";
    {
        MarkupPass pass(language, surface);
        Run(pass, text);
    }
    const LinkArea second = language.Links().Areas()[1];
    language.Links().HoverAt(second.left + 1, second.top + 1);
    EXPECT_EQ(language.Links().HoveredLink(), 1);
    runStyles.clear();
    MarkupPass next(language, surface);
    Run(next, text);
    EXPECT_EQ(runStyles[0].textColor, 0xFF0000u);
    EXPECT_EQ(runStyles[1].textColor, 0x00FF00u);
    EXPECT_EQ(runStyles[2].textColor, 0xFF0000u);
}

TEST_F(MarkupPassTest, TextTransformOfTheRunningStyle)
{
    language.Styles().SetStyleClass(L".up", L"text-transform: uppercase");
    MarkupPass pass(language, surface);
    Run(pass, L"<span class=up>");
    EXPECT_EQ(pass.TransformText(L"abc"), L"ABC");
}

TEST_F(MarkupPassTest, BuiltInTagsAndClassesAreThere)
{
    for (const wchar_t* name : {L"b", L"i", L"u", L"s", L"font", L"hr", L"br", L"t", L"span", L"a", L"body", L"bmp",
             L"icon", L"strip", L"string", L"center", L"justify", L"top"}) {
        EXPECT_TRUE(language.Tags().contains(name)) << name;
    }
    for (const wchar_t* name : {L"body", L"hr", L"a:link", L"a:hover"}) {
        EXPECT_FALSE(language.Styles().StyleClass(name).empty()) << name;
    }
}

} // namespace
} // namespace fennick
