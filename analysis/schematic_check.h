#pragma once
// The check before the analysis: finds a side of a wire or node cell that leads nowhere.
#include "schematic/grid.h"

namespace volmira {

struct SchematicFault {
    bool found = false;
    int column = 0;  // the cell whose side leads nowhere
    int row = 0;
    int shiftX = 0;  // pixel shift of the red marker towards that side
    int shiftY = 0;
};

// The first open side in reading order (rows top to bottom, cells left to right, sides up,
// right, left, down). A side is open when the neighbour there has no side back towards the cell
// or lies outside the grid; crossings count with all four sides.
SchematicFault checkSchematic(const SchematicGrid& grid);

}  // namespace volmira
