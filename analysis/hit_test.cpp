#include "analysis/hit_test.h"

#include <algorithm>

namespace volmira {

NetworkHit hitAtPixel(const Network& network, int x, int y) {
    return hitAtCell(network, cellAtPixel({x, y}));
}

NetworkHit hitAtCell(const Network& network, GridCell cell) {
    NetworkHit hit;
    hit.cell = cell;
    if (!SchematicGrid::inside(hit.cell.column, hit.cell.row)) return hit;
    const int component = network.branchMap.componentAt(hit.cell.column, hit.cell.row);
    if (component >= 1 && component <= std::min(network.componentCount, kMaxComponents))
        hit.component = component;
    const int branch = network.branchMap.branchAt(hit.cell.column, hit.cell.row);
    hit.branch = branch != 0 || hit.component == 0 ? branch : network.component(component).branch;
    if (hit.branch > network.branchCount) hit.branch = 0;
    return hit;
}

}  // namespace volmira
