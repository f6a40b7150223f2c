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

// Overlong forms, surrogates and values beyond U+10FFFF, told by decoding rather than by the
// byte ranges the code under test uses.
bool DecodesToACharacter(unsigned char first, unsigned char second)
{
    const int length = first >= 0xF8 ? 0 : first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 0;
    if (length == 0 || (second & 0xC0) != 0x80) {
        return false;
    }
    const char32_t value = ((first & (0x7F >> length)) << 6 | (second & 0x3F)) << (6 * (length - 2));
    const char32_t lowest[] = {0, 0, 0x80, 0x800, 0x10000};
    return value >= lowest[length] && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF);
}

TEST(IsUtf8Text, JudgesEveryLeadByteAndSecondByteAsDecodingDoes)
{
    for (int first = 0x80; first < 0x100; ++first) {
        for (int second = 0; second < 0x100; ++second) {
            Bytes text{static_cast<unsigned char>(first), static_cast<unsigned char>(second), 0x80, 0x80};
            text.resize(first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : 2);
            ASSERT_EQ(IsUtf8(text), DecodesToACharacter(first, second)) << std::hex << first << ' ' << second;
        }
    }
}

// Long ASCII runs are skipped a block at a time: a stray byte, a text cut short and a sequence
// that ASCII interrupts must be found at every place, after ASCII and after other characters.
TEST(IsUtf8Text, FindsAFaultAnywhereInLongText)
{
    for (const bool startsWithLetter : {true, false}) {
        for (std::size_t position = startsWithLetter ? 0 : 2; position < 200; ++position) {
            Bytes text(202, 'a');
            if (!startsWithLetter) {
                text[0] = 0xC3, text[1] = 0xA9;
            }
            text[200] = 0xC3, text[201] = 0xA9;
            ASSERT_TRUE(IsUtf8(text));
            if (position + 31 < 200) {
                Bytes interrupted = text;
                interrupted[position] = 0xEA;
                interrupted[position + 30] = 0xB0, interrupted[position + 31] = 0x80;
                EXPECT_FALSE(IsUtf8(interrupted)) << "interrupted at " << position;
            }
            text[position] = 0xB0;
            EXPECT_FALSE(IsUtf8(text)) << "stray byte at " << position;
            text.resize(position + 1);
            text[position] = 0xEA;
            EXPECT_FALSE(IsUtf8(text)) << "cut short at " << position;
        }
    }
}

// Files are checked a piece at a time: wherever the pieces are cut, the answer is the same.
TEST(Utf8Validator, AnswersAsForTheWholeTextWhereverItIsCut)
{
    const std::u8string_view korean = u8"<p>한국어 문서를 변환합니다 — 똠방각하 𝄞</p>\n";
    const Bytes whole(korean.begin(), korean.end());
    Bytes surrogate = whole;
    surrogate.insert(surrogate.begin() + 40, {0xED, 0xA0, 0x80});
    const Bytes cutShort(whole.begin(), whole.end() - 6);
    for (const Bytes& text : {whole, surrogate, cutShort, Bytes(60, 'a')}) {
        for (std::size_t first = 0; first <= text.size(); ++first) {
            for (std::size_t second = first; second <= text.size(); second += 7) {
                Utf8Validator validator;
                validator.Add(std::span(text).first(first));
                validator.Add(std::span(text).subspan(first, second - first));
                validator.Add(std::span(text).subspan(second));
                ASSERT_EQ(validator.Finish(), IsUtf8(text)) << "cut at " << first << " and " << second;
            }
        }
    }
}

TEST(AnsiToUtf8, TurnsWhatTheCodePageCannotMapIntoItsDefaultCharacter)
{
    Bytes utf8{'x'};
    EXPECT_FALSE(FileConverter().AnsiToUtf8({}, utf8));
    EXPECT_EQ(utf8, Bytes{'x'});
    const std::pair<Bytes, Bytes> cases[] = {
        {{'a', 0xB0}, {'a', '?'}}, // lead byte at the end
        {{0xB0, ' ', 'a'}, {'?', 'a'}}, // before a byte that cannot follow it
        {{0xC6, 0x53, 'a'}, {'?', 'a'}}, // unassigned pair
        {{0xB0, 0x00, 'a'}, {'?', 0x00, 'a'}}, // before NUL
        {{0x81, 'A', 'a'}, {0xEA, 0xB0, 0x82, 'a'}}, // a letter as second byte
    };
    for (const auto& [ansi, expected] : cases) {
        EXPECT_TRUE(FileConverter().AnsiToUtf8(ansi, utf8));
        EXPECT_EQ(utf8, expected) << ::testing::PrintToString(ansi);
    }
}

} // namespace
} // namespace fennick::test
