#pragma once
// What a pixel of the drawing hits in the analysed network: the cell, the branch through it and
// the component on it. The value entry, the results, and later the miniature, the plot and the
// print composer ask here.
#include "analysis/network.h"
#include "schematic/grid.h"

namespace volmira {

struct NetworkHit {
    GridCell cell;
    int branch = 0;     // the branch through the cell, or the branch of the component on it
    int component = 0;  // the component on the cell
};

// A pixel outside the grid hits nothing.
NetworkHit hitAtPixel(const Network& network, int x, int y);
// Likewise for a cell, from any picture of the drawing.
NetworkHit hitAtCell(const Network& network, GridCell cell);

}  // namespace volmira
