#include "convert/portable/Utf8Transcoder.h"

#include <algorithm>

namespace fennick {

Utf8Transcoder::Utf8Transcoder(const CodePage& codePage)
    : codePage_(codePage), utf8_(std::make_unique_for_overwrite<unsigned char[]>(CodePage::Utf8Room(largestPart)))
{}

bool Utf8Transcoder::Convert(std::span<const unsigned char> piece, const Utf8Consumer& consume)
{
    for (std::size_t start = 0; start < piece.size(); start += largestPart) {
        if (!ConvertPart(piece.subspan(start, std::min(largestPart, piece.size() - start)), consume)) {
            return false;
        }
    }
    return true;
}

bool Utf8Transcoder::ConvertPart(std::span<const unsigned char> part, const Utf8Consumer& consume)
{
    if (waitingLead_) {
        const unsigned char pair[] = {*waitingLead_, part.front()};
        waitingLead_.reset();
        if (!ConvertWhole(pair, consume)) {
            return false;
        }
        part = part.subspan(1);
    }
    const std::size_t whole = WholeCharactersLength(codePage_, part);
    if (whole < part.size()) {
        waitingLead_ = part.back();
    }
    return whole == 0 || ConvertWhole(part.first(whole), consume);
}

bool Utf8Transcoder::Finish(const Utf8Consumer& consume)
{
    if (!waitingLead_) {
        return true;
    }
    const unsigned char lead[] = {*waitingLead_};
    waitingLead_.reset();
    return ConvertWhole(lead, consume);
}

bool Utf8Transcoder::ConvertWhole(std::span<const unsigned char> characters, const Utf8Consumer& consume)
{
    const std::optional<std::size_t> length =
        codePage_.ToUtf8(characters, {utf8_.get(), CodePage::Utf8Room(largestPart)});
    if (!length) {
        return false;
    }
    consume({utf8_.get(), *length});
    return true;
}

std::size_t WholeCharactersLength(const CodePage& codePage, std::span<const unsigned char> text)
{
    // A byte that cannot lead ends a character, alone or as the second byte of a pair; the lead
    // bytes after the last such byte (or from the start of the text) pair up from there.
    std::size_t leadBytesAtEnd = 0;
    while (leadBytesAtEnd < text.size() && codePage.IsLeadByte(text[text.size() - 1 - leadBytesAtEnd])) {
        ++leadBytesAtEnd;
    }
    return text.size() - leadBytesAtEnd % 2;
}

} // namespace fennick
