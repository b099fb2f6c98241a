#include "schematic/editor.h"

#include <algorithm>
#include <cstdlib>

namespace volmira {

namespace {

// The pixel of a cell that its wires pass through.
Pixel wirePixel(Cell c) {
    const Pixel o = cellOrigin(c);
    return {o.x + 2, o.y + 2};
}

// The way from the start cell towards the pointer: vertical when the pointer is at least as far
// off vertically as horizontally. None while the pointer sits on the start's wire pixel.
Direction directionToward(Cell start, Pixel p) {
    const Pixel from = wirePixel(start);
    const int dx = p.x - from.x, dy = p.y - from.y;
    if (dx == 0 && dy == 0) return Direction::None;
    if (std::abs(dy) >= std::abs(dx)) return dy < 0 ? Direction::VonUnten : Direction::VonOben;
    return dx < 0 ? Direction::VonRechts : Direction::VonLinks;
}

// The cell a segment leaving `start` in direction `d` reaches under the pointer.
Cell segmentEnd(Cell start, Pixel p, Direction d) {
    const Cell under = cellOfPixel(p);
    return isVertical(d) ? Cell{start.column, under.row} : Cell{under.column, start.row};
}

PixelRect bandBetween(Pixel a, Pixel b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x) + 1,
            std::abs(b.y - a.y) + 1};
}

}  // namespace

Editor::Editor(SchematicGrid& grid, SchematicGrid& undoCopy, SymbolList& symbols)
    : grid_(grid), undo_(undoCopy), symbols_(symbols) {}

void Editor::toolsOff() {
    rectangle_ = false;
    node_ = false;
    macroOn_ = false;
    line_ = LineState::Aus;
    currentSymbol_ = 0;
    start_ = previousStart_ = Cell{};
    direction_ = previousDirection_ = Direction::None;
    previews_.markerVisible = false;
    previews_.band.reset();
    previews_.cornerVisible = false;
    previews_.symbolVisible = true;
}

void Editor::selectSymbol(int code) {
    toolsOff();
    currentSymbol_ = SymbolCatalogue::valid(code) ? code : 0;
    track(lastPosition_);
}

void Editor::startMacro(const SymbolList& macro) {
    toolsOff();
    macro_ = macro;
    macroOn_ = true;
    track(lastPosition_);
}

void Editor::startRectangle() {
    toolsOff();
    rectangle_ = true;
    track(lastPosition_);
}

void Editor::startLine() {
    toolsOff();
    line_ = LineState::Ein;
    track(lastPosition_);
}

void Editor::startNode() {
    toolsOff();
    node_ = true;
    track(lastPosition_);
}

void Editor::track(Pixel p) {
    lastPosition_ = clampToDrawing(p);
    const SymbolCatalogue& catalogue = SymbolCatalogue::instance();
    // The floating symbol is centred on the pointer and kept where the whole pattern fits.
    const MacroExtent macro = macroOn_ ? macroExtent(macro_) : MacroExtent{};
    const int columns = std::max(1, macroOn_ ? macro.columns : catalogue.width(currentSymbol_));
    const int rows = std::max(1, macroOn_ ? macro.rows : catalogue.height(currentSymbol_));
    const Pixel corner = snapToCell({lastPosition_.x - columns * kPixelsPerCell / 2,
                                     lastPosition_.y - rows * kPixelsPerCell / 2});
    // A macro wider than the drawing keeps its left or top edge in view.
    previews_.symbolTopLeft = {
        std::clamp(corner.x, kPixelsPerCell,
                   std::max(kPixelsPerCell, (kGridColumns - columns) * kPixelsPerCell)),
        std::clamp(corner.y, kPixelsPerCell,
                   std::max(kPixelsPerCell, (kGridRows - rows) * kPixelsPerCell))};

    const bool toolOn = rectangle_ || node_ || line_ != LineState::Aus;
    previews_.symbolVisible = !toolOn;
    previews_.markerVisible = toolOn;
    previews_.markerCell = cellOfPixel(lastPosition_);
    if (rectangle_) {
        if (leftDown_)
            previews_.band = bandBetween(wirePixel(cellOfPixel(pressPosition_)),
                                         wirePixel(previews_.markerCell));
        else
            previews_.band.reset();
    }
    if (line_ == LineState::Beg) trackLine(lastPosition_);
}

void Editor::trackLine(Pixel p) {
    const Direction d = directionToward(start_, p);
    if (d != Direction::None) direction_ = d;
    if (direction_ == Direction::None) return;
    const Cell end = segmentEnd(start_, p, direction_);
    previews_.markerCell = end;
    previews_.band = bandBetween(wirePixel(start_), wirePixel(end));
    previews_.cornerVisible = previousDirection_ != Direction::None;
    previews_.cornerCode = cornerCode(previousDirection_, direction_);
    previews_.cornerCell = start_;
}

void Editor::mouseMove(Pixel p, bool leftDown) {
    leftDown_ = leftDown;
    track(p);
}

DrawingChanges Editor::mousePress(Pixel p, MouseButton button) {
    const bool left = button == MouseButton::Left;
    const bool right = button == MouseButton::Right;
    leftDown_ = leftDown_ || left;
    rightDown_ = rightDown_ || right;
    pressPosition_ = clampToDrawing(p);
    track(p);

    if (left && macroOn_) return placeMacro();
    if (left && currentSymbol_ != 0 && !rectangle_ && line_ == LineState::Aus && !node_)
        return placeSymbol();
    if (right && currentSymbol_ != 0 && !previews_.markerVisible) {
        currentSymbol_ = SymbolCatalogue::instance()[currentSymbol_].rightClickSuccessor;
        track(p);
        return {};
    }
    if (line_ != LineState::Aus && (left || right)) return linePress(pressPosition_, right);
    if (node_ && left) return placeNode(previews_.markerCell);
    return {};
}

DrawingChanges Editor::mouseRelease(Pixel p, MouseButton) {
    DrawingChanges changes;
    if (leftDown_ && rectangle_) {
        const SchematicGrid before = grid_;
        if (layRectangle(grid_, cellOfPixel(pressPosition_), cellOfPixel(p), changes))
            remember(before);
    }
    leftDown_ = rightDown_ = false;
    track(p);
    return changes;
}

DrawingChanges Editor::placeSymbol() {
    DrawingChanges changes;
    const Cell at = cellOfPixel(previews_.symbolTopLeft);
    if (!fitsInGrid(currentSymbol_, at.column, at.row)) return changes;
    remember(grid_);
    stamp(grid_, currentSymbol_, at.column, at.row);
    changes.changed = grid_ != undo_;
    changes.draw(currentSymbol_, at);
    return changes;
}

DrawingChanges Editor::placeMacro() {
    remember(grid_);
    return insertMacro(grid_, macro_, cellOfPixel(previews_.symbolTopLeft), macroMode_);
}

// A segment runs from its start cell up to the cell before its end: the end cell is either the
// next segment's start, where the joint of the two is placed, or, when the line finishes there,
// the end cell that joins what lies at and beyond it. So consecutive segments meet exactly at
// their joints and a finished line reaches the clicked cell. The line's very first cell joins
// what it starts on the way an end does. A line never overwrites a component: it is not begun on
// one and a segment that would reach one ends the line on the cell before it.
DrawingChanges Editor::linePress(Pixel p, bool finish) {
    DrawingChanges changes;
    if (line_ == LineState::Ein) {
        const Cell start = cellOfPixel(p);
        if (!lineMayUse(grid_.at(start.column, start.row))) {
            changes.hint = kLineStopsAtComponent;
            return changes;
        }
        line_ = LineState::Beg;
        remember(grid_);
        currentSymbol_ = 0;
        previousStart_ = start_;
        start_ = start;
        direction_ = previousDirection_ = Direction::None;
        return changes;
    }

    line_ = LineState::End;
    const Direction d =
        directionToward(start_, p) != Direction::None ? directionToward(start_, p) : direction_;
    Cell end = d == Direction::None ? start_ : segmentEnd(start_, p, d);
    for (Cell c = start_; c != end;) {
        const Cell next = step(c, d);
        if (!lineMayUse(grid_.at(next.column, next.row))) {
            end = c;
            finish = true;
            changes.hint = kLineStopsAtComponent;
            break;
        }
        c = next;
    }
    if (end == start_) {
        // Nothing to lay; a right click still ends the line at the last joint.
        line_ = LineState::Beg;
        if (finish) {
            joinLineEnd(grid_, start_, previousDirection_, changes);
            endLine();
        }
        return changes;
    }

    direction_ = d;
    previousStart_ = start_;
    start_ = end;
    const bool firstSegment = previousDirection_ == Direction::None;
    for (Cell c = step(previousStart_, d); c != end; c = step(c, d))
        placeWireCell(grid_, c, wireCode(d), changes);
    if (firstSegment)
        joinLineStart(grid_, previousStart_, d, changes);
    else
        joinLineCorner(grid_, previousStart_, previousDirection_, d, changes);
    line_ = LineState::Beg;
    previews_.cornerCell = start_;

    if (finish) {
        joinLineEnd(grid_, end, d, changes);
        endLine();
    } else {
        previousDirection_ = direction_;
        track(p);
    }
    return changes;
}

void Editor::endLine() {
    line_ = LineState::Ein;
    previews_.cornerVisible = false;
    previews_.band.reset();
    start_ = previousStart_ = Cell{};
    direction_ = previousDirection_ = Direction::None;
}

DrawingChanges Editor::placeNode(Cell cell) {
    DrawingChanges changes;
    const int code = nodeCodeFor(grid_, cell);
    if (code == 0) return changes;
    remember(grid_);
    placeWireCell(grid_, cell, code, changes);
    return changes;
}

DrawingChanges Editor::rebuiltSince(const SchematicGrid& before) {
    DrawingChanges changes;
    rebuildSymbolList(grid_, symbols_);
    changes.changed = grid_ != before;
    changes.repaintAll = true;
    return changes;
}

void Editor::remember(const SchematicGrid& before) {
    undo_ = before;
    history_->record({before, offset_});
}

DrawingChanges Editor::endLineByKey() {
    if (line_ != LineState::Beg) return {};
    return linePress(lastPosition_, true);
}

DrawingChanges Editor::travel(bool (DrawingHistory::*step)(DrawingState&),
                              std::span<Component> records) {
    const SchematicGrid before = grid_;
    DrawingState state{grid_, offset_};
    while ((history_.get()->*step)(state))
        if (state.grid != before || state.offset != offset_) break;
    grid_ = state.grid;
    const auto moveRecords = [&](int steps, MoveDirection forward, MoveDirection back) {
        for (int k = 0; k < std::abs(steps); ++k) shiftRecords(records, steps > 0 ? forward : back);
    };
    moveRecords(state.offset.columns - offset_.columns, MoveDirection::Right, MoveDirection::Left);
    moveRecords(state.offset.rows - offset_.rows, MoveDirection::Down, MoveDirection::Up);
    offset_ = state.offset;
    return rebuiltSince(before);
}

DrawingChanges Editor::undo(std::span<Component> records) {
    return travel(&DrawingHistory::undo, records);
}

DrawingChanges Editor::redo(std::span<Component> records) {
    return travel(&DrawingHistory::redo, records);
}

DrawingChanges Editor::groundMarks() {
    DrawingChanges changes;
    const SchematicGrid before = grid_;
    setGroundMarks(grid_, changes);
    if (changes.changed) remember(before);
    return changes;
}

DrawingChanges Editor::moveDrawing(MoveDirection direction, std::span<Component> records) {
    const SchematicGrid before = grid_;
    if (!volmira::moveDrawing(grid_, direction)) return {};
    remember(before);
    shiftRecords(records, direction);
    const Cell step = shifted({0, 0}, direction);
    offset_.columns += step.column;
    offset_.rows += step.row;
    return rebuiltSince(before);
}

bool showsHandCursor(const SchematicGrid& grid, int workingMode, Pixel p) {
    const Cell c = cellOfPixel(p);
    const char ch = grid.at(c.column, c.row);
    if (workingMode == 2) return ch == 'x' || ch == 'y' || ch == 'z';
    if (workingMode == 3) return ch != kEmptyCell;
    return false;
}

}  // namespace volmira
