#include "graphics/ui/miniature_painter.h"

#include <QPainter>
#include <QPolygon>

namespace volmira {

namespace {

QRect rectOf(const MiniatureItem& item) {
    const PlotPoint a = item.points[0], b = item.points[1];
    return {a.x, a.y, b.x - a.x, b.y - a.y};
}

QPolygon polygonOf(const MiniatureItem& item) {
    QPolygon polygon;
    for (const PlotPoint& p : item.points) polygon << QPoint(p.x, p.y);
    return polygon;
}

void paintItem(QPainter& painter, const MiniatureItem& item) {
    switch (item.shape) {
        case MiniatureShape::Polyline:
            painter.drawPolyline(polygonOf(item));
            break;
        case MiniatureShape::Filled:
            painter.fillRect(rectOf(item), Qt::black);
            break;
        case MiniatureShape::Clear:
            painter.fillRect(rectOf(item), Qt::white);
            break;
        case MiniatureShape::WhiteBox: {
            const QRect box = rectOf(item);
            painter.fillRect(box, Qt::black);
            painter.fillRect(box.adjusted(1, 1, -1, -1), Qt::white);
            break;
        }
        case MiniatureShape::Ellipse:
            painter.setBrush(Qt::white);
            painter.drawEllipse(rectOf(item).adjusted(0, 0, -1, -1));
            painter.setBrush(Qt::NoBrush);
            break;
        case MiniatureShape::Triangle:
            painter.drawPolygon(polygonOf(item));
            break;
    }
}

}  // namespace

void paintMiniature(QPainter& painter, const std::vector<MiniatureItem>& items) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, kMiniatureWidth, kMiniatureHeight), Qt::white);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    for (const MiniatureItem& item : items) paintItem(painter, item);
    painter.restore();
}

void paintBranchHighlight(QPainter& painter, const std::vector<PlotPoint>& boxes) {
    painter.save();
    // not (pen or screen) with RGB(128, 0, 0)
    painter.setCompositionMode(QPainter::RasterOp_NotSourceAndNotDestination);
    for (const PlotPoint& box : boxes)
        painter.fillRect(QRect(box.x, box.y, kMiniatureCell, kMiniatureCell), QColor(128, 0, 0));
    painter.restore();
}

QImage renderMiniature(const std::vector<MiniatureItem>& items) {
    QImage image(kMiniatureWidth, kMiniatureHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    paintMiniature(painter, items);
    return image;
}

}  // namespace volmira
