#include <iconv.h>

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>

#include "convert/portable/TableCodePage.h"

namespace fennick {

namespace {

// Characters of a code page as the C library's iconv knows them.
class IconvDecoder {
public:
    explicit IconvDecoder(const char* charset) : descriptor_(iconv_open("UTF-32LE", charset))
    {
        if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("no iconv conversion from ") + charset);
        }
    }
    IconvDecoder(const IconvDecoder&) = delete;
    IconvDecoder& operator=(const IconvDecoder&) = delete;
    ~IconvDecoder() { iconv_close(descriptor_); }

    // The one character that all of `bytes` stand for, if they do.
    std::optional<char32_t> operator()(std::span<const unsigned char> bytes)
    {
        char input[2];
        std::memcpy(input, bytes.data(), bytes.size());
        char32_t output[2];
        char* in = input;
        char* out = reinterpret_cast<char*>(output);
        std::size_t inLeft = bytes.size();
        std::size_t outLeft = sizeof output;
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(descriptor_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0 ||
            outLeft != sizeof output - sizeof(char32_t)) {
            return std::nullopt;
        }
        return output[0];
    }

private:
    iconv_t descriptor_;
};

} // namespace

const CodePage& AnsiCodePage()
{
    // Code page 949 by its own name: iconv's "EUC-KR" lacks the characters 949 adds. Every byte
    // 0x81-0xFE leads, as on Windows, also the two whose characters iconv does not know.
    static const TableCodePage codePage = [] {
        std::array<bool, 256> leadBytes{};
        for (int byte = 0x81; byte <= 0xFE; ++byte) {
            leadBytes[byte] = true;
        }
        IconvDecoder decoder("CP949");
        return TableCodePage(leadBytes, U'?', std::ref(decoder));
    }();
    return codePage;
}

} // namespace fennick
