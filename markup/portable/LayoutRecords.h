#pragma once

#include "markup/portable/MarkupStyle.h"

#include <cstdint>
#include <vector>

namespace fennick {

// What the measure pass learns about one line, for the draw pass to align and justify it.
struct LineRecord {
    int width = 0; // content width; a percentage rule counts 1 pixel here
    int height = 0; // ascent part while measuring, then ascent + descent
    int descent = 0;
    int percent = 0; // sum of the percentage widths of the rules on the line
    TextAlign align = TextAlign::Left; // in force at the line's last content
    int breakCount = 0; // spaces on the line
    bool wrapped = false; // ended by wrapping, not by a break or the end of a block

    friend bool operator==(const LineRecord&, const LineRecord&) = default;
};

// The grid slot where a cell starts; a slot no cell starts in (unreached, or covered by a span)
// keeps zeros and is ignored.
struct CellSlot {
    int colSpan = 0;
    int rowSpan = 0;
    int contentWidth = 0; // widest inline block or nested table
    int contentHeight = 0; // sum of the content heights
    int cellWidth = 0; // content, or the width attribute if larger, plus borders and padding
    int cellHeight = 0;
    bool fixedWidth = false; // the cell has a width attribute

    friend bool operator==(const CellSlot&, const CellSlot&) = default;
};

// One table, nested tables included, in text order.
struct TableLayout {
    std::vector<CellSlot> cells; // rows x columns, row by row
    std::vector<int> columnWidths; // without spacing
    std::vector<int> rowHeights;
    std::vector<std::uint8_t> fixedColumns; // 1: a cell with a width lies in the column; it takes no extra width

    TableLayout() = default;
    TableLayout(int rows, int columns)
        : cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns)), columnWidths(columns),
          rowHeights(rows), fixedColumns(columns)
    {}

    int Rows() const { return static_cast<int>(rowHeights.size()); }
    int Columns() const { return static_cast<int>(columnWidths.size()); }
    CellSlot& Slot(int row, int column) { return cells[static_cast<std::size_t>(row) * columnWidths.size() + column]; }
    const CellSlot& Slot(int row, int column) const
    {
        return cells[static_cast<std::size_t>(row) * columnWidths.size() + column];
    }
};

// The grid slots one measure pass may allocate over all its tables. Rows beyond it are not laid
// out; a table with more columns than its share keeps the first ones, and cells that would
// start past them are left out.
constexpr std::int64_t kMaxTableSlots = std::int64_t{1} << 20;

// One animated image strip, in text order.
struct AnimationState {
    int frame = 0; // the cell shown
    int frameCount = 0; // cells in the strip
    int tick = 0; // timer ticks since the last frame change
    int ticksPerFrame = 0;

    friend bool operator==(const AnimationState&, const AnimationState&) = default;
};

} // namespace fennick
