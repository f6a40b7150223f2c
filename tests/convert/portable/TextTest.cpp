#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "convert/portable/CodePageTables.h"
#include "convert/portable/FileConverter.h"
#include "convert/portable/Utf8Validator.h"
#include "tests/convert/support/EveryInstructionSet.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

bool IsUtf8(std::span<const unsigned char> bytes)
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

class IsUtf8Text : public EveryInstructionSet {};
INSTANTIATE_TEST_SUITE_P(, IsUtf8Text, testing::ValuesIn(SupportedInstructionSets()), InstructionSetTestName);

TEST_P(IsUtf8Text, JudgesEveryLeadByteAndSecondByteAsDecodingDoes)
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
TEST_P(IsUtf8Text, FindsAFaultAnywhereInLongText)
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
TEST_P(IsUtf8Text, AnswersAsForTheWholeTextWhereverItIsCut)
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

// Text of characters of every length, with ASCII runs of every length between them, then
// damaged in a few places: a byte replaced, removed or doubled.
Bytes DamagedText(std::mt19937& random)
{
    const std::u8string_view characters[] = {u8"a", u8"é", u8"한", u8"\uFFFD", u8"𝄞", u8"\U0010FFFF", u8"\u0800"};
    Bytes text;
    while (text.size() < 150) {
        const std::u8string_view character = characters[random() % std::size(characters)];
        text.insert(text.end(), character.begin(), character.end());
        text.insert(text.end(), random() % 40 == 0 ? 70 : random() % 3, ' ');
    }
    for (unsigned damage = random() % 3; damage > 0; --damage) {
        const auto at = text.begin() + static_cast<std::ptrdiff_t>(random() % text.size());
        switch (random() % 3) {
        case 0:
            *at = static_cast<unsigned char>(random());
            break;
        case 1:
            text.erase(at);
            break;
        default:
            const unsigned char doubled = *at;
            text.insert(at, doubled);
        }
    }
    return text;
}

// Every vector form answers as the plain one, on damaged texts seen from every start within a
// block, checked whole and in two pieces.
TEST_P(IsUtf8Text, AnswersAsThePlainFormOnDamagedText)
{
    if (GetParam() == InstructionSet::Plain) {
        GTEST_SKIP() << "the plain form is the reference";
    }
    std::mt19937 random(14);
    int utf8Texts = 0;
    for (int round = 0; round < 400; ++round) {
        const Bytes text = DamagedText(random);
        const std::size_t cut = random() % text.size();
        for (std::size_t start = 0; start < 64; ++start) {
            const std::span<const unsigned char> seen = std::span(text).subspan(start);
            bool answers[2];
            for (const InstructionSet set : {InstructionSet::Plain, GetParam()}) {
                UseInstructionSet(set);
                Utf8Validator validator;
                validator.Add(seen.first(std::min(cut, seen.size())));
                validator.Add(seen.subspan(std::min(cut, seen.size())));
                answers[set == InstructionSet::Plain] = IsUtf8(seen);
                ASSERT_EQ(validator.Finish(), IsUtf8(seen)) << "cut at " << cut;
            }
            ASSERT_EQ(answers[0], answers[1]) << ::testing::PrintToString(Bytes(seen.begin(), seen.end()));
            utf8Texts += answers[0];
        }
    }
    // Both kinds of text were met often.
    EXPECT_GT(utf8Texts, 5000);
    EXPECT_LT(utf8Texts, 400 * 64 - 5000);
}

class AnsiToUtf8 : public EveryInstructionSet {};
INSTANTIATE_TEST_SUITE_P(, AnsiToUtf8, testing::ValuesIn(SupportedInstructionSets()), InstructionSetTestName);

// A stray lead byte becomes "?"; the byte after it goes with it only when that byte is the
// second byte of some character and beyond ASCII. Each case also runs after enough ASCII for
// the vector form to take it.
TEST_P(AnsiToUtf8, TurnsWhatTheCodePageCannotMapIntoItsDefaultCharacter)
{
    Utf8Bytes utf8{'x'};
    EXPECT_FALSE(FileConverter().AnsiToUtf8({}, utf8));
    EXPECT_EQ(Bytes(utf8.begin(), utf8.end()), Bytes{'x'});
    const std::pair<Bytes, Bytes> cases[] = {
        {{0xB0, 0xA1, 'a'}, {0xEA, 0xB0, 0x80, 'a'}}, // a Hangul syllable
        {{0x81, 'A', 'a'}, {0xEA, 0xB0, 0x82, 'a'}}, // a letter as second byte
        {{'a', 0xB0}, {'a', '?'}}, // lead byte at the end
        {{'a', 0xB0, '\n', 'b'}, {'a', '?', '\n', 'b'}}, // before a line break
        {{'"', 0xB0, '"', '1'}, {'"', '?', '"', '1'}}, // before a quote
        {{0xB0, 0x00, 'a'}, {'?', 0x00, 'a'}}, // before NUL
        {{0xC6, 0x53, 'a'}, {'?', 'S', 'a'}}, // before a letter it makes no character with
        {{0xA5, 0xAB, 'a'}, {'?', 'a'}}, // an unassigned pair
        {{0xB0, 0xB0, 0xA1, 0xA1}, {0xEA, 0xB0, 0x99, 0xE3, 0x80, 0x80}}, // lead bytes pair up
        {{0xC9, 'a', 0xFE, 'b'}, {'?', 'a', '?', 'b'}}, // the lead bytes of user-defined characters
    };
    for (const auto& [ansi, expected] : cases) {
        for (const std::size_t ascii : {0, 70}) {
            Bytes text(ascii, '.');
            text.insert(text.end(), ansi.begin(), ansi.end());
            text.resize(text.size() + ascii, '.');
            Bytes converted(ascii, '.');
            converted.insert(converted.end(), expected.begin(), expected.end());
            converted.resize(converted.size() + ascii, '.');
            EXPECT_TRUE(FileConverter().AnsiToUtf8(text, utf8));
            EXPECT_EQ(Bytes(utf8.begin(), utf8.end()), converted) << ::testing::PrintToString(text);
        }
    }
}

// Runs of one kind of byte each, of lengths up to three windows: ASCII, lead bytes, the bytes
// of Hangul syllables, anything.
Bytes MixedText(std::mt19937& random, std::size_t length)
{
    const unsigned char kinds[][2] = {{0x20, 0x7F}, {0x81, 0xFE}, {0xA1, 0xFE}, {0x00, 0xFF}};
    Bytes text(length);
    for (auto byte = text.begin(); byte != text.end();) {
        const auto& kind = kinds[random() % 4];
        const auto run = std::min<std::ptrdiff_t>(1 + random() % (random() % 2 == 0 ? 8 : 200), text.end() - byte);
        byte = std::generate_n(
            byte, run, [&] { return static_cast<unsigned char>(kind[0] + random() % (kind[1] - kind[0] + 1)); });
    }
    return text;
}

// The vector forms find characters 64 bytes at a time and copy ASCII a cache line at a time,
// past the caches in long texts; whatever the bytes, they convert as the plain form, from every
// start within a window (a long text meets every alignment of its output along the way).
TEST_P(AnsiToUtf8, ConvertsAsThePlainFormWhateverTheBytes)
{
    if (GetParam() == InstructionSet::Plain) {
        GTEST_SKIP() << "the plain form is the reference";
    }
    const struct {
        std::size_t length;
        int texts;
        std::size_t startStep;
    } sizes[] = {{600, 300, 1}, {kStreamingLength + 600, 1, 64}};
    std::mt19937 random(949);
    for (const auto& size : sizes) {
        for (int round = 0; round < size.texts; ++round) {
            const Bytes text = MixedText(random, size.length);
            for (std::size_t start = 0; start < 64; start += size.startStep) {
                const std::span<const unsigned char> seen = std::span(text).subspan(start);
                Utf8Bytes converted[2];
                for (const InstructionSet set : {InstructionSet::Plain, GetParam()}) {
                    UseInstructionSet(set);
                    FileConverter().AnsiToUtf8(seen, converted[set == InstructionSet::Plain]);
                }
                ASSERT_TRUE(converted[0] == converted[1])
                    << "length " << seen.size() << ", first difference at "
                    << std::ranges::mismatch(converted[0], converted[1]).in1 - converted[0].begin();
            }
        }
    }
}

} // namespace
} // namespace fennick::test
