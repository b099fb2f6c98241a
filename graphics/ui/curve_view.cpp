#include "graphics/ui/curve_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/plot_paint_tools.h"

namespace volmira {

namespace {

constexpr int kEllipseSize = 12;

}  // namespace

CurveView::CurveView(QWidget* parent)
    : QWidget(parent), background_(sameBackground, paintPlotBackground) {
    setObjectName("Bild1");
    setMouseTracking(true);
    setFixedSize(kPlotWidth, plotImageHeight(false));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CurveView::setModel(const CurvePlotModel* model) {
    model_ = model;
    if (model_) setFixedSize(model_->width, model_->height);
    update();
}

// The marks are set again and again as a sweep starts and the pointer moves: only a change
// repaints, and a moved readout line only the two columns it leaves and enters.
void CurveView::setReadoutColumn(std::optional<int> column) {
    if (column == readoutColumn_) return;
    for (const std::optional<int>& line : {readoutColumn_, column})
        if (line) update(*line, 0, 1, height());
    readoutColumn_ = column;
}

void CurveView::setMarker(std::optional<ScaleMarker> marker) {
    if (marker == marker_) return;
    marker_ = marker;
    update();
}

void CurveView::setOverlay(Overlay overlay) {
    overlay_ = std::move(overlay);
    update();
}

void CurveView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only the scrolled window's columns are exposed: the painter needs not lay out the rest.
    painter.setClipRect(event->rect());
    if (!model_) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // Above the frequency axis the background is white but for the large view's grid: filling
    // that part is cheaper than copying it.
    const int axisTop = model_->gridLines ? 0 : frequencyAxisTop(*model_);
    painter.fillRect(0, 0, model_->width, axisTop, Qt::white);
    const QImage& background =
        background_.of(*model_, {model_->width, model_->height}, devicePixelRatioF());
    const qreal ratio = background.devicePixelRatio();
    painter.drawImage(
        QPointF(0, axisTop), background,
        QRectF(0, axisTop * ratio, background.width(), background.height() - axisTop * ratio));
    paintCurves(painter, *model_);
    if (overlay_) overlay_(painter, *model_);
    if (readoutColumn_) {
        painter.setPen(QPen(Qt::red, 1));
        painter.drawLine(*readoutColumn_, 0, *readoutColumn_, model_->rows.bottom + 6);
    }
    if (marker_) {
        // Hatched silver, so the curve stays visible through it.
        painter.setPen(QPen(silver(), 1));
        painter.setBrush(QBrush(silver(), Qt::BDiagPattern));
        painter.drawRect(0, marker_->top, width() - 1, marker_->height);
    }
}

void CurveView::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
}

void CurveView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed(event->position().toPoint());
}

YAxisView::YAxisView(QWidget* parent) : QWidget(parent) {
    setObjectName("ybild");
    setMouseTracking(true);
    setFixedSize(kMinYAxisWidth, plotImageHeight(false));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void YAxisView::setModel(const CurvePlotModel* model) {
    model_ = model;
    if (model_) setFixedSize(model_->yAxisWidth, model_->height);
    update();
}

void YAxisView::setEllipseShown(bool shown) {
    if (shown == ellipse_) return;
    ellipse_ = shown;
    update();
}

void YAxisView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!model_) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // Painted directly: its labels come shaped from the cache, and it changes with nearly
    // every sweep.
    paintYAxis(painter, *model_);
    if (ellipse_) {
        painter.setPen(QPen(Qt::red, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(2, model_->rows.top, kEllipseSize, kEllipseSize);
    }
}

void YAxisView::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
}

}  // namespace volmira
