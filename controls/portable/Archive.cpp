#include "controls/portable/Archive.h"

#include <utility>

namespace fennick {

Archive::Archive(std::vector<std::uint8_t> bytes) : storing_(false), bytes_(std::move(bytes)) {}

void Archive::WriteInt32(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<std::uint8_t>(bits >> shift));
}

std::optional<std::int32_t> Archive::ReadInt32()
{
    if (bytes_.size() - readPosition_ < 4)
        return std::nullopt;
    std::uint32_t bits = 0;
    for (int shift = 0; shift < 32; shift += 8)
        bits |= static_cast<std::uint32_t>(bytes_[readPosition_++]) << shift;
    return static_cast<std::int32_t>(bits);
}

} // namespace fennick
