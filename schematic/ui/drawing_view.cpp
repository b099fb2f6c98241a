#include "schematic/ui/drawing_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace volmira {

DrawingView::DrawingView(QWidget* parent)
    : QWidget(parent), image_(kDrawingWidthPixels, kDrawingHeightPixels, QImage::Format_RGB32) {
    setObjectName("Bild1");
    image_.fill(Qt::white);
    setFixedSize(kDrawingWidthPixels, kDrawingHeightPixels);
    setMouseTracking(true);
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint(), event->button());
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint(), event->buttons());
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->position().toPoint(), event->button());
}

}  // namespace volmira
