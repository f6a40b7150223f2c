#pragma once

#include <cstddef>
#include <span>

namespace fennick {

// A byte encoding of text with characters of one or two bytes, such as the system's ANSI code
// page, as far as converting it to UTF-8 goes.
class CodePage {
public:
    virtual ~CodePage() = default;

    // Room enough for the UTF-8 form of `length` bytes in any such code page: three bytes per
    // byte, and one to spare for converters that store characters four bytes at a time.
    static constexpr std::size_t Utf8Room(std::size_t length) { return 3 * length + 1; }

    struct Converted {
        std::size_t read; // bytes of the text
        std::size_t written; // bytes of UTF-8
    };

    // Writes the UTF-8 form of `text` to `utf8`, which holds Utf8Room(text.size()) bytes. A lead
    // byte that ends `text` is left unread for the next text to complete, unless `textEnds`.
    // Bytes that are no character become the code page's replacement character.
    virtual Converted ToUtf8(std::span<const unsigned char> text, std::span<unsigned char> utf8,
                             bool textEnds) const = 0;
};

// The system's ANSI code page: on Windows the active one (949 on Korean systems), or 949 where
// the active one is UTF-8; code page 949 itself everywhere else.
const CodePage& AnsiCodePage();

} // namespace fennick
