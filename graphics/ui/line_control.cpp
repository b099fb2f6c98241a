#include "graphics/ui/line_control.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace volmira {

TLinie::TLinie(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEnds(0, 0, 1, 1);
}

void TLinie::setEnds(int x1, int y1, int x2, int y2) {
    if (x1 == x2) ++x2;
    if (y1 == y2) ++y2;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
    update();
}

void TLinie::setPen(const QPen& pen) {
    pen_ = pen;
    update();
}

void TLinie::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen = pen_;
    // One pixel across: the line would vanish at the edge, so it is drawn broader.
    if (width() <= 1 || height() <= 1) pen.setWidth(2);
    painter.setPen(pen);
    const int right = width() - 1;
    const int bottom = height() - 1;
    const QPoint from(x1_ <= x2_ ? 0 : right, y1_ <= y2_ ? 0 : bottom);
    const QPoint to(x1_ <= x2_ ? right : 0, y1_ <= y2_ ? bottom : 0);
    painter.drawLine(from, to);
}

}  // namespace volmira
