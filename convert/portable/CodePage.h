#pragma once

#include <span>
#include <vector>

namespace fennick {

// A byte encoding of text with characters of one or two bytes, such as the system's ANSI code
// page, as far as converting it to UTF-8 goes.
class CodePage {
public:
    virtual ~CodePage() = default;

    // Whether `byte` begins a two-byte character.
    virtual bool IsLeadByte(unsigned char byte) const = 0;

    // Appends the UTF-8 form of `text` to `utf8`. `text` holds whole characters, except that
    // the end of the whole input may be a lead byte without its second byte. Bytes the code
    // page cannot map become its default character. False only when the system fails.
    virtual bool AppendUtf8(std::span<const unsigned char> text,
                            std::vector<unsigned char>& utf8) const = 0;
};

// The system's ANSI code page: the active one on Windows (949 on Korean systems), code page
// 949 itself everywhere else.
const CodePage& AnsiCodePage();

} // namespace fennick
