#pragma once
// The sides through which a cell of the drawing connects to its neighbours, as the tracing of
// the analysis follows them, and the wire or junction character that has a given set of sides.
#include "schematic/grid.h"

namespace volmira {

enum CellSide : int { kSideUp = 1, kSideRight = 2, kSideLeft = 4, kSideDown = 8 };
inline constexpr int kAllSides = kSideUp | kSideRight | kSideLeft | kSideDown;

constexpr int oppositeSide(int side) {
    switch (side) {
        case kSideUp:
            return kSideDown;
        case kSideDown:
            return kSideUp;
        case kSideLeft:
            return kSideRight;
        case kSideRight:
            return kSideLeft;
        default:
            return 0;
    }
}

// The neighbour cell on one side.
constexpr int sideColumn(int column, int side) {
    return column + (side == kSideRight) - (side == kSideLeft);
}
constexpr int sideRow(int row, int side) {
    return row + (side == kSideDown) - (side == kSideUp);
}

// Wires, crossings, corners, node marks and junctions: the cells a line may pass or join.
bool isWireCell(char c);

// The sides of the cell at (column, row); the source stands upright or lies by its right
// neighbour. Component bodies (which pass straight on), op-amp bodies and empty cells have none,
// nor has anything outside the grid.
int cellSides(const SchematicGrid& grid, int column, int row);

// Resistor, inductor and capacitor cells.
bool isComponentBody(char c);

// Whether the neighbour on `side` has a side back towards the cell; through component bodies
// the first cell beyond them counts.
bool neighbourConnects(const SchematicGrid& grid, int column, int row, int side);

// The symbol code of the wire, corner or junction cell with exactly these sides; a single side
// gives the wire along it, no side 0.
int wireCodeForSides(int sides);

}  // namespace volmira
