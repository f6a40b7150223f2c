#include <gtest/gtest.h>

#include <iconv.h>

#include "convert/portable/CodePage.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

// iconv's own conversion of `cp949`, or nothing when iconv rejects any of it.
std::optional<Bytes> ConvertedByIconv(const Bytes& cp949)
{
    const iconv_t descriptor = iconv_open("UTF-8", "CP949");
    Bytes utf8(2 * cp949.size());
    char* in = const_cast<char*>(reinterpret_cast<const char*>(cp949.data()));
    char* out = reinterpret_cast<char*>(utf8.data());
    std::size_t inLeft = cp949.size();
    std::size_t outLeft = utf8.size();
    const std::size_t result = iconv(descriptor, &in, &inLeft, &out, &outLeft);
    iconv_close(descriptor);
    if (result == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    utf8.resize(utf8.size() - outLeft);
    return utf8;
}

TEST(Cp949, ConvertsEveryCharacterAsIconvDoes)
{
    // Every pair iconv maps, with ASCII runs of changing length between them.
    Bytes text;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int second = 0x41; second <= 0xFE; ++second) {
            const Bytes pair{static_cast<unsigned char>(lead), static_cast<unsigned char>(second)};
            if (!ConvertedByIconv(pair)) {
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
    EXPECT_TRUE(converted == ConvertedByIconv(text));
}

} // namespace
} // namespace fennick::test
