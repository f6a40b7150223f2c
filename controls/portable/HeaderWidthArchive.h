#pragma once

#include <optional>
#include <vector>

#include "controls/portable/Archive.h"

namespace fennick {

// A header's column widths in an archive: the item count, then each item's width in pixels.
void StoreHeaderWidths(Archive& archive, const std::vector<int>& widths);

// The widths stored for a header that now has `itemCount` items. Nothing when the stored count
// differs (the widths are then left unread) or the archive ends early, so a header is never
// given part of a width list.
std::optional<std::vector<int>> LoadHeaderWidths(Archive& archive, int itemCount);

} // namespace fennick
