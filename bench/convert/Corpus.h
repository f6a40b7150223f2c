#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace fennick::bench {

enum class CorpusKind {
    KoreanCp949, // Korean prose in code page 949 inside ASCII markup
    KoreanUtf8, // the same text in UTF-8
    Ascii, // English prose in the same markup
};

// The kind named `name` ("korean-cp949", "korean-utf8", "ascii"); raises on other names.
CorpusKind CorpusKindNamed(std::string_view name);

// A generated text of exactly `size` bytes of the given kind, the same for every call.
std::vector<unsigned char> MakeCorpus(CorpusKind kind, std::size_t size);

} // namespace fennick::bench
