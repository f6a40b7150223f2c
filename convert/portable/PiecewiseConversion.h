#pragma once

#include <cstddef>
#include <functional>
#include <span>

#include "convert/portable/CodePage.h"

namespace fennick {

// Receives the UTF-8 form of a text piece by piece, in order.
using Utf8Consumer = std::function<void(std::span<const unsigned char>)>;

// Converts `ansi` to UTF-8 in pieces of bounded size, so that neither the UTF-8 form of a
// large text nor any intermediate form is ever held whole. False when the code page fails.
bool ConvertToUtf8InPieces(const CodePage& codePage, std::span<const unsigned char> ansi,
                           const Utf8Consumer& consume);

// The length of the longest prefix of `text`, which begins with a character, that ends
// between two characters: `text` itself, or all but a last lead byte whose second byte
// lies beyond it.
std::size_t WholeCharactersLength(const CodePage& codePage, std::span<const unsigned char> text);

} // namespace fennick
