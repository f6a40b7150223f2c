#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fennick {

struct ColumnDescription {
    std::wstring name;
    int width; // pixels
    bool operator==(const ColumnDescription&) const = default;
};

// Reads a column specification "name,width;name,width…". A name runs from where the previous
// description ended up to the next comma, taken as it is (a ";" inside included); its width
// runs from that comma to the next ";" or the end, read as a leading integer (0 when there is
// none). Text after the last comma-bearing description is ignored.
std::vector<ColumnDescription> ParseColumnSpec(std::wstring_view spec);

} // namespace fennick
