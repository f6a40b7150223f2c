#include <gtest/gtest.h>

#include "convert/portable/CodePage.h"
#include "tests/convert/support/Iconv.h"

namespace fennick::test {
namespace {

TEST(Cp949, ConvertsEveryCharacterAsIconvDoes)
{
    // Every pair iconv maps, with ASCII runs of changing length between them.
    Bytes text;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int second = 0x41; second <= 0xFE; ++second) {
            const Bytes pair{static_cast<unsigned char>(lead), static_cast<unsigned char>(second)};
            if (!ConvertByIconv("UTF-8", "CP949", pair)) {
                continue;
            }
            text.insert(text.end(), pair.begin(), pair.end());
            text.insert(text.end(), (lead + second) % 23, static_cast<unsigned char>(0x20 + second % 90));
        }
    }
    ASSERT_GT(text.size(), 17'000u * 2);
    Bytes converted(CodePage::Utf8Room(text.size()));
    const std::optional<std::size_t> length = AnsiCodePage().ToUtf8(text, converted);
    ASSERT_TRUE(length);
    converted.resize(*length);
    EXPECT_TRUE(converted == ConvertByIconv("UTF-8", "CP949", text));
}

} // namespace
} // namespace fennick::test
