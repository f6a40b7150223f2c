#include <gtest/gtest.h>

#include <iconv.h>

#include "convert/portable/CodePage.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

// `text` converted from CP949 by iconv itself, or nothing when iconv rejects any of it.
std::optional<Bytes> Cp949ByIconv(std::span<const unsigned char> text)
{
    const iconv_t descriptor = iconv_open("UTF-8", "CP949");
    Bytes converted(4 * text.size());
    char* in = const_cast<char*>(reinterpret_cast<const char*>(text.data()));
    char* out = reinterpret_cast<char*>(converted.data());
    std::size_t inLeft = text.size();
    std::size_t outLeft = converted.size();
    const bool done = iconv(descriptor, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(descriptor);
    converted.resize(converted.size() - outLeft);
    return done ? std::optional(converted) : std::nullopt;
}

TEST(Cp949, ConvertsEveryCharacterAsIconvDoes)
{
    // Every pair iconv maps, with ASCII runs of changing length (up to three blocks) between them.
    Bytes text;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int second = 0x41; second <= 0xFE; ++second) {
            const Bytes pair{static_cast<unsigned char>(lead), static_cast<unsigned char>(second)};
            if (Cp949ByIconv(pair)) {
                text.insert(text.end(), pair.begin(), pair.end());
                text.insert(text.end(), (lead + second) % 53, static_cast<unsigned char>(0x20 + second % 90));
            }
        }
    }
    ASSERT_GT(text.size(), 17'000u * 2);
    Bytes converted(CodePage::Utf8Room(text.size()));
    const std::optional<std::size_t> length = AnsiCodePage().ToUtf8(text, converted);
    ASSERT_TRUE(length);
    converted.resize(*length);
    EXPECT_TRUE(converted == Cp949ByIconv(text));
}

} // namespace
} // namespace fennick::test
