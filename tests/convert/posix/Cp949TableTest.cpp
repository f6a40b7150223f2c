#include <gtest/gtest.h>

#include <iconv.h>

#include "convert/portable/CodePage.h"
#include "tests/convert/support/EveryInstructionSet.h"
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

Bytes ToUtf8(std::span<const unsigned char> text)
{
    Bytes converted(CodePage::Utf8Room(text.size()));
    converted.resize(AnsiCodePage().ToUtf8(text, converted, true).written);
    return converted;
}

class Cp949 : public EveryInstructionSet {};
INSTANTIATE_TEST_SUITE_P(, Cp949, testing::ValuesIn(SupportedInstructionSets()), InstructionSetTestName);

TEST_P(Cp949, ConvertsEveryCharacterAsIconvDoes)
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
    EXPECT_TRUE(ToUtf8(text) == Cp949ByIconv(text));
}

// As on Windows, every byte 0x81-0xFE begins a pair, also the two whose characters iconv lacks.
TEST_P(Cp949, PairsUpEveryByteFrom81ToFE)
{
    for (const unsigned char lead : {0xC9, 0xFE}) {
        EXPECT_EQ(ToUtf8(Bytes{lead, 0xB0, 0xA1}), Bytes({'?', '?'})) << std::hex << int{lead};
    }
}

} // namespace
} // namespace fennick::test
