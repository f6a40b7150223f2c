#include "markup/portable/LayoutPass.h"

#include "markup/portable/LayoutMath.h"
#include "markup/portable/LineBreaker.h"
#include "markup/portable/MarkupDrawer.h"
#include "markup/portable/TextScan.h"

#include <algorithm>

namespace fennick {

namespace {

// Every inline block is laid out inside these, so the class "body" frames each block.
const MarkupTag kBodyOpen{L"body", L"", false};
const MarkupTag kBodyClose{L"body", L"", true};

int Spaces(std::wstring_view text)
{
    return ClampCoordinate(static_cast<std::int64_t>(CountChar(text, L' ')));
}

} // namespace

LayoutPass::LayoutPass(MarkupDrawer& drawer, HostSurface& surface, PassKind kind)
    : drawer_(drawer), surface_(surface), kind_(kind), style_(drawer.language_, surface), slotBudget_(kMaxTableSlots)
{}

PixelSize LayoutPass::LayOutDocument(const PixelRect& rect)
{
    surface_.SetTextJustification(0, 0);
    const MarkupDocument& document = drawer_.document_;
    return LayOutPieces(0, document.tokens.size(), document.topTables, rect, drawer_.wrapWidth_);
}

PixelSize LayoutPass::LayOutPieces(std::size_t from, std::size_t to, const std::vector<std::size_t>& tables,
                                   PixelRect rect, int breakWidth)
{
    PixelSize size;
    const auto stack = [&](PixelSize piece) {
        size.width = std::max(size.width, piece.width);
        size.height = AddSaturated(size.height, piece.height);
        rect.top = AddSaturated(rect.top, piece.height);
    };
    std::size_t position = from;
    for (const std::size_t index : tables) {
        const TableNode& table = drawer_.document_.tables[index];
        if (position < table.open) {
            stack(LayOutInline(position, table.open, rect, breakWidth));
        }
        stack(LayOutTable(table, rect));
        position = table.end + 1;
    }
    if (position < to) {
        stack(LayOutInline(position, to, rect, breakWidth));
    }
    return size;
}

PixelSize LayoutPass::LayOutInline(std::size_t from, std::size_t to, const PixelRect& rect, int breakWidth)
{
    style_.ApplyTag(kBodyOpen);
    block_ = rect;
    breakWidth_ = drawer_.wrapWidth_ != 0 ? std::max(breakWidth, 0) : 0;
    x_ = rect.left;
    y_ = rect.top;
    widest_ = 0;
    const std::size_t firstLine = lineIndex_;
    StartLine();
    for (std::size_t i = from; i < to; ++i) {
        LayOutToken(drawer_.document_.tokens[i]);
    }
    if (!LineIsEmpty()) {
        EndLine(false, 1);
    }
    surface_.SetTextJustification(0, 0);
    if (Measuring()) {
        // A percentage rule is as wide as that share of the block, which is known only now.
        for (std::size_t i = firstLine; i < lineIndex_; ++i) {
            const LineRecord& line = drawer_.lines_[i];
            if (line.percent != 0) {
                widest_ = std::max(widest_, AddSaturated(line.width, PercentOf(widest_, line.percent)));
            }
        }
    }
    style_.ApplyTag(kBodyClose);
    return {widest_, SubtractSaturated(y_, rect.top)};
}

void LayoutPass::LayOutToken(const MarkupToken& token)
{
    if (token.kind == MarkupToken::Kind::Text) {
        LayOutText(style_.TransformText(token.text));
        return;
    }
    const TagOutcome outcome = style_.ApplyTag(token.tag);
    switch (outcome.effect) {
    case TagEffect::LineBreak:
        EndLine(false, outcome.count);
        StartLine();
        break;
    case TagEffect::Tab:
        Tab(outcome.count);
        break;
    case TagEffect::Rule:
        Rule(outcome.attributes);
        break;
    case TagEffect::Image:
        LayOutImage(outcome.kind, outcome.attributes);
        break;
    case TagEffect::TextRun:
        StringRun(outcome.text);
        break;
    case TagEffect::None:
    case TagEffect::StyleChanged:
        break;
    }
}

void LayoutPass::LayOutText(std::wstring_view run)
{
    const int height = surface_.TextMetrics().height;
    while (!run.empty()) {
        surface_.SetTextJustification(0, 0);
        const int top = TextTop(height);
        LinePiece piece;
        if (Wrapping()) {
            piece = BreakLine(surface_, run, BreakSpace(), LineIsEmpty());
        } else {
            piece = {run, surface_.TextExtent(run).width};
            run = {};
        }
        int drawn = piece.width;
        if (Measuring()) {
            if (!piece.text.empty()) {
                line_.align = Style().textAlign;
                line_.breakCount = AddSaturated(line_.breakCount, Spaces(piece.text));
            }
        } else if (piece.width != 0) {
            drawn = DrawPiece(piece.text, piece.width, top, height);
        }
        Advance(drawn, piece.width);
        if (!run.empty()) {
            EndLine(true, 1);
            StartLine();
        }
    }
}

int LayoutPass::DrawPiece(std::wstring_view piece, int width, int top, int height)
{
    // The last piece of a line leaves its trailing spaces out of the justification.
    if (width == remainingContent_ && piece.ends_with(L' ')) {
        piece = TrimTrailingSpaces(piece);
        const int trimmed = surface_.TextExtent(piece).width;
        remainingBreaks_ = Spaces(piece);
        remainingContent_ = SubtractSaturated(remainingContent_, std::int64_t{width} - trimmed);
        width = trimmed;
    }
    if (line_.align == TextAlign::Justify && line_.wrapped) {
        const int space = SubtractSaturated(block_.right, x_);
        surface_.SetTextJustification(std::max(SubtractSaturated(space, remainingContent_), 0),
                                      std::max(remainingBreaks_, 0));
    }
    remainingContent_ = SubtractSaturated(remainingContent_, width);
    remainingBreaks_ = SubtractSaturated(remainingBreaks_, Spaces(piece));
    if (piece.empty()) {
        return 0;
    }
    const int shown = surface_.TextExtent(piece).width;
    const int right = AddSaturated(x_, shown);
    style_.AddLinkArea(x_, top, right, AddSaturated(top, height));
    surface_.DrawTextRun(x_, top, piece);
    const MarkupStyle& style = Style();
    if (style.overline) {
        surface_.DrawLine({x_, top}, {right, top}, drawer_.language_.Colors().Shown(style.textColor), BorderSolid,
                          style.fontWeight >= 700 ? 2 : 1);
    }
    return shown;
}

void LayoutPass::StartLine()
{
    std::vector<LineRecord>& lines = drawer_.lines_;
    if (Measuring()) {
        line_ = {};
        line_.align = Style().textAlign;
        if (lineIndex_ < lines.size()) {
            lines[lineIndex_] = line_;
        } else {
            lines.push_back(line_);
        }
    } else {
        line_ = lineIndex_ < lines.size() ? lines[lineIndex_] : LineRecord{};
        const int available = block_.Width();
        const int width =
            line_.percent != 0 ? AddSaturated(line_.width, PercentOf(available, line_.percent)) : line_.width;
        if (line_.align == TextAlign::Justify && line_.wrapped) {
            surface_.SetTextJustification(std::max(SubtractSaturated(available, width), 0), line_.breakCount);
        } else {
            surface_.SetTextJustification(0, 0);
        }
        const std::int64_t free = std::int64_t{available} - width;
        if (line_.align == TextAlign::Center) {
            x_ = AddSaturated(block_.left, free / 2);
        } else if (line_.align == TextAlign::Right) {
            x_ = AddSaturated(block_.left, free);
        }
        remainingContent_ = width;
        remainingBreaks_ = line_.breakCount;
    }
    lineContent_ = 0;
}

void LayoutPass::EndLine(bool wrapped, int count)
{
    if (Measuring()) {
        if (line_.height == 0) {
            line_.height = surface_.TextMetrics().height;
        }
        widest_ = std::max(widest_, lineContent_);
        line_.width = lineContent_;
        line_.height = AddSaturated(line_.height, line_.descent);
        line_.wrapped = wrapped;
        drawer_.lines_[lineIndex_] = line_;
    }
    ++lineIndex_;
    y_ = AddSaturated(y_, std::int64_t{std::max(count, 1)} * line_.height);
    x_ = block_.left;
}

void LayoutPass::Advance(int drawn, int measured)
{
    x_ = AddSaturated(x_, drawn);
    lineContent_ = AddSaturated(lineContent_, measured);
}

int LayoutPass::TextTop(int height)
{
    const FontMetrics metrics = surface_.TextMetrics();
    if (Measuring()) {
        line_.descent = std::max(line_.descent, SubtractSaturated(height, metrics.ascent));
        line_.height = std::max(line_.height, metrics.ascent);
        return y_;
    }
    const std::int64_t y = y_;
    switch (Style().verticalAlign) {
    case VerticalAlign::Middle:
        return ClampCoordinate(y + (std::int64_t{line_.height} - metrics.height) / 2);
    case VerticalAlign::Bottom: // the text's bottom on the line's, descent included
        return ClampCoordinate(y + line_.height - metrics.height);
    case VerticalAlign::Baseline:
        return ClampCoordinate(y + line_.height - metrics.ascent - line_.descent);
    case VerticalAlign::Top:
        break;
    }
    return y_;
}

int LayoutPass::ObjectTop(int height)
{
    if (Measuring()) {
        line_.height = std::max(line_.height, height);
        return y_;
    }
    const std::int64_t y = y_;
    switch (Style().verticalAlign) {
    case VerticalAlign::Middle:
        return ClampCoordinate(y + (std::int64_t{line_.height} - height) / 2);
    case VerticalAlign::Bottom:
        return ClampCoordinate(y + line_.height - height);
    case VerticalAlign::Baseline:
        return ClampCoordinate(y + line_.height - line_.descent - height);
    case VerticalAlign::Top:
        break;
    }
    return y_;
}

} // namespace fennick
