#include "convert/portable/PiecewiseConversion.h"

#include <algorithm>
#include <memory>

namespace fennick {

namespace {

// Large enough to make the per-piece cost vanish, small enough to stay in the cache.
constexpr std::size_t pieceLength = std::size_t{256} * 1024;

} // namespace

bool ConvertToUtf8InPieces(const CodePage& codePage, std::span<const unsigned char> ansi,
                           const Utf8Consumer& consume)
{
    const std::size_t room = CodePage::Utf8Room(std::min(ansi.size(), pieceLength));
    const auto utf8 = std::make_unique_for_overwrite<unsigned char[]>(room);
    while (!ansi.empty()) {
        const std::span<const unsigned char> piece =
            ansi.size() <= pieceLength
                ? ansi
                : ansi.first(WholeCharactersLength(codePage, ansi.first(pieceLength)));
        const std::optional<std::size_t> length = codePage.ToUtf8(piece, {utf8.get(), room});
        if (!length) {
            return false;
        }
        consume({utf8.get(), *length});
        ansi = ansi.subspan(piece.size());
    }
    return true;
}

std::size_t WholeCharactersLength(const CodePage& codePage, std::span<const unsigned char> text)
{
    // A byte that cannot lead ends a character, alone or as the second byte of a pair; the lead
    // bytes after the last such byte (or from the start of the text) pair up from there.
    std::size_t leadBytesAtEnd = 0;
    while (leadBytesAtEnd < text.size() &&
           codePage.IsLeadByte(text[text.size() - 1 - leadBytesAtEnd])) {
        ++leadBytesAtEnd;
    }
    return text.size() - leadBytesAtEnd % 2;
}

} // namespace fennick
