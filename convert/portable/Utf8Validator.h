#pragma once

#include <span>

#include "convert/portable/Utf8Checks.h"

namespace fennick {

// Decides, piece by piece, whether a text is well-formed UTF-8 that holds at least one
// character beyond ASCII. Well-formed excludes overlong forms, encoded surrogates and values
// beyond U+10FFFF. Pieces may be cut anywhere, also inside a character. The check runs in the
// form for the instruction set in use when the validator is made.
class Utf8Validator {
public:
    Utf8Validator();

    void Add(std::span<const unsigned char> piece);

    // Whether the text added so far already cannot be UTF-8, whatever follows.
    bool Failed() const { return faulty_; }

    // Ends the text and tells whether it is UTF-8 text; a character left unfinished is not.
    bool Finish();

private:
    Utf8Check check_;
    unsigned char last_[3] = {}; // the last three bytes added, NULs before the text
    bool faulty_ = false;
    bool beyondAscii_ = false;
};

} // namespace fennick
