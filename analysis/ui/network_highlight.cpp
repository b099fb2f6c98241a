#include "analysis/ui/network_highlight.h"

#include <QPainter>
#include <algorithm>

#include "schematic/grid.h"

namespace volmira {

namespace {

constexpr int kCell = 9;
const QColor kHighlight(0, 255, 255);

// Top-left pixel of a cell in the drawing image.
QPoint cellOrigin(int column, int row) {
    return {(column - 1) * kCell - 2, (row - 1) * kCell - 2};
}

void xorRects(QImage& image, const std::vector<QRect>& rects) {
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const QRect& r : rects) painter.fillRect(r, kHighlight);
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

void xorBranchPath(QImage& image, const Branch& branch) {
    std::vector<QRect> boxes;
    for (QPoint cell : branchCells(branch))
        boxes.emplace_back(cellOrigin(cell.x(), cell.y()), QSize(kCell, kCell));
    xorRects(image, boxes);
}

void xorComponentFrame(QImage& image, const Component& component) {
    const bool vertical = component.code > 6;
    const QPoint first = vertical ? cellOrigin(component.column, component.row - 1)
                                  : cellOrigin(component.column - 1, component.row);
    const QRect box(first, vertical ? QSize(kCell, 3 * kCell) : QSize(3 * kCell, kCell));
    // Four strips that do not overlap, so every frame pixel is inverted exactly once.
    xorRects(image, {QRect(box.left(), box.top(), box.width(), 1),
                     QRect(box.left(), box.bottom(), box.width(), 1),
                     QRect(box.left(), box.top() + 1, 1, box.height() - 2),
                     QRect(box.right(), box.top() + 1, 1, box.height() - 2)});
}

void NetworkHighlight::showBranch(QImage& image, const Network& network, int branch) {
    auto valid = [&](int k) { return k >= 1 && k <= network.branchCount; };
    if (valid(branch_)) xorBranchPath(image, network.branch(branch_));
    branch_ = valid(branch) ? branch : 0;
    if (branch_ != 0) xorBranchPath(image, network.branch(branch_));
}

void NetworkHighlight::showComponent(QImage& image, const Network& network, int component) {
    auto valid = [&](int k) {
        return k >= 1 && k <= std::min(network.componentCount, kMaxComponents);
    };
    if (valid(component_)) xorComponentFrame(image, network.component(component_));
    component_ = valid(component) ? component : 0;
    if (component_ != 0) xorComponentFrame(image, network.component(component_));
}

}  // namespace volmira
