#include "graphics/ui/miniature_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "analysis/calculation.h"
#include "graphics/ui/miniature_painter.h"
#include "schematic/ui/component_label_marks.h"

namespace volmira {

namespace {

// The smallest size at which "kOhm", "nF" and the digits stay legible; a label that finds no
// room at it is left out rather than shrunk.
constexpr int kLabelFontPixels = 7;
// Its ascent and descent need two of the small cells.
constexpr int kLabelRows = 2;

// Cell (c, r) spans 5c - 2 .. 5c + 2; a one-pixel margin on the left keeps the text off a
// neighbouring symbol.
QRect miniatureBox(const LabelCells& cells) {
    return QRect(kMiniatureCell * cells.column - 1, kMiniatureCell * cells.row - 2,
                 kMiniatureCell * cells.columns - 1, kMiniatureCell * cells.rows);
}

LabelStyle labelStyle() {
    QFont font = DrawingView::labelFont();
    font.setPixelSize(kLabelFontPixels);
    return {font, kMiniatureCell, kLabelRows, miniatureBox};
}

}  // namespace

MiniatureView::MiniatureView(const QString& objectName, const SchematicGrid& grid,
                             const Calculation& calculation, QWidget* parent)
    : QWidget(parent), grid_(grid), calculation_(calculation) {
    setObjectName(objectName);
    setFixedSize(kMiniatureWidth, kMiniatureHeight);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MiniatureView::refresh() {
    items_ = buildMiniature(grid_, calculation_.network());
    showLabels(labelsShown_);
    setHighlightedBranch(branch_);
}

void MiniatureView::showLabels(bool shown) {
    labelsShown_ = shown;
    const Network& network = calculation_.network();
    labels_ =
        shown ? componentLabels({network.components.data(), std::size_t(network.componentCount)},
                                grid_, labelStyle())
              : std::vector<DrawingView::Label>{};
    picture_ = QImage();
    update();
}

void MiniatureView::setHighlightedBranch(int branch) {
    branch_ = branch;
    std::vector<PlotPoint> boxes = branchHighlightBoxes(calculation_.network(), branch);
    if (boxes == highlight_) return;
    // Only around the boxes that go and come is painted again, not the whole miniature: a
    // rectangle each, since a region of every box costs more to build than the copy it saves.
    for (const std::vector<PlotPoint>* marked : {&highlight_, &boxes}) {
        QRect around;
        for (const PlotPoint& box : *marked)
            around |= QRect(box.x, box.y, kMiniatureCell, kMiniatureCell);
        update(around);
    }
    highlight_ = std::move(boxes);
}

QRect MiniatureView::drawnArea() const {
    QRect area;
    for (const MiniatureItem& item : items_)
        for (const PlotPoint& p : item.points) area |= QRect(p.x, p.y, 1, 1);
    return area;
}

void MiniatureView::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio) {
        picture_ = QImage(size() * ratio, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(ratio);
        QPainter painter(&picture_);
        paintMiniature(painter, items_);
        DrawingView::paintLabels(painter, labels_, labelStyle().font);
    }
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.drawImage(exposed, picture_, QRectF(exposed.topLeft() * ratio, exposed.size() * ratio));
    paintBranchHighlight(painter, highlight_);
}

void MiniatureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed(event->position().toPoint());
}

}  // namespace volmira
