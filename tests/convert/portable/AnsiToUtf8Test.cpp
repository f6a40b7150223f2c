#include <gtest/gtest.h>

#include "convert/portable/FileConverter.h"
#include "convert/portable/Utf8Transcoder.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

Bytes Converted(const Bytes& ansi)
{
    Bytes utf8;
    EXPECT_TRUE(FileConverter().AnsiToUtf8(ansi, utf8));
    return utf8;
}

TEST(AnsiToUtf8, FailsOnEmptyTextLeavingTheOutputAlone)
{
    Bytes utf8{'x'};
    EXPECT_FALSE(FileConverter().AnsiToUtf8({}, utf8));
    EXPECT_EQ(utf8, Bytes{'x'});
}

TEST(AnsiToUtf8, TurnsWhatTheCodePageCannotMapIntoItsDefaultCharacter)
{
    const struct {
        const char* what;
        Bytes ansi;
        Bytes utf8;
    } cases[] = {
        {"lead byte at the end", {'a', 0xB0}, {'a', '?'}},
        {"lead byte before a byte that cannot follow it", {0xB0, ' ', 'a'}, {'?', 'a'}},
        {"unassigned pair", {0xC6, 0x53, 'a'}, {'?', 'a'}},
        {"lead byte before NUL", {0xB0, 0x00, 'a'}, {'?', 0x00, 'a'}},
        {"pair whose second byte is a letter", {0x81, 'A', 'a'}, {0xEA, 0xB0, 0x82, 'a'}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Converted(c.ansi), c.utf8);
    }
}

// Texts several pieces long, shaped so that piece boundaries fall inside characters.
TEST(AnsiToUtf8, ConvertsLongTextsAcrossPieceBoundaries)
{
    const struct {
        const char* what;
        Bytes prefix;
        Bytes unit;
        Bytes unitUtf8;
    } cases[] = {
        {"pairs only, odd start", {'a'}, {0xB0, 0xA1}, {0xEA, 0xB0, 0x80}},
        {"pairs ending in letters", {'a'}, {0x81, 'A'}, {0xEA, 0xB0, 0x82}},
        {"pairs after ASCII runs", {}, {'<', 'p', '>', 0xB0, 0xA1, ' '}, {'<', 'p', '>', 0xEA, 0xB0, 0x80, ' '}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes ansi = c.prefix;
        Bytes expected = c.prefix;
        while (ansi.size() < 1'500'000) {
            ansi.insert(ansi.end(), c.unit.begin(), c.unit.end());
            expected.insert(expected.end(), c.unitUtf8.begin(), c.unitUtf8.end());
        }
        EXPECT_TRUE(Converted(ansi) == expected);
    }
}

TEST(AnsiToUtf8, CopiesAsciiRunsOfEveryLengthAndAlignment)
{
    for (std::size_t run = 0; run < 150; ++run) {
        Bytes ansi(run, 'x');
        ansi.insert(ansi.end(), {0xB0, 0xA1});
        ansi.insert(ansi.end(), run % 37, 'y');
        Bytes expected(run, 'x');
        expected.insert(expected.end(), {0xEA, 0xB0, 0x80});
        expected.insert(expected.end(), run % 37, 'y');
        EXPECT_EQ(Converted(ansi), expected) << "run of " << run;
    }
}

TEST(WholeCharactersLength, EndsBeforeALeadByteWithoutItsPartner)
{
    const struct {
        Bytes text;
        std::size_t length;
    } cases[] = {
        {{}, 0},
        {{'a'}, 1},
        {{0xB0}, 0},
        {{0xB0, 0xA1}, 2},
        {{'a', 0xB0}, 1},
        {{0xB0, 0xA1, 0xB0}, 2},
        {{0x81, 'A', 0xB0}, 2},
        {{0x81, 'A'}, 2},
        {{'a', 0xB0, 0xB0, 0xB0}, 3},
        {{'a', 0xB0, 0xB0, 0xB0, 0xB0}, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WholeCharactersLength(AnsiCodePage(), c.text), c.length) << testing::PrintToString(c.text);
    }
}

} // namespace
} // namespace fennick::test
