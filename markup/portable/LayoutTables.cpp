// Tables: the grid sized from the measured cells, then rows and cells placed in it.
#include "markup/portable/BackgroundImageSource.h"
#include "markup/portable/CellAttributes.h"
#include "markup/portable/LayoutMath.h"
#include "markup/portable/LayoutPass.h"
#include "markup/portable/MarkupDrawer.h"
#include "markup/portable/TableGrid.h"

#include <algorithm>
#include <optional>

namespace fennick {

namespace {

// The style of a table, row or cell: opened with the element and closed with it, together with
// any tag its markup left open, so nothing inside a cell reaches the next one.
class StyleScope {
public:
    StyleScope(MarkupPass& pass, std::wstring_view key)
        : pass_(pass), depth_(pass.StackDepth()), opened_(pass.OpenStyle(key))
    {
        if (!opened_) {
            saved_ = pass.CurrentStyle(); // the stack is full: keep the copy here
        }
    }
    ~StyleScope()
    {
        if (opened_) {
            pass_.RestoreStyle(depth_);
        } else {
            pass_.CurrentStyle() = std::move(*saved_);
            pass_.SelectStyleFont();
        }
    }
    StyleScope(const StyleScope&) = delete;
    StyleScope& operator=(const StyleScope&) = delete;

private:
    MarkupPass& pass_;
    std::size_t depth_;
    bool opened_;
    std::optional<MarkupStyle> saved_;
};

PixelRect Inset(const PixelRect& rect, int by)
{
    return {AddSaturated(rect.left, by), AddSaturated(rect.top, by), SubtractSaturated(rect.right, by),
            SubtractSaturated(rect.bottom, by)};
}

BackgroundFill FillOf(const MarkupStyle& style)
{
    // Tables and cells give textures a little noise and no blend toward the first colour.
    return {style.backEffect, style.backColor, style.backMidColor, style.backEndColor, 5, 0};
}

} // namespace

// Where the tracks of a table start in the draw pass.
struct LayoutPass::TableFrame {
    int spacing = 0;
    std::vector<std::int64_t> columnStarts;
    std::vector<std::int64_t> rowStarts;

    PixelRect CellRect(int row, int column, int rowSpan, int colSpan) const
    {
        return {ClampCoordinate(columnStarts[column]), ClampCoordinate(rowStarts[row]),
                ClampCoordinate(columnStarts[column + colSpan] - spacing - 1),
                ClampCoordinate(rowStarts[row + rowSpan] - spacing - 1)};
    }
};

PixelSize LayoutPass::LayOutTable(const TableNode& node, const PixelRect& rect)
{
    std::deque<TableLayout>& tables = drawer_.tables_;
    ++tableIndex_;
    if (Measuring()) {
        tables.push_back(NewTableLayout(node));
    }
    TableLayout missing;
    TableLayout& table = static_cast<std::size_t>(tableIndex_) < tables.size() ? tables[tableIndex_] : missing;

    const StyleScope scope(style_, L"table");
    style_.ApplyStyleClass(L"table", Style());
    ParseCellAttributes(style_.Parser(), drawer_.document_.tokens[node.open].tag.attributes, Style(), true);
    style_.SelectStyleFont();
    const MarkupStyle& style = Style();
    const int borderAllowance = ClampCoordinate(std::int64_t{2} * BorderInset(style.borderStyle, style.borderWidth));

    TableFrame frame{style.padding, {}, {}};
    PixelSize size;
    if (!Measuring()) {
        const PixelRect placed = PlaceTable(table, rect, borderAllowance);
        const PixelRect area = Inset(placed, BorderInset(style.borderStyle, style.borderWidth));
        frame.columnStarts = TrackStarts(table.columnWidths, frame.spacing, area.left);
        frame.rowStarts = TrackStarts(table.rowHeights, frame.spacing, area.top);
        size = {placed.Width(), placed.Height()};
    }
    GridPlacer placer(table.Columns());
    const int rows = std::min(table.Rows(), static_cast<int>(node.rows.size()));
    for (int row = 0; row < rows && table.Columns() > 0; ++row) {
        LayOutRow(node.rows[row], row, table, placer, frame);
    }
    if (Measuring()) {
        SettleColumnWidths(table);
        SettleRowHeights(table);
        size = {AddSaturated(NaturalExtent(table.columnWidths, frame.spacing), borderAllowance),
                AddSaturated(NaturalExtent(table.rowHeights, frame.spacing), borderAllowance)};
    }
    return size;
}

TableLayout LayoutPass::NewTableLayout(const TableNode& node)
{
    const int rows = static_cast<int>(std::min<std::int64_t>(static_cast<std::int64_t>(node.rows.size()), slotBudget_));
    if (rows == 0) {
        return {};
    }
    // Where the cells would go, with their spans read as the layout will read them.
    const int columnLimit = static_cast<int>(std::min<std::int64_t>(slotBudget_ / rows, kMaxTableSlots));
    const StyleParser parser = style_.Parser();
    GridPlacer placer(columnLimit);
    int columns = 0;
    for (int row = 0; row < rows; ++row) {
        int column = 0;
        for (const CellNode& cell : node.rows[row].cells) {
            column = placer.NextFree(row, column);
            if (column >= columnLimit) {
                break;
            }
            MarkupStyle scratch;
            const CellSpan span =
                ParseCellAttributes(parser, drawer_.document_.tokens[cell.open].tag.attributes, scratch, true);
            placer.Cover(row, column, span.columns, span.rows);
            column = static_cast<int>(std::min<std::int64_t>(std::int64_t{column} + span.columns, columnLimit));
            columns = std::max(columns, column);
        }
    }
    slotBudget_ -= std::int64_t{rows} * std::max(columns, 1);
    return TableLayout(rows, columns);
}

PixelRect LayoutPass::PlaceTable(TableLayout& table, const PixelRect& rect, int borderAllowance)
{
    const MarkupStyle& style = Style();
    const int spacing = style.padding;
    int width = AddSaturated(NaturalExtent(table.columnWidths, spacing), borderAllowance);
    const int height = AddSaturated(NaturalExtent(table.rowHeights, spacing), borderAllowance);
    const int available = rect.Width();
    int left = rect.left;
    if (width < available) {
        if (SpreadExtraWidth(table, available - width)) {
            width = available;
        } else if (style.textAlign == TextAlign::Center) {
            left = AddSaturated(left, (std::int64_t{available} - width) / 2);
        } else if (style.textAlign == TextAlign::Right) {
            left = SubtractSaturated(rect.right, width);
        }
    }
    const PixelRect placed{left, rect.top, AddSaturated(left, width), AddSaturated(rect.top, height)};
    const ColorScheme& colors = drawer_.language_.Colors();
    if (style.backEffect < 0) {
        if (!style.backImage.empty() && colors.Enabled()) {
            surface_.DrawBackgroundImage(placed, ParseBackgroundImageSource(style.backImage, style_.Parser()));
        }
    } else {
        surface_.FillBackground(placed, FillOf(style));
    }
    if (style.borderWidth > 0) {
        surface_.DrawBorderRect(placed, colors.Shown(style.borderColorLight), colors.Shown(style.borderColorDark),
                                style.borderStyle, style.borderWidth);
    }
    return placed;
}

void LayoutPass::LayOutRow(const RowNode& row, int rowIndex, TableLayout& table, GridPlacer& placer,
                           const TableFrame& frame)
{
    const StyleScope scope(style_, L"tr");
    style_.ApplyStyleClass(L"tr", Style());
    ParseCellAttributes(style_.Parser(), drawer_.document_.tokens[row.open].tag.attributes, Style(), false);
    style_.SelectStyleFont();
    const int columns = table.Columns();
    int column = 0;
    for (const CellNode& cell : row.cells) {
        column = placer.NextFree(rowIndex, column);
        if (column >= columns) {
            break; // cells past the grid are left out
        }
        CellSlot& slot = table.Slot(rowIndex, column);
        const PixelSize maxSpan{columns - column, table.Rows() - rowIndex};
        PixelRect rect{};
        if (!Measuring()) {
            rect = frame.CellRect(rowIndex, column, std::clamp(slot.rowSpan, 1, maxSpan.height),
                                  std::clamp(slot.colSpan, 1, maxSpan.width));
        }
        LayOutCell(cell, rect, slot, maxSpan);
        const int colSpan = std::clamp(slot.colSpan, 1, maxSpan.width);
        placer.Cover(rowIndex, column, colSpan, std::clamp(slot.rowSpan, 1, maxSpan.height));
        column += colSpan;
    }
}

void LayoutPass::LayOutCell(const CellNode& cell, const PixelRect& rect, CellSlot& slot, PixelSize maxSpan)
{
    const StyleScope scope(style_, L"td");
    MarkupStyle& style = Style();
    style_.ApplyStyleClass(L"td", style);
    style.width = style.height = 0;
    const CellSpan span =
        ParseCellAttributes(style_.Parser(), drawer_.document_.tokens[cell.open].tag.attributes, style, false);
    style_.SelectStyleFont();
    const int width = style.width;
    const int height = style.height;
    const int inset = AddSaturated(style.margin, style.borderWidth);
    PixelRect content{rect.left, rect.top, AddSaturated(rect.left, width), rect.top};
    if (Measuring()) {
        slot = {std::clamp(span.columns, 1, maxSpan.width),
                std::clamp(span.rows, 1, maxSpan.height),
                width,
                0,
                0,
                0,
                width > 0};
    } else {
        const ColorScheme& colors = drawer_.language_.Colors();
        if (style.backEffect >= 0) {
            surface_.FillBackground(rect, FillOf(style));
        }
        if (style.borderStyle != BorderNone) {
            surface_.DrawBorderRect(rect, colors.Shown(style.borderColorDark), colors.Shown(style.borderColorLight),
                                    style.borderStyle, 1);
        }
        content = Inset(rect, inset);
        if (style.verticalAlign == VerticalAlign::Middle) {
            content.top =
                AddSaturated(content.top, (std::int64_t{content.bottom} - slot.contentHeight - content.top) / 2);
        } else if (style.verticalAlign == VerticalAlign::Bottom) {
            content.top = SubtractSaturated(content.bottom, slot.contentHeight);
        }
    }
    const PixelSize inner = LayOutPieces(cell.open + 1, cell.end, cell.tables, content, width);
    if (Measuring()) {
        slot.contentWidth = std::max(slot.contentWidth, inner.width);
        slot.contentHeight = inner.height;
        const std::int64_t frameSize = 2 * std::int64_t{inset};
        slot.cellWidth = ClampCoordinate(std::max(slot.contentWidth, width) + frameSize);
        slot.cellHeight = ClampCoordinate(std::max(slot.contentHeight, height) + frameSize);
    }
}

} // namespace fennick
