#include "analysis/schematic_check.h"

#include <array>
#include <string_view>

#include "schematic/cell_sides.h"

namespace volmira {

namespace {

struct SideMarker {
    int side;
    int shiftX;  // pixels; unshifted, the marker spans the cell and its right neighbour
    int shiftY;
};
constexpr std::array<SideMarker, 4> kSideMarkers = {{
    {kSideUp, -4, -4},
    {kSideRight, 0, 0},
    {kSideLeft, -kPixelsPerCell, 0},
    {kSideDown, -4, 4},
}};

// Cells whose every side must lead somewhere: wires, crossings, corners, node marks, junctions
// and the op-amp outputs.
bool isChecked(char c) {
    return isWireCell(c) || c == 'J' || c == 'K';
}

bool isNode(char c) {
    return std::string_view("BCDEFGHJK").find(c) != std::string_view::npos;
}

// An op-amp body takes the side of a node next to it; other neighbours must connect back.
bool leadsSomewhere(const SchematicGrid& grid, int column, int row, int side) {
    const int c = sideColumn(column, side), r = sideRow(row, side);
    if (!SchematicGrid::inside(c, r)) return false;
    if (grid.at(c, r) == '#') return isNode(grid.at(column, row));
    return neighbourConnects(grid, column, row, side);
}

}  // namespace

SchematicFault checkSchematic(const SchematicGrid& grid) {
    for (int row = 1; row <= kGridRows; ++row) {
        if (grid.rowBlank(row)) continue;
        for (int column = 1; column <= kGridColumns; ++column) {
            if (!isChecked(grid.at(column, row))) continue;
            const int sides = cellSides(grid, column, row);
            for (const SideMarker& m : kSideMarkers) {
                if ((sides & m.side) && !leadsSomewhere(grid, column, row, m.side))
                    return {true, column, row, m.shiftX, m.shiftY};
            }
        }
    }
    return {};
}

}  // namespace volmira
