#include "ui/setup_icon.h"

#include <QPainter>
#include <QPolygonF>

namespace setup {

QPixmap setupPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xC8, 0x96, 0x50));
    p.drawRect(QRectF(4.5, 16.5, 23, 13));
    p.setBrush(QColor(0, 0, 0xC0));
    p.drawPolygon(QPolygonF({{12, 2}, {20, 2}, {20, 12}, {25, 12}, {16, 22}, {7, 12}, {12, 12}}));
    return pixmap;
}

QIcon setupIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) icon.addPixmap(setupPixmap(size));
    return icon;
}

}  // namespace setup
