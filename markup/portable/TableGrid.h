#pragma once

#include "markup/portable/BackgroundEffect.h"
#include "markup/portable/LayoutRecords.h"

#include <cstdint>
#include <vector>

namespace fennick {

// Where the cells of a table go: left to right along each row, past the slots that cells of
// the rows above cover with their row spans. A cell covers its whole block of columns and rows.
// Columns from `columns` on are not tracked: nothing is placed there.
class GridPlacer {
public:
    explicit GridPlacer(int columns) : columns_(columns) {}

    // The first column from `column` on that no cell above covers in the row.
    int NextFree(int row, int column) const;
    void Cover(int row, int column, int colSpan, int rowSpan);

private:
    int columns_;
    std::vector<int> coveredUntil_; // per column: the first row no longer covered
};

// Sizes of columns or rows with `spacing` around them and a one-pixel gap between neighbours.
int NaturalExtent(const std::vector<int>& sizes, int spacing);
// Where each track starts: origin + spacing + the tracks before it, each with its spacing and
// gap. One more entry than tracks, so a span of tracks [i, j) ends at starts[j] - spacing - 1.
std::vector<std::int64_t> TrackStarts(const std::vector<int>& sizes, int spacing, int origin);

// Room a table's border takes on each side: its width, three times that for a double border.
int BorderInset(BorderStyle style, int width);

// Column widths and row heights from the measured cells, narrow spans first. A spanning cell
// wider than its columns adds the difference evenly, the remainder to its last column; a taller
// one to its rows, the remainder to its first row.
void SettleColumnWidths(TableLayout& table);
void SettleRowHeights(TableLayout& table);

// Spreads extra width over the columns that are not fixed, in column order, later columns
// taking the remainder; false when every column is fixed.
bool SpreadExtraWidth(std::vector<int>& columnWidths, const std::vector<std::uint8_t>& fixedColumns, int extra);

} // namespace fennick
