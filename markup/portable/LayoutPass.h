#pragma once

#include "framework/portable/PixelGeometry.h"
#include "markup/portable/HostSurface.h"
#include "markup/portable/ImageAttributes.h"
#include "markup/portable/LayoutMath.h"
#include "markup/portable/LayoutRecords.h"
#include "markup/portable/MarkupDocument.h"
#include "markup/portable/MarkupPass.h"

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace fennick {

class MarkupDrawer;
class GridPlacer;

enum class PassKind { Measure, Draw };

// One pass of MarkupDrawer over its document. The measure pass writes the line, table and
// animation records that the draw pass, running the same code, reads back to place things.
class LayoutPass {
public:
    LayoutPass(MarkupDrawer& drawer, HostSurface& surface, PassKind kind);

    // Measure: the size of the block; draw: the height it took.
    PixelSize LayOutDocument(const PixelRect& rect);
    // The lines ended so far; a line started after the last of them holds nothing.
    std::size_t LinesEnded() const { return lineIndex_; }

private:
    struct Image;
    struct TableFrame;

    bool Measuring() const { return kind_ == PassKind::Measure; }
    MarkupStyle& Style() { return style_.CurrentStyle(); }

    // Inline blocks and the tables among them, stacked down from the rectangle's top. Lines
    // break at breakWidth (0: never), the width the measure pass had for the block.
    PixelSize LayOutPieces(std::size_t from, std::size_t to, const std::vector<std::size_t>& tables, PixelRect rect,
                           int breakWidth);
    PixelSize LayOutInline(std::size_t from, std::size_t to, const PixelRect& rect, int breakWidth);
    void LayOutToken(const MarkupToken& token);
    void LayOutText(std::wstring_view run);
    int DrawPiece(std::wstring_view piece, int width, int top, int height);

    void StartLine();
    void EndLine(bool wrapped, int count);
    bool Wrapping() const { return breakWidth_ != 0; }
    bool LineIsEmpty() const { return lineContent_ == 0; }
    int BreakSpace() const { return SubtractSaturated(breakWidth_, lineContent_); }
    // Moves on along the line: x by what is drawn, the content by what the measure counted.
    void Advance(int drawn, int measured);
    int TextTop(int height);
    int ObjectTop(int height);

    void Tab(int count);
    void Rule(std::wstring_view attributes);
    void StringRun(std::wstring_view text);
    void LayOutImage(TagKind kind, std::wstring_view attributes);
    Image OpenImage(TagKind kind, const ImageSpec& spec);
    void DrawImage(const Image& image, const ImageSpec& spec, const PixelRect& box);

    PixelSize LayOutTable(const TableNode& node, const PixelRect& rect);
    TableLayout NewTableLayout(const TableNode& node);
    // Draw pass: spreads the columns over the rectangle's width, draws the background and the
    // border, and answers where the table went.
    PixelRect PlaceTable(TableLayout& table, const PixelRect& rect, int borderAllowance);
    void LayOutRow(const RowNode& row, int rowIndex, TableLayout& table, GridPlacer& placer, const TableFrame& frame);
    void LayOutCell(const CellNode& cell, const PixelRect& rect, CellSlot& slot, PixelSize maxSpan);

    MarkupDrawer& drawer_;
    HostSurface& surface_;
    const PassKind kind_;
    MarkupPass style_;

    // The inline block being laid out and its current line.
    PixelRect block_;
    int breakWidth_ = 0;
    int x_ = 0;
    int y_ = 0;
    int widest_ = 0;
    std::size_t lineIndex_ = 0;
    LineRecord line_;
    // Width of the line so far as the measure pass counts it: without justification, and with a
    // percentage rule as one pixel. Both passes break lines by it, so they break alike.
    int lineContent_ = 0;
    int remainingContent_ = 0; // draw pass: unjustified width of the line from x on
    int remainingBreaks_ = 0; // draw pass: spaces of the line from x on

    int tableIndex_ = -1;
    int animationIndex_ = -1;
    std::int64_t slotBudget_; // table slots the measure pass may still allocate
};

} // namespace fennick
