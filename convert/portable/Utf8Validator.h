#pragma once

#include <emmintrin.h>

#include <span>

namespace fennick {

// Decides, piece by piece, whether a text is well-formed UTF-8 that holds at least one
// character beyond ASCII. Well-formed excludes overlong forms, encoded surrogates and values
// beyond U+10FFFF. Pieces may be cut anywhere, also inside a character.
class Utf8Validator {
public:
    void Add(std::span<const unsigned char> piece);

    // Whether the text added so far already cannot be UTF-8, whatever follows.
    bool Failed() const { return _mm_movemask_epi8(faults_) != 0; }

    // Ends the text and tells whether it is UTF-8 text; a character left unfinished is not.
    bool Finish();

private:
    void Check(__m128i block);

    // What the last block checked holds, for the blocks after it.
    __m128i bytes_ = _mm_setzero_si128();
    __m128i lead_ = _mm_setzero_si128(); // C0-FF: one continuation byte or more to follow
    __m128i lead3_ = _mm_setzero_si128(); // E0-FF: two or more
    __m128i lead4_ = _mm_setzero_si128(); // F0-FF: three
    bool afterAscii_ = true;

    __m128i faults_ = _mm_setzero_si128();
    bool beyondAscii_ = false;

    // The start of a block that the last piece left incomplete.
    alignas(16) unsigned char partial_[16] = {};
    std::size_t partialLength_ = 0;
};

} // namespace fennick
