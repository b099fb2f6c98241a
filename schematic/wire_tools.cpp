#include "schematic/wire_tools.h"

#include <algorithm>
#include <string_view>

#include "schematic/cell_sides.h"

namespace volmira {

namespace {

// Writes the single character of a one-cell code and records its glyph.
void writeCell(SchematicGrid& grid, Cell cell, int code, DrawingChanges& changes) {
    if (!SchematicGrid::inside(cell.column, cell.row)) return;
    const char c = SymbolCatalogue::instance().cell(code, 0, 0);
    if (grid.at(cell.column, cell.row) != c) changes.changed = true;
    grid.set(cell.column, cell.row, c);
    changes.draw(code, cell);
}

bool oneOf(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

// The side of a cell that a line travelling `d` leaves it by.
int sideOfTravel(Direction d) {
    switch (d) {
        case Direction::VonUnten:
            return kSideUp;
        case Direction::VonOben:
            return kSideDown;
        case Direction::VonLinks:
            return kSideRight;
        case Direction::VonRechts:
            return kSideLeft;
        case Direction::None:
            break;
    }
    return 0;
}

// The node mark of a wire crossing a line that travels `d`.
char crossingNodeMark(Direction d) {
    return isVertical(d) ? 'H' : 'G';
}

}  // namespace

void DrawingChanges::draw(int code, Cell cell) {
    glyphs.push_back({static_cast<std::uint8_t>(cell.column), static_cast<std::uint8_t>(cell.row),
                      static_cast<SymbolCode>(code)});
}

void DrawingChanges::merge(const DrawingChanges& later) {
    changed = changed || later.changed;
    repaintAll = repaintAll || later.repaintAll;
    glyphs.insert(glyphs.end(), later.glyphs.begin(), later.glyphs.end());
    if (!later.hint.empty()) hint = later.hint;
}

int mergedWireCode(int code, char present) {
    if (code == kVerticalWire) {
        switch (present) {
            case '1':
            case '7':
                return 11;
            case 'B':
            case 'C':
            case 'F':
            case 'H':
                return 44;
            case 'D':
                return 46;
            case 'E':
                return 47;
            case 'G':
                return 51;
            default:
                break;
        }
    } else if (code == kHorizontalWire) {
        switch (present) {
            case '2':
            case '7':
                return 11;
            case 'B':
            case 'D':
            case 'E':
            case 'G':
                return 44;
            case 'C':
                return 45;
            case 'F':
                return 48;
            case 'H':
                return 50;
            default:
                break;
        }
    }
    return code;
}

void placeWireCell(SchematicGrid& grid, Cell cell, int code, DrawingChanges& changes) {
    if (!SchematicGrid::inside(cell.column, cell.row)) return;
    writeCell(grid, cell, mergedWireCode(code, grid.at(cell.column, cell.row)), changes);
}

int cornerCode(Direction previous, Direction current) {
    using D = Direction;
    if (current == D::None) return 0;
    switch (previous) {
        case D::VonUnten:
            return current == D::VonLinks ? 40 : current == D::VonRechts ? 41 : kVerticalWire;
        case D::VonOben:
            return current == D::VonLinks ? 42 : current == D::VonRechts ? 43 : kVerticalWire;
        case D::VonRechts:
            return current == D::VonUnten ? 42 : current == D::VonOben ? 40 : kHorizontalWire;
        case D::VonLinks:
            return current == D::VonOben ? 41 : current == D::VonUnten ? 43 : kHorizontalWire;
        case D::None:
            break;
    }
    return 0;
}

bool lineMayUse(char c) {
    return c == kEmptyCell || isWireCell(c);
}

void joinCell(SchematicGrid& grid, Cell cell, int sides, DrawingChanges& changes) {
    const int c = cell.column, r = cell.row;
    if (!SchematicGrid::inside(c, r) || !lineMayUse(grid.at(c, r))) return;
    const int present = cellSides(grid, c, r);
    if (present != 0 && (present & sides) == sides) return;  // it connects there already
    int joined = sides;
    for (int side : {kSideUp, kSideRight, kSideLeft, kSideDown})
        if ((present & side) && neighbourConnects(grid, c, r, side)) joined |= side;
    writeCell(grid, cell, wireCodeForSides(joined), changes);
}

void joinLineEnd(SchematicGrid& grid, Cell end, Direction travel, DrawingChanges& changes) {
    const int back = sideOfTravel(opposite(travel));
    if (back == 0 || !SchematicGrid::inside(end.column, end.row)) return;
    // Ending one cell short of a node mark of a crossing wire reaches it.
    const Cell beyond = step(end, travel);
    if (grid.at(end.column, end.row) == kEmptyCell &&
        SchematicGrid::inside(beyond.column, beyond.row) &&
        grid.at(beyond.column, beyond.row) == crossingNodeMark(travel)) {
        joinCell(grid, beyond, back, changes);
        writeCell(grid, end, wireCode(travel), changes);
        return;
    }
    joinCell(grid, end, back, changes);
}

void joinLineStart(SchematicGrid& grid, Cell start, Direction travel, DrawingChanges& changes) {
    // Seen from the start, the line arrives there travelling the other way.
    joinLineEnd(grid, start, opposite(travel), changes);
}

void joinLineCorner(SchematicGrid& grid, Cell joint, Direction previous, Direction current,
                    DrawingChanges& changes) {
    joinCell(grid, joint, sideOfTravel(opposite(previous)) | sideOfTravel(current), changes);
}

bool layRectangle(SchematicGrid& grid, Cell a, Cell b, DrawingChanges& changes) {
    const int left = std::min(a.column, b.column), right = std::max(a.column, b.column);
    const int top = std::min(a.row, b.row), bottom = std::max(a.row, b.row);
    if (right - left < 2 || bottom - top < 2) return false;
    placeWireCell(grid, {left, top}, 40, changes);
    placeWireCell(grid, {right, top}, 41, changes);
    placeWireCell(grid, {right, bottom}, 43, changes);
    placeWireCell(grid, {left, bottom}, 42, changes);
    for (int column = left + 1; column < right; ++column) {
        placeWireCell(grid, {column, top}, kHorizontalWire, changes);
        placeWireCell(grid, {column, bottom}, kHorizontalWire, changes);
    }
    for (int row = top + 1; row < bottom; ++row) {
        placeWireCell(grid, {left, row}, kVerticalWire, changes);
        placeWireCell(grid, {right, row}, kVerticalWire, changes);
    }
    return true;
}

int nodeCodeFor(const SchematicGrid& grid, Cell cell) {
    const int c = cell.column, r = cell.row;
    if (!SchematicGrid::inside(c, r)) return 0;
    // Each neighbour connects when it has a wire leading towards the cell.
    const bool up = oneOf(grid.at(c, r - 1), "3427GEDCB");
    const bool down = oneOf(grid.at(c, r + 1), "5627GEDFB");
    const bool right = oneOf(grid.at(c + 1, r), "4617HDCFB");
    const bool left = oneOf(grid.at(c - 1, r), "3517HECFB");
    const int sides = (up ? 8 : 0) | (down ? 4 : 0) | (left ? 2 : 0) | (right ? 1 : 0);
    switch (sides) {
        case 0b1111:
            return 44;  // "B"
        case 0b1101:
            return 47;  // up, down, right: "E"
        case 0b1110:
            return 46;  // up, down, left: "D"
        case 0b1011:
            return 48;  // up, left, right: "F"
        case 0b0111:
            return 45;  // down, left, right: "C"
        case 0b0011:
            return 50;  // left and right: "H"
        case 0b1100:
            return 51;  // up and down: "G"
        default:
            return 0;
    }
}

void setGroundMarks(SchematicGrid& grid, DrawingChanges& changes) {
    for (int row = 1; row < kGridRows; ++row) {
        if (grid.rowBlank(row)) continue;
        for (int column = 1; column <= kGridColumns; ++column) {
            if (oneOf(grid.at(column, row), "2734SBCDEG") && grid.at(column, row + 1) == kEmptyCell)
                writeCell(grid, {column, row + 1}, 49, changes);
        }
    }
}

}  // namespace volmira
