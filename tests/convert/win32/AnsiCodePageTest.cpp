#include <gtest/gtest.h>

#include <windows.h>

#include "convert/portable/FileConverter.h"
#include "convert/win32/WindowsCodePage.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

// The system's own conversion of each code page, read into the tables; UTF-8 as the ANSI code
// page means code page 949.
TEST(CodePageForAnsi, ConvertsAsTheSystemAndTakesKoreanWhereTheAnsiCodePageIsUtf8)
{
    const struct {
        unsigned ansiCodePage;
        Bytes text;
        Bytes utf8;
    } cases[] = {
        {949, {0xB0, 0xA1, 'a', 0xB0, '\n'}, {0xEA, 0xB0, 0x80, 'a', '?', '\n'}},
        {CP_UTF8, {0xB0, 0xA1, 'a', 0xB0, '\n'}, {0xEA, 0xB0, 0x80, 'a', '?', '\n'}},
        {1252, {0xB0, 0xA1, 'a'}, {0xC2, 0xB0, 0xC2, 0xA1, 'a'}},
    };
    for (const auto& c : cases) {
        const TableCodePage codePage = CodePageForAnsi(c.ansiCodePage);
        Utf8Bytes utf8;
        EXPECT_TRUE(FileConverter(codePage).AnsiToUtf8(c.text, utf8));
        EXPECT_EQ(Bytes(utf8.begin(), utf8.end()), c.utf8) << c.ansiCodePage;
    }
}

} // namespace
} // namespace fennick::test
