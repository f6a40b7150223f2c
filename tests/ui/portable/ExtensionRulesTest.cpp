#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "ui/portable/CollectionSummary.h"
#include "ui/portable/ExtensionKey.h"
#include "ui/portable/ExtensionTable.h"

namespace fennick {
namespace {

// Names the cases in test listings with ASCII only.
std::string Ascii(std::wstring_view text)
{
    if (text.empty())
        return "(empty)";
    std::string ascii;
    for (const wchar_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F) {
            ascii += static_cast<char>(unit);
        } else {
            char escaped[16];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(unit));
            ascii += escaped;
        }
    }
    return ascii;
}

struct KeyCase {
    const wchar_t* path;
    const wchar_t* key;
};

void PrintTo(const KeyCase& keyCase, std::ostream* out)
{
    *out << Ascii(keyCase.path);
}

class ExtensionKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ExtensionKeyTest, IsTheLastComponentsTextFromItsLastDot)
{
    EXPECT_EQ(ExtensionKey(FileExtension(GetParam().path)), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Paths, ExtensionKeyTest,
    ::testing::Values(KeyCase{L"C:\\docs\\a.txt", L".txt"},
                      KeyCase{L"C:\\docs\\a.tar.gz", L".gz"},
                      KeyCase{L"C:\\x.y\\README", L"없음"},
                      KeyCase{L"/home/x.y/README", L"없음"},
                      KeyCase{L"C:\\docs\\b.TXT", L".TXT"},
                      KeyCase{L"C:\\docs\\.gitignore", L".gitignore"},
                      KeyCase{L"C:\\docs\\trailing.", L"."},
                      KeyCase{L"C:\\문서\\보고서.한글", L".한글"},
                      KeyCase{L"README", L"없음"},
                      KeyCase{L"", L"없음"}));

struct MatchCase {
    const wchar_t* path;
    const wchar_t* key;
    bool matches;
};

void PrintTo(const MatchCase& matchCase, std::ostream* out)
{
    *out << Ascii(matchCase.path) << " with " << Ascii(matchCase.key);
}

class ExtensionMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(ExtensionMatchTest, IgnoresTheCaseOfAsciiLettersOnly)
{
    EXPECT_EQ(MatchesExtensionKey(GetParam().path, GetParam().key), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(Keys, ExtensionMatchTest,
    ::testing::Values(MatchCase{L"C:\\a.txt", L".txt", true},
                      MatchCase{L"C:\\a.TXT", L".txt", true},
                      MatchCase{L"C:\\a.txt", L".TXT", true},
                      MatchCase{L"C:\\a.txt", L".tx", false},
                      MatchCase{L"C:\\a.tx", L".txt", false},
                      MatchCase{L"C:\\a.tar.gz", L".tar.gz", false},
                      MatchCase{L"C:\\x.y\\README", L"없음", true},
                      MatchCase{L"C:\\a.txt", L"없음", false},
                      MatchCase{L"C:\\a.Ä", L".ä", false},
                      MatchCase{L"C:\\a.", L".", true}));

struct ExclusionCase {
    const wchar_t* extension;
    bool hidden;
};

void PrintTo(const ExclusionCase& exclusionCase, std::ostream* out)
{
    *out << Ascii(exclusionCase.extension);
}

class ExampleExclusionTest : public ::testing::TestWithParam<ExclusionCase> {};

TEST_P(ExampleExclusionTest, HidesExtensionsFoundInsideTheText)
{
    EXPECT_EQ(IsExcluded(GetParam().extension, L"*.html;*php;"), GetParam().hidden);
}

INSTANTIATE_TEST_SUITE_P(Extensions, ExampleExclusionTest,
    ::testing::Values(ExclusionCase{L".html", true},
                      ExclusionCase{L".htm", true},
                      ExclusionCase{L".h", true},
                      ExclusionCase{L".", true},
                      ExclusionCase{L".php", false},
                      ExclusionCase{L".HTML", false},
                      ExclusionCase{L".txt", false},
                      ExclusionCase{L"", false}));

TEST(ExclusionTest, EmptyTextHidesNothing)
{
    EXPECT_FALSE(IsExcluded(L".txt", L""));
    EXPECT_FALSE(IsExcluded(L"", L""));
}

TEST(ExtensionTableTest, KeysFollowUtf16CodeUnitOrder)
{
    ExtensionTable table;
    // U+1F600 is a surrogate pair in UTF-16 and so comes before U+FF21, unlike in code-point order.
    for (const wchar_t* key : {L"없음", L".txt", L"._\U0001F600", L".TXT", L"._\uFF21", L".h", L".Txt", L".a"})
        CountExtension(table, key);
    std::vector<std::wstring> keys;
    for (const auto& [key, count] : table)
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::wstring>{L".TXT", L".Txt", L"._\U0001F600", L"._\uFF21", L".a", L".h", L".txt",
                                               L"없음"}));
}

TEST(ExtensionTableTest, CountsRepeatedKeysOnce)
{
    ExtensionTable table;
    for (const wchar_t* key : {L".txt", L".TXT", L".txt", L"없음", L".txt"})
        CountExtension(table, key);
    EXPECT_EQ(table, (ExtensionTable{{L".TXT", 1}, {L".txt", 3}, {L"없음", 1}}));
}

TEST(SummarizeCollectionTest, ShowsAndCountsTheFilesNotExcluded)
{
    const CollectedPaths paths{L"C:\\w\\index.html", L"C:\\w\\old.htm", L"C:\\w\\main.h",   L"C:\\w\\page.php",
                               L"C:\\w\\UP.HTML",    L"C:\\x.y\\README", L"C:\\w\\a.tar.gz", L"C:\\w\\b.TXT",
                               L"C:\\w\\c.txt",      L"C:\\w\\c.txt",    L"C:\\w\\Makefile"};
    const CollectionSummary summary = SummarizeCollection(paths, L"*.html;*php;");

    EXPECT_EQ(summary.shownPaths,
              (std::vector<std::wstring_view>{L"C:\\w\\page.php", L"C:\\w\\UP.HTML", L"C:\\x.y\\README",
                                              L"C:\\w\\a.tar.gz", L"C:\\w\\b.TXT", L"C:\\w\\c.txt", L"C:\\w\\c.txt",
                                              L"C:\\w\\Makefile"}));
    EXPECT_EQ(summary.extensions,
              (ExtensionTable{{L".HTML", 1}, {L".TXT", 1}, {L".gz", 1}, {L".php", 1}, {L".txt", 2}, {L"없음", 2}}));
}

TEST(SummarizeCollectionTest, EmptyCollectionGivesNothing)
{
    const CollectionSummary summary = SummarizeCollection({}, L"*.txt");
    EXPECT_TRUE(summary.shownPaths.empty());
    EXPECT_TRUE(summary.extensions.empty());
}

} // namespace
} // namespace fennick
