#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>

#include "convert/portable/CodePage.h"

namespace fennick {

// Receives UTF-8 text piece by piece, in order.
using Utf8Consumer = std::function<void(std::span<const unsigned char>)>;

// Converts text in a code page to UTF-8 piece by piece, so that neither the text nor its UTF-8
// form is ever needed whole. Pieces may be cut anywhere, also inside a character.
class Utf8Transcoder {
public:
    explicit Utf8Transcoder(const CodePage& codePage);

    // Converts the next piece, of any length, handing its UTF-8 form to `consume` in parts.
    // False when the code page fails.
    bool Convert(std::span<const unsigned char> piece, const Utf8Consumer& consume);

    // Ends the text: converts a lead byte that the last piece left waiting for its partner.
    bool Finish(const Utf8Consumer& consume);

private:
    // The most that goes to the code page at once: large enough to make the cost of a call
    // vanish, small enough for the cache.
    static constexpr std::size_t largestPart = std::size_t{256} * 1024;

    bool ConvertPart(std::span<const unsigned char> part, const Utf8Consumer& consume);
    bool ConvertWhole(std::span<const unsigned char> characters, const Utf8Consumer& consume);

    const CodePage& codePage_;
    std::unique_ptr<unsigned char[]> utf8_;
    std::optional<unsigned char> waitingLead_;
};

// The length of the longest prefix of `text`, which begins with a character, that ends
// between two characters: `text` itself, or all but a last lead byte whose partner lies beyond.
std::size_t WholeCharactersLength(const CodePage& codePage, std::span<const unsigned char> text);

} // namespace fennick
