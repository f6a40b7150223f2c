#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>

#include "convert/portable/CodePage.h"

namespace fennick {

// Converts text in a code page to UTF-8 piece by piece, so that neither the text nor its UTF-8
// form is ever needed whole. Pieces may be cut anywhere, also inside a character.
class Utf8Transcoder {
public:
    explicit Utf8Transcoder(const CodePage& codePage) : codePage_(codePage) {}

    // The UTF-8 form of the next piece, of any length, as far as its characters are complete;
    // it stays valid until the next call.
    std::span<const unsigned char> Convert(std::span<const unsigned char> piece);

    // Ends the text: the UTF-8 form of a lead byte that the last piece left waiting for its
    // partner, if any.
    std::span<const unsigned char> Finish();

private:
    // Room for the UTF-8 form of `length` bytes.
    std::span<unsigned char> Room(std::size_t length);

    const CodePage& codePage_;
    std::unique_ptr<unsigned char[]> utf8_;
    std::size_t room_ = 0;
    std::optional<unsigned char> waitingLead_;
};

} // namespace fennick
