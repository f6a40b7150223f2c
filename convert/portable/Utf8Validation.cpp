#include <array>

#include "convert/portable/AsciiRun.h"
#include "convert/portable/FileConverter.h"

namespace fennick {

namespace {

// What a byte allows where a character begins: the length of its sequence (0: it cannot begin
// one) and the range of the byte after it. The ranges leave out overlong forms, surrogates
// and values above U+10FFFF, so that only well-formed UTF-8 passes.
struct SequenceStart {
    unsigned char length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

constexpr std::array<SequenceStart, 256> sequenceStarts = [] {
    std::array<SequenceStart, 256> starts{};
    for (int byte = 0xC2; byte <= 0xDF; ++byte) {
        starts[byte] = {2, 0x80, 0xBF};
    }
    for (int byte = 0xE0; byte <= 0xEF; ++byte) {
        starts[byte] = {3, 0x80, 0xBF};
    }
    for (int byte = 0xF0; byte <= 0xF4; ++byte) {
        starts[byte] = {4, 0x80, 0xBF};
    }
    starts[0xE0].secondLow = 0xA0;  // below: three bytes for what fits in two
    starts[0xED].secondHigh = 0x9F; // above: surrogates
    starts[0xF0].secondLow = 0x90;  // below: four bytes for what fits in three
    starts[0xF4].secondHigh = 0x8F; // above: beyond U+10FFFF
    return starts;
}();

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool FileConverter::IsUtf8Text(std::span<const unsigned char> bytes)
{
    const unsigned char* next = bytes.data();
    const unsigned char* const end = next + bytes.size();
    bool beyondAscii = false;
    for (;;) {
        next = SkipAscii(next, end);
        if (next == end) {
            return beyondAscii;
        }
        beyondAscii = true;
        // Text beyond ASCII mostly strings sequences together: check them back to back.
        do {
            const SequenceStart start = sequenceStarts[*next];
            if (start.length == 0 || end - next < start.length || next[1] < start.secondLow ||
                next[1] > start.secondHigh) {
                return false;
            }
            if (start.length > 2 && !IsContinuation(next[2])) {
                return false;
            }
            if (start.length > 3 && !IsContinuation(next[3])) {
                return false;
            }
            next += start.length;
        } while (next != end && *next >= 0x80);
    }
}

} // namespace fennick
