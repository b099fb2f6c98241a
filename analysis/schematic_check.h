#pragma once
// The check before the analysis: finds a wire end or node side that meets nothing.
#include "schematic/grid.h"

namespace volmira {

struct SchematicFault {
    bool found = false;
    int column = 0;  // the fault cell
    int row = 0;
    int shiftX = 0;  // pixel shift of the red marker
    int shiftY = 0;
};

SchematicFault checkSchematic(const SchematicGrid& grid);

}  // namespace volmira
