#include "convert/posix/IconvCodePage.h"

#include <emmintrin.h>
#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "convert/portable/AsciiRun.h"

namespace fennick {

namespace {

// Code page 949's default character, as Windows gives it, packed.
constexpr std::uint32_t defaultCharacter = (1u << 24) | '?';

// The outcome of converting one byte sequence on its own.
struct Mapping {
    enum class Kind { Character, Incomplete, Invalid } kind;
    std::uint32_t utf8; // packed, for a Character
};

class Converter {
public:
    explicit Converter(const char* charset) : descriptor_(iconv_open("UTF-8", charset))
    {
        if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("no iconv conversion from ") + charset);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() { iconv_close(descriptor_); }

    // How `bytes`, taken as exactly one character, convert.
    Mapping Map(std::initializer_list<unsigned char> bytes)
    {
        char input[2];
        std::memcpy(input, bytes.begin(), bytes.size());
        char output[8];
        char* in = input;
        char* out = output;
        std::size_t inLeft = bytes.size();
        std::size_t outLeft = sizeof output;
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(descriptor_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
            return {errno == EINVAL ? Mapping::Kind::Incomplete : Mapping::Kind::Invalid, 0};
        }
        const auto length = static_cast<std::size_t>(out - output);
        if (length == 0 || length > 3) {
            return {Mapping::Kind::Invalid, 0};
        }
        std::uint32_t packed = static_cast<std::uint32_t>(length) << 24;
        for (std::size_t i = 0; i < length; ++i) {
            packed |= static_cast<std::uint32_t>(static_cast<unsigned char>(output[i])) << (8 * i);
        }
        return {Mapping::Kind::Character, packed};
    }

private:
    iconv_t descriptor_;
};

} // namespace

IconvCodePage::IconvCodePage(const char* charset) : pairs_(256 * 256, defaultCharacter)
{
    Converter converter(charset);
    for (int byte = 0; byte < 256; ++byte) {
        const Mapping single = converter.Map({static_cast<unsigned char>(byte)});
        leadBytes_[byte] = single.kind == Mapping::Kind::Incomplete;
        singles_[byte] = single.kind == Mapping::Kind::Character ? single.utf8 : defaultCharacter;
        if (!leadBytes_[byte]) {
            continue;
        }
        for (int second = 1; second < 256; ++second) {
            const Mapping pair = converter.Map({static_cast<unsigned char>(byte), static_cast<unsigned char>(second)});
            if (pair.kind == Mapping::Kind::Character) {
                pairs_[byte * 256 + second] = pair.utf8;
            }
        }
    }
}

std::optional<std::size_t> IconvCodePage::ToUtf8(std::span<const unsigned char> text,
                                                 std::span<unsigned char> utf8) const
{
    unsigned char* out = utf8.data();
    const unsigned char* next = text.data();
    const unsigned char* const end = next + text.size();
    while (next != end) {
        if (*next < 0x80) {
            if (end - next < 16) {
                *out++ = *next++;
                continue;
            }
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(next));
            const auto highBits = static_cast<unsigned>(_mm_movemask_epi8(block));
            if (highBits == 0) {
                // A long run of ASCII goes over whole.
                const unsigned char* const asciiEnd = SkipAscii(next + 16, end);
                std::memcpy(out, next, static_cast<std::size_t>(asciiEnd - next));
                out += asciiEnd - next;
                next = asciiEnd;
            } else {
                // ASCII between other characters: all sixteen bytes are stored, which the room
                // of three output bytes per input byte allows, and the bytes after the ASCII
                // are written over next.
                const int ascii = __builtin_ctz(highBits);
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out), block);
                out += ascii;
                next += ascii;
            }
            continue;
        }
        PackedUtf8 character;
        if (leadBytes_[*next] && end - next >= 2 && next[1] != 0) {
            character = pairs_[next[0] * 256 + next[1]];
            next += 2;
        } else {
            character = singles_[*next];
            next += 1;
        }
        std::memcpy(out, &character, sizeof character);
        out += character >> 24;
    }
    return static_cast<std::size_t>(out - utf8.data());
}

const CodePage& AnsiCodePage()
{
    // Code page 949 by its own name: iconv's "EUC-KR" lacks the characters 949 adds.
    static const IconvCodePage codePage("CP949");
    return codePage;
}

} // namespace fennick
