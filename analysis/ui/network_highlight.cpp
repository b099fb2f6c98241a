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
    QPoint cell(branch.startColumn, branch.startRow);
    cells.push_back(cell);
    for (char step : branch.path) {
        switch (step) {
            case '0':
                cell.ry() -= 1;
                break;
            case '1':
                cell.rx() += 1;
                break;
            case '2':
                cell.rx() -= 1;
                break;
            case '3':
                cell.ry() += 1;
                break;
            default:
                continue;
        }
        if (!SchematicGrid::inside(cell.x(), cell.y())) break;
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
