// Writes a generated benchmark corpus: fennick_make_corpus <kind> <size in bytes> <path>,
// kind being korean-cp949, korean-utf8 or ascii.
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "bench/convert/Corpus.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s korean-cp949|korean-utf8|ascii <bytes> <path>\n", argv[0]);
        return 2;
    }
    try {
        const auto corpus = fennick::bench::MakeCorpus(fennick::bench::CorpusKindNamed(argv[1]), std::stoull(argv[2]));
        std::ofstream file(argv[3], std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(corpus.data()), static_cast<std::streamsize>(corpus.size()));
        return file.flush() ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s: %s\n", argv[0], failure.what());
        return 1;
    }
}
