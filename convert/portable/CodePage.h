#pragma once

#include <cstddef>
#include <optional>
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

    // Whether `byte` begins a two-byte character.
    virtual bool IsLeadByte(unsigned char byte) const = 0;

    // Writes the UTF-8 form of `text` to `utf8`, which holds Utf8Room(text.size()) bytes, and
    // returns its length; nothing only when the system fails. `text` holds whole characters,
    // except that the end of the whole input may be a lead byte without its second byte. Bytes
    // the code page cannot map become its default character.
    virtual std::optional<std::size_t> ToUtf8(std::span<const unsigned char> text,
                                              std::span<unsigned char> utf8) const = 0;
};

// The system's ANSI code page: the active one on Windows (949 on Korean systems), code page
// 949 itself everywhere else.
const CodePage& AnsiCodePage();

} // namespace fennick
