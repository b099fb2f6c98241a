#include "analysis/ui/network_highlight.h"

#include <algorithm>

#include "schematic/grid.h"

namespace volmira {

namespace {

constexpr int kCell = kPixelsPerCell;

QPoint cellOrigin(int column, int row) {
    const GridPixel pixel = cellBoxTopLeft({column, row});
    return {pixel.x, pixel.y};
}

}  // namespace

std::vector<QPoint> branchCells(const Branch& branch) {
    std::vector<QPoint> cells;
    int column = branch.startColumn, row = branch.startRow;
    cells.emplace_back(column, row);
    for (char step : branch.path) {
        if (!stepAlongPath(step, column, row)) continue;
        const QPoint cell(column, row);
        if (!SchematicGrid::inside(column, row)) break;
        if (std::find(cells.begin(), cells.end(), cell) == cells.end()) cells.push_back(cell);
    }
    return cells;
}

std::vector<QRect> branchMarkBoxes(const Branch& branch) {
    std::vector<QRect> boxes;
    for (QPoint cell : branchCells(branch))
        boxes.emplace_back(cellOrigin(cell.x(), cell.y()), QSize(kCell, kCell));
    return boxes;
}

std::vector<QRect> componentMarkBoxes(const Component& component) {
    const bool vertical = component.code > 6;
    const QPoint first = vertical ? cellOrigin(component.column, component.row - 1)
                                  : cellOrigin(component.column - 1, component.row);
    const QRect box(first, vertical ? QSize(kCell, 3 * kCell) : QSize(3 * kCell, kCell));
    return {QRect(box.left(), box.top(), box.width(), 1),
            QRect(box.left(), box.bottom(), box.width(), 1),
            QRect(box.left(), box.top() + 1, 1, box.height() - 2),
            QRect(box.right(), box.top() + 1, 1, box.height() - 2)};
}

}  // namespace volmira
