#include "graphics/ui/miniature_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "analysis/calculation.h"
#include "graphics/ui/miniature_painter.h"

namespace volmira {

MiniatureView::MiniatureView(const QString& objectName, const SchematicGrid& grid,
                             const Calculation& calculation, QWidget* parent)
    : QWidget(parent), grid_(grid), calculation_(calculation) {
    setObjectName(objectName);
    setFixedSize(kMiniatureWidth, kMiniatureHeight);
    setCursor(Qt::PointingHandCursor);
}

void MiniatureView::refresh() {
    items_ = buildMiniature(grid_, calculation_.network());
    setHighlightedBranch(branch_);
}

void MiniatureView::setHighlightedBranch(int branch) {
    branch_ = branch;
    highlight_ = branchHighlightBoxes(calculation_.network(), branch);
    update();
}

QRect MiniatureView::drawnArea() const {
    QRect area;
    for (const MiniatureItem& item : items_)
        for (const PlotPoint& p : item.points) area |= QRect(p.x, p.y, 1, 1);
    return area;
}

void MiniatureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintMiniature(painter, items_);
    paintBranchHighlight(painter, highlight_);
}

void MiniatureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed(event->position().toPoint());
}

}  // namespace volmira
