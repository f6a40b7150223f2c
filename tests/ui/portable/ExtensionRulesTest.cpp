#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/portable/CollectionSummary.h"
#include "ui/portable/ExclusionPatterns.h"

namespace fennick {
namespace {

TEST(ExtensionRulesTest, ExclusionPatternsMatchWholeNames)
{
    const struct {
        const wchar_t* patterns;
        std::vector<const wchar_t*> hidden;
    } cases[] = {
        {L"*.html;*php;", {L"a.html", L"b.HTML", L"c.php", L"x.y\\d.php", L"F.PHP", L"myphp"}},
        {L"*.HTML", {L"a.html", L"b.HTML"}},
        {L" php ; ", {L"c.php", L"x.y\\d.php", L"F.PHP"}},
        {L".php", {L"c.php", L"x.y\\d.php", L"F.PHP"}},
        {L"*.min.js", {L"app.min.js"}},
        {L"read?e.*", {L"readme.txt", L"README.md"}},
        {L";; ;", {}},
        {L"README;Make?ile", {L"Makefile"}}, // a bare word is an extension
        {L"*.Ä", {}}, // only ASCII letters match across cases
    };
    const wchar_t* const names[] = {L"a.html",     L"b.HTML",    L"c.php",  L"x.y\\d.php", L"F.PHP",
                                    L"myphp",      L"d.htm",     L"e.h",    L"app.min.js", L"app.js",
                                    L"readme.txt", L"README.md", L"README", L"Makefile",   L"a.ä"};
    for (const auto& c : cases) {
        const ExclusionPatterns patterns(c.patterns);
        std::vector<const wchar_t*> hidden;
        for (const wchar_t* name : names) {
            if (patterns.Hides(std::wstring(L"C:\\w\\") + name))
                hidden.push_back(name);
        }
        EXPECT_EQ(std::vector<std::wstring>(hidden.begin(), hidden.end()),
                  std::vector<std::wstring>(c.hidden.begin(), c.hidden.end()))
            << ::testing::PrintToString(std::wstring(c.patterns));
    }
}

// A file's key is the text of its name from the last dot: a dot in a folder's name is not one.
TEST(ExtensionRulesTest, SummaryShowsAndCountsTheFilesNotExcludedInUtf16KeyOrder)
{
    // U+1F600 is a surrogate pair in UTF-16 and so sorts before U+FF21, unlike in code-point order.
    const CollectedPaths paths{L"C:\\w\\i.html",       L"C:\\w\\p.php",    L"C:\\w\\U.HTML",     L"C:\\w\\o.htm",
                               L"C:\\w\\m.h",          L"C:\\x.y\\README", L"C:\\w\\a.tar.gz",   L"C:\\w\\c.txt",
                               L"C:\\w\\b.TXT",        L"C:\\w\\c.txt",    L"C:\\w\\.gitignore", L"C:\\w\\end.",
                               L"C:\\w\\e.\U0001F600", L"C:\\w\\f.\uFF21"};
    const CollectionSummary summary = SummarizeCollection(paths, L"*.html;*php;");

    EXPECT_EQ(summary.shownPaths, (std::vector<std::wstring_view>(paths.begin() + 3, paths.end())));
    const std::vector<std::pair<const std::wstring, int>> expected{
        {L".", 1},    {L".TXT", 1}, {L".gitignore", 1},  {L".gz", 1},     {L".h", 1},
        {L".htm", 1}, {L".txt", 2}, {L".\U0001F600", 1}, {L".\uFF21", 1}, {L"없음", 1}};
    EXPECT_EQ(std::vector(summary.extensions.begin(), summary.extensions.end()), expected);
}

} // namespace
} // namespace fennick
