#include "controls/portable/ColumnSpec.h"

#include "framework/portable/LeadingInteger.h"

namespace fennick {

std::vector<ColumnDescription> ParseColumnSpec(std::wstring_view spec)
{
    std::vector<ColumnDescription> columns;
    size_t position = 0;
    while (position < spec.size()) {
        const size_t comma = spec.find(L',', position);
        if (comma == std::wstring_view::npos)
            break;
        const size_t widthStart = comma + 1;
        const size_t separator = spec.find(L';', widthStart);
        const size_t widthEnd = separator == std::wstring_view::npos ? spec.size() : separator;
        columns.push_back({std::wstring(spec.substr(position, comma - position)),
                           LeadingInteger(spec.substr(widthStart, widthEnd - widthStart))});
        position = widthEnd + 1;
    }
    return columns;
}

} // namespace fennick
