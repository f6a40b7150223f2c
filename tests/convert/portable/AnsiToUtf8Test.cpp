#include <gtest/gtest.h>

#include "convert/portable/FileConverter.h"
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
        EXPECT_EQ(Converted(c.ansi), c.utf8) << c.what;
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

} // namespace
} // namespace fennick::test
