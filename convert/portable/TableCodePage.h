#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "convert/portable/CodePage.h"
#include "convert/portable/CodePageTables.h"

namespace fennick {

// A code page of one- and two-byte characters, converted through tables that are read from the
// system's own conversion once, when it is made: far faster than asking the system for every
// piece of text, and the same rules on every platform.
//
// A lead byte and the byte after it are one character when the code page has one for them.
// Otherwise the lead byte becomes the replacement character, and the byte after it goes with it
// when it is beyond ASCII and the second byte of some character; any other byte (a line break,
// a quote, a letter) converts on its own after it, so that a stray lead byte never takes its
// neighbour with it. A lead byte that ends the text becomes the replacement character.
class TableCodePage final : public CodePage {
public:
    // The character that `bytes`, one or two of them, stand for; nothing when the code page has
    // none for them.
    using Decoder = std::function<std::optional<char32_t>(std::span<const unsigned char> bytes)>;

    // `leadBytes` are the bytes that begin two-byte characters; bytes below 0x80, ASCII in every
    // such code page, never do. Characters beyond U+FFFF, which no such code page has, count as
    // none.
    TableCodePage(const std::array<bool, 256>& leadBytes, char32_t replacement, const Decoder& decode);

    Converted ToUtf8(std::span<const unsigned char> text, std::span<unsigned char> utf8, bool textEnds) const override;

private:
    std::unique_ptr<CodePageTables> tables_;
};

} // namespace fennick
