#include "markup/portable/MarkupText.h"
#include "markup/portable/MarkupTokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fennick {
namespace {

// The tokens of a text as "text" or "<name|attributes>" and "</name|...>".
std::vector<std::wstring> Tokens(std::wstring_view text)
{
    std::vector<std::wstring> tokens;
    MarkupTokenizer tokenizer(text);
    while (const std::optional<MarkupToken> token = tokenizer.Next()) {
        const MarkupTag& tag = token->tag;
        const bool isText = token->kind == MarkupToken::Kind::Text;
        tokens.push_back(isText ? token->text : (tag.closing ? L"</" : L"<") + tag.name + L"|" + tag.attributes + L">");
    }
    return tokens;
}

using Texts = std::vector<std::wstring>;

TEST(TokenizerTest, CutsRunsAndTags)
{
    EXPECT_EQ(Tokens(L"a<b>bold</b> c"), (Texts{L"a", L"<b|>", L"bold", L"</b|>", L" c"}));
    EXPECT_EQ(Tokens(L"<font color=red size=2>"), (Texts{L"<font|color=red size=2>"}));
    EXPECT_EQ(Tokens(L"<br=2><br 2><br  =3>"), (Texts{L"<br|=2>", L"<br|2>", L"<br|=3>"}));
    EXPECT_EQ(ReadTagAt(L"x<td colspan=2>y", 1).attributes, L"colspan=2");
}

TEST(TokenizerTest, DoubledOpeningBracketIsALiteral)
{
    EXPECT_EQ(Tokens(L"a<<b"), (Texts{L"a<b"}));
    EXPECT_EQ(Tokens(L"x<"), (Texts{L"x<"}));
    EXPECT_EQ(Tokens(L"<<<b>y"), (Texts{L"<", L"<b|>", L"y"}));
}

TEST(TokenizerTest, BrokenAndEmptyTagsAreDropped)
{
    EXPECT_EQ(Tokens(L"a<>b"), (Texts{L"a", L"b"}));
    EXPECT_EQ(Tokens(L"<a<b<c"), (Texts{L"a", L"b", L"c"}));
    EXPECT_EQ(Tokens(L"< b>"), (Texts{L"<|b>"}));
    EXPECT_TRUE(ReadTagAt(L"<td colspan=2", 0).name.empty());
}

TEST(PrepareMarkupTest, LineFeedsTabsAndReplacements)
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
}

TEST(TransformTextTest, CaseTransforms)
{
    EXPECT_EQ(TransformText(L"hello World", TextTransform::Uppercase), L"HELLO WORLD");
    EXPECT_EQ(TransformText(L"hELLO wORLD-x 1a", TextTransform::Capitalize), L"Hello World-x 1a");
}

} // namespace
} // namespace fennick
