#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace fennick {

// A small byte archive: either it collects what is written, or it reads given bytes back.
// Integers are stored little-endian, four bytes each.
class Archive {
public:
    Archive() = default; // storing
    explicit Archive(std::vector<std::uint8_t> bytes); // loading

    bool IsStoring() const { return storing_; }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    void WriteInt32(std::int32_t value);
    // Nothing once the bytes are used up.
    std::optional<std::int32_t> ReadInt32();

private:
    bool storing_ = true;
    std::vector<std::uint8_t> bytes_;
    size_t readPosition_ = 0;
};

} // namespace fennick
