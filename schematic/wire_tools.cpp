#include "schematic/wire_tools.h"

#include <algorithm>
#include <string_view>

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

// The end rule's characters for a line running vertically or horizontally.
struct EndRule {
    char nodeMark;      // node mark of a crossing wire ("H" on a horizontal one)
    int junction;       // the T-junction it becomes
    char crossingWire;  // a plain wire of the other direction
};

EndRule endRule(Direction travel) {
    switch (travel) {
        case Direction::VonUnten:
            return {'H', 45, '1'};
        case Direction::VonOben:
            return {'H', 48, '1'};
        case Direction::VonLinks:
            return {'G', 46, '2'};
        case Direction::VonRechts:
            return {'G', 47, '2'};
        case Direction::None:
            break;
    }
    return {'\0', 0, '\0'};
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

void joinLineEnd(SchematicGrid& grid, Cell end, Direction travel, DrawingChanges& changes) {
    const EndRule rule = endRule(travel);
    if (rule.junction == 0 || !SchematicGrid::inside(end.column, end.row)) return;
    const Cell beyond = step(end, travel);
    if (SchematicGrid::inside(beyond.column, beyond.row) &&
        grid.at(beyond.column, beyond.row) == rule.nodeMark) {
        writeCell(grid, beyond, rule.junction, changes);
        placeWireCell(grid, end, wireCode(travel), changes);
        return;
    }
    const char c = grid.at(end.column, end.row);
    if (c == rule.nodeMark) {
        writeCell(grid, end, rule.junction, changes);
    } else if (c == kEmptyCell) {
        writeCell(grid, end, wireCode(travel), changes);
    } else if (c == rule.crossingWire) {
        writeCell(grid, end, 11, changes);
    }
}

void joinLineStart(SchematicGrid& grid, Cell start, Direction travel, DrawingChanges& changes) {
    // Seen from the start, the line arrives there travelling the other way.
    const Direction back = opposite(travel);
    const EndRule rule = endRule(back);
    const Cell behind = step(start, back);
    if (grid.at(start.column, start.row) == rule.nodeMark ||
        (SchematicGrid::inside(behind.column, behind.row) &&
         grid.at(behind.column, behind.row) == rule.nodeMark)) {
        joinLineEnd(grid, start, back, changes);
    } else {
        placeWireCell(grid, start, wireCode(travel), changes);
    }
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
