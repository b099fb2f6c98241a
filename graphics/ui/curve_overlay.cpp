#include "graphics/ui/curve_overlay.h"

#include <QEvent>
#include <QPainter>

#include "graphics/ui/plot_paint_tools.h"

namespace volmira {

CurveOverlay::CurveOverlay(QWidget* plot) : QWidget(plot) {
    setObjectName("KurvenUeberlagerung");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(plot->rect());
    plot->installEventFilter(this);
}

void CurveOverlay::setLines(std::vector<PlotPoint> image, std::vector<PlotPoint> memory,
                            int penWidth) {
    image_ = std::move(image);
    memory_ = std::move(memory);
    penWidth_ = penWidth;
    raise();
    update();
}

bool CurveOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}

void CurveOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!image_.empty()) paintPolyline(painter, image_, QColor(0xFF, 0x00, 0xFF), penWidth_);
    if (!memory_.empty()) paintPolyline(painter, memory_, lime(), penWidth_);
}

}  // namespace volmira
