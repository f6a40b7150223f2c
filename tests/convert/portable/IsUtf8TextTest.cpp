#include <gtest/gtest.h>

#include "convert/portable/FileConverter.h"
#include "convert/portable/Utf8Validator.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

bool IsUtf8(const Bytes& bytes)
{
    return FileConverter::IsUtf8Text(bytes);
}

// Lead and second bytes are judged one by one below.
TEST(IsUtf8Text, DecidesWholeTexts)
{
    const struct {
        const char* what;
        Bytes bytes;
        bool utf8;
    } cases[] = {
        {"empty", {}, false}, {"ASCII only", {'a', 'b', 'c'}, false}, {"CP949 Hangul", {0xB0, 0xA1}, false},
        {"one Hangul syllable in UTF-8", {'a', 0xEA, 0xB0, 0x80}, true}, {"the mark alone", {0xEF, 0xBB, 0xBF}, true},
        {"cut short", {'a', 0xEA, 0xB0}, false}, {"lone continuation byte", {0x80}, false},
        {"four-byte form with a bad last byte", {0xF0, 0x90, 0x80, 'a'}, false},
        {"valid text, then a bad byte", {0xEA, 0xB0, 0x80, 'a', 0xEA, 0xB0, 0x80, 0xFE}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsUtf8(c.bytes), c.utf8) << c.what;
    }
}

// What each pair of first two bytes allows, told by decoding rather than by byte ranges.
bool DecodesToACharacter(unsigned char first, unsigned char second)
{
    const int length = first >= 0xF0 && first <= 0xF7 ? 4 : first >= 0xE0 && first <= 0xEF ? 3
                     : first >= 0xC0 && first <= 0xDF ? 2 : 0;
    if (length == 0 || (second & 0xC0) != 0x80) {
        return false;
    }
    const char32_t high = (first & (0x7F >> length)) << 6 | (second & 0x3F);
    const char32_t value = high << (6 * (length - 2)); // the lowest value with these bits
    const char32_t lowest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return value >= lowest[length] && value <= 0x10FFFF && !surrogate;
}

TEST(IsUtf8Text, JudgesEveryLeadByteAndSecondByteAsDecodingDoes)
{
    for (int first = 0x80; first < 0x100; ++first) {
        for (int second = 0; second < 0x100; ++second) {
            Bytes text{static_cast<unsigned char>(first), static_cast<unsigned char>(second), 0x80, 0x80};
            const bool expected = DecodesToACharacter(first, second);
            // The shorter forms end early; what follows them must then be well-formed too.
            const std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : 2;
            text.resize(length);
            ASSERT_EQ(IsUtf8(text), expected) << std::hex << first << ' ' << second;
        }
    }
}

// Long ASCII runs are skipped a block at a time, before and after other characters: a stray
// byte and a text cut short must be found at every place, as must a sequence ASCII interrupts.
TEST(IsUtf8Text, FindsAFaultAnywhereInLongText)
{
    for (const std::size_t start : {0, 2}) {
        for (std::size_t position = start; position < 200; ++position) {
            Bytes text(202, 'a');
            text[0] = start == 0 ? 'a' : 0xC3;
            text[1] = start == 0 ? 'a' : 0xA9;
            text[200] = 0xC3;
            text[201] = 0xA9;
            ASSERT_TRUE(IsUtf8(text));
            text[position] = 0xB0;
            EXPECT_FALSE(IsUtf8(text)) << "stray byte at " << position;
            text.resize(position + 1);
            text[position] = 0xEA;
            EXPECT_FALSE(IsUtf8(text)) << "cut short at " << position;
        }
    }
}

TEST(IsUtf8Text, RejectsASequenceThatASCIIInterrupts)
{
    for (std::size_t position = 2; position < 40; ++position) {
        Bytes text(80, 'a');
        text[0] = 0xC3;
        text[1] = 0xA9;
        text[position] = 0xEA;
        text[position + 30] = 0xB0;
        text[position + 31] = 0x80;
        EXPECT_FALSE(IsUtf8(text)) << "lead byte at " << position;
    }
}

Bytes Utf8Bytes(std::u8string_view text)
{
    return Bytes(text.begin(), text.end());
}

// Files are checked a piece at a time: wherever the pieces are cut, the answer is the same.
TEST(Utf8Validator, AnswersAsForTheWholeTextWhereverItIsCut)
{
    const Bytes korean = Utf8Bytes(u8"<p>한국어 문서를 변환합니다 — 똠방각하 𝄞</p>\n");
    Bytes surrogate = korean;
    surrogate.insert(surrogate.begin() + 40, {0xED, 0xA0, 0x80});
    Bytes cutShort = korean;
    cutShort.resize(korean.size() - 6);
    const Bytes texts[] = {korean, surrogate, cutShort, Bytes(60, 'a')};
    for (const Bytes& text : texts) {
        const bool whole = IsUtf8(text);
        for (std::size_t first = 0; first <= text.size(); ++first) {
            for (std::size_t second = first; second <= text.size(); second += 7) {
                Utf8Validator validator;
                validator.Add(std::span(text).first(first));
                validator.Add(std::span(text).subspan(first, second - first));
                validator.Add(std::span(text).subspan(second));
                ASSERT_EQ(validator.Finish(), whole) << "cut at " << first << " and " << second;
            }
        }
    }
}

} // namespace
} // namespace fennick::test
