#include "convert/portable/Utf8Transcoder.h"

namespace fennick {

std::span<const unsigned char> Utf8Transcoder::Convert(std::span<const unsigned char> piece)
{
    if (piece.empty()) {
        return {};
    }
    const std::span<unsigned char> utf8 = Room(piece.size() + 1);
    std::size_t written = 0;
    if (waitingLead_) {
        // The lead byte waiting from the last piece, with the first byte of this one: a pair, or
        // two characters, or a character and a lead byte that begins this piece again.
        const unsigned char pair[] = {*waitingLead_, piece.front()};
        waitingLead_.reset();
        const CodePage::Converted converted = codePage_.ToUtf8(pair, utf8, false);
        written = converted.written;
        piece = piece.subspan(converted.read - 1);
    }
    const CodePage::Converted converted = codePage_.ToUtf8(piece, utf8.subspan(written), false);
    if (converted.read < piece.size()) {
        waitingLead_ = piece.back();
    }
    return utf8.first(written + converted.written);
}

std::span<const unsigned char> Utf8Transcoder::Finish()
{
    if (!waitingLead_) {
        return {};
    }
    const unsigned char lead[] = {*waitingLead_};
    waitingLead_.reset();
    const std::span<unsigned char> utf8 = Room(1);
    return utf8.first(codePage_.ToUtf8(lead, utf8, true).written);
}

std::span<unsigned char> Utf8Transcoder::Room(std::size_t length)
{
    const std::size_t room = CodePage::Utf8Room(length);
    if (room > room_) {
        utf8_ = std::make_unique_for_overwrite<unsigned char[]>(room);
        room_ = room;
    }
    return {utf8_.get(), room};
}

} // namespace fennick
