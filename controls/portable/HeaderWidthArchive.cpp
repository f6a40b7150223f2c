#include "controls/portable/HeaderWidthArchive.h"

namespace fennick {

void StoreHeaderWidths(Archive& archive, const std::vector<int>& widths)
{
    archive.WriteInt32(static_cast<std::int32_t>(widths.size()));
    for (const int width : widths)
        archive.WriteInt32(width);
}

std::optional<std::vector<int>> LoadHeaderWidths(Archive& archive, int itemCount)
{
    const std::optional<std::int32_t> storedCount = archive.ReadInt32();
    if (!storedCount || *storedCount != itemCount || itemCount < 0)
        return std::nullopt;
    std::vector<int> widths;
    widths.reserve(static_cast<size_t>(itemCount));
    for (int i = 0; i < itemCount; ++i) {
        const std::optional<std::int32_t> width = archive.ReadInt32();
        if (!width)
            return std::nullopt;
        widths.push_back(*width);
    }
    return widths;
}

} // namespace fennick
