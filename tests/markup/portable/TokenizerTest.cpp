#include "markup/portable/MarkupText.h"
#include "markup/portable/MarkupTokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fennick {
namespace {

using Texts = std::vector<std::wstring>;

// The tokens of a text as "text" or "<name|attributes>" and "</name|...>".
Texts Tokens(std::wstring_view text)
{
    Texts tokens;
    MarkupTokenizer tokenizer(text);
    while (const std::optional<MarkupToken> token = tokenizer.Next()) {
        const MarkupTag& tag = token->tag;
        const bool isText = token->kind == MarkupToken::Kind::Text;
        tokens.push_back(isText ? token->text : (tag.closing ? L"</" : L"<") + tag.name + L"|" + tag.attributes + L">");
    }
    return tokens;
}

TEST(TokenizerTest, CutsRunsAndTagsAndDropsBrokenOnes)
{
    const std::pair<const wchar_t*, Texts> cases[] = {
        {L"a<b>bold</b> c", {L"a", L"<b|>", L"bold", L"</b|>", L" c"}},
        {L"<font color=red size=2>", {L"<font|color=red size=2>"}},
        {L"<br=2><br 2><br  =3>", {L"<br|=2>", L"<br|2>", L"<br|=3>"}},
        {L"a<<b", {L"a<b"}}, // a doubled bracket is a literal
        {L"x<", {L"x<"}},
        {L"<<<b>y", {L"<", L"<b|>", L"y"}},
        {L"a<>b", {L"a", L"b"}},
        {L"<a<b<c", {L"a", L"b", L"c"}},
        {L"< b>", {L"<|b>"}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(Tokens(text), expected) << text;
    }
}

TEST(PrepareMarkupTest, LineFeedsTabsReplacementsAndCase)
{
    const ReplacementTable none;
    EXPECT_EQ(PrepareMarkup(L"a\r\nb\tc", none, true), L"a<br>b<t>c");
    EXPECT_EQ(PrepareMarkup(L"a\r\nb\tc", none, false), L"abc");
    ReplacementTable replacements = DefaultReplacements();
    EXPECT_EQ(PrepareMarkup(L"1 &lt; 2 &gt; 0&nbsp;", replacements, false), L"1 << 2 > 0\u00A0");
    replacements[L"a"] = L"aa"; // applied once, in key order, never to its own result
    replacements[L""] = L"never";
    replacements[L"b"] = L"a";
    EXPECT_EQ(PrepareMarkup(L"ab", replacements, false), L"aaa");
    EXPECT_EQ(TransformText(L"hELLO wORLD-x 1a", TextTransform::Capitalize), L"Hello World-x 1a");
}

} // namespace
} // namespace fennick
