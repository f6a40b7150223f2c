#include "markup/portable/TableGrid.h"

#include "markup/portable/LayoutMath.h"

#include <algorithm>

namespace fennick {

namespace {

struct SpanOrigin {
    int span;
    int row;
    int column;
};

// The cells that start in a slot, narrow spans first, in row order within a span.
template <typename SpanOf>
std::vector<SpanOrigin> OriginsBySpan(const TableLayout& table, SpanOf spanOf)
{
    std::vector<SpanOrigin> origins;
    for (int row = 0; row < table.Rows(); ++row) {
        for (int column = 0; column < table.Columns(); ++column) {
            if (const int span = spanOf(table.Slot(row, column)); span >= 1) {
                origins.push_back({span, row, column});
            }
        }
    }
    std::stable_sort(origins.begin(), origins.end(),
                     [](const SpanOrigin& a, const SpanOrigin& b) { return a.span < b.span; });
    return origins;
}

// Grows the tracks [first, first + span) to hold `size`, the remainder going to `remainderTo`.
void Share(std::vector<int>& tracks, int first, int span, int size, int remainderTo)
{
    std::int64_t sum = 0;
    for (int i = first; i < first + span; ++i) {
        sum += tracks[i];
    }
    if (sum >= size) {
        return;
    }
    const std::int64_t missing = size - sum;
    for (int i = first; i < first + span; ++i) {
        tracks[i] = AddSaturated(tracks[i], missing / span);
    }
    tracks[remainderTo] = AddSaturated(tracks[remainderTo], missing % span);
}

} // namespace

int GridPlacer::NextFree(int row, int column) const
{
    while (column < static_cast<int>(coveredUntil_.size()) && coveredUntil_[column] > row) {
        ++column;
    }
    return column;
}

void GridPlacer::Cover(int row, int column, int colSpan, int rowSpan)
{
    const int end = static_cast<int>(std::min<std::int64_t>(std::int64_t{column} + colSpan, columns_));
    if (end > static_cast<int>(coveredUntil_.size())) {
        coveredUntil_.resize(end, 0);
    }
    const int until = AddSaturated(row, rowSpan);
    for (int i = column; i < end; ++i) {
        coveredUntil_[i] = std::max(coveredUntil_[i], until);
    }
}

int NaturalExtent(const std::vector<int>& sizes, int spacing)
{
    const auto count = static_cast<std::int64_t>(sizes.size());
    std::int64_t extent = (count + 1) * spacing + std::max<std::int64_t>(count - 1, 0);
    for (const int size : sizes) {
        extent += size;
    }
    return std::max(ClampCoordinate(extent), 0);
}

std::vector<std::int64_t> TrackStarts(const std::vector<int>& sizes, int spacing, int origin)
{
    std::vector<std::int64_t> starts(sizes.size() + 1);
    std::int64_t start = std::int64_t{origin} + spacing;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        starts[i] = start;
        start += std::int64_t{spacing} + sizes[i] + 1;
    }
    starts.back() = start;
    return starts;
}

int BorderInset(BorderStyle style, int width)
{
    return ClampCoordinate(std::int64_t{width} * (style == BorderDouble ? 3 : 1));
}

void SettleColumnWidths(TableLayout& table)
{
    for (const auto& [span, row, column] : OriginsBySpan(table, [](const CellSlot& slot) { return slot.colSpan; })) {
        const CellSlot& slot = table.Slot(row, column);
        if (slot.fixedWidth) {
            std::fill_n(table.fixedColumns.begin() + column, span, 1);
        }
        Share(table.columnWidths, column, span, slot.cellWidth, column + span - 1);
    }
}

void SettleRowHeights(TableLayout& table)
{
    for (const auto& [span, row, column] : OriginsBySpan(table, [](const CellSlot& slot) { return slot.rowSpan; })) {
        Share(table.rowHeights, row, span, table.Slot(row, column).cellHeight, row);
    }
}

bool SpreadExtraWidth(TableLayout& table, int extra)
{
    auto open = static_cast<int>(std::count(table.fixedColumns.begin(), table.fixedColumns.end(), 0));
    if (open == 0) {
        return false;
    }
    for (int column = 0; column < table.Columns(); ++column) {
        if (!table.fixedColumns[column]) {
            const int share = extra / open--;
            table.columnWidths[column] = AddSaturated(table.columnWidths[column], share);
            extra -= share;
        }
    }
    return true;
}

} // namespace fennick
