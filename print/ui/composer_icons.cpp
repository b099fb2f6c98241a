#include "print/ui/composer_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace volmira {

namespace {

const QColor kInk(0x20, 0x30, 0x48);
const QColor kAccent(0x1E, 0x6F, 0xC8);

void printer(QPainter& p) {
    p.drawRect(QRectF(6, 6, 12, 6));
    p.drawRect(QRectF(3, 12, 18, 7));
    p.fillRect(QRectF(7, 17, 10, 5), Qt::white);
    p.drawRect(QRectF(7, 17, 10, 5));
}

// A vertical arrow from (12, fromY) to (12, toY).
void arrow(QPainter& p, const QColor& colour, double fromY, double toY) {
    const double back = toY > fromY ? -4 : 4;
    p.setPen(QPen(colour, 2));
    p.drawLine(QPointF(12, fromY), QPointF(12, toY));
    p.drawLine(QPointF(8, toY + back), QPointF(12, toY));
    p.drawLine(QPointF(16, toY + back), QPointF(12, toY));
}

void page(QPainter& p) {
    p.drawRect(QRectF(5, 2, 14, 20));
}

}  // namespace

QIcon composerIcon(ComposerIcon icon) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.4));
    switch (icon) {
        case ComposerIcon::Orientation:
            p.drawRect(QRectF(2, 4, 10, 16));
            p.setPen(QPen(kAccent, 1.4));
            p.drawRect(QRectF(8, 10, 14, 10));
            break;
        case ComposerIcon::ClearSheet:
            page(p);
            p.setPen(QPen(Qt::red, 2));
            p.drawLine(QPointF(8, 7), QPointF(16, 17));
            p.drawLine(QPointF(16, 7), QPointF(8, 17));
            break;
        case ComposerIcon::Preview:
            page(p);
            p.setPen(QPen(kAccent, 2));
            p.drawEllipse(QPointF(11, 11), 4.5, 4.5);
            p.drawLine(QPointF(14.5, 14.5), QPointF(20, 20));
            break;
        case ComposerIcon::Print:
            printer(p);
            break;
        case ComposerIcon::HandOver:
            printer(p);
            arrow(p, QColor(0x00, 0x80, 0x00), 0, 8);
            break;
        case ComposerIcon::PrinterSetup:
            printer(p);
            p.setPen(QPen(kAccent, 2));
            p.drawEllipse(QPointF(18, 6), 3.5, 3.5);
            break;
        case ComposerIcon::Save:
            page(p);
            arrow(p, kAccent, 6, 16);
            break;
        case ComposerIcon::Load:
            page(p);
            arrow(p, kAccent, 16, 6);
            break;
        case ComposerIcon::Schematic:
            p.drawLine(QPointF(1, 12), QPointF(6, 12));
            p.drawRect(QRectF(6, 8, 12, 8));
            p.drawLine(QPointF(18, 12), QPointF(23, 12));
            break;
        case ComposerIcon::ComponentList:
            for (int y : {6, 12, 18}) {
                p.drawLine(QPointF(3, y), QPointF(9, y));
                p.setPen(QPen(kAccent, 1.4));
                p.drawLine(QPointF(12, y), QPointF(21, y));
                p.setPen(QPen(kInk, 1.4));
            }
            break;
        case ComposerIcon::Curve: {
            p.drawLine(QPointF(3, 2), QPointF(3, 21));
            p.drawLine(QPointF(3, 21), QPointF(22, 21));
            QPainterPath curve(QPointF(4, 17));
            curve.cubicTo(QPointF(9, 17), QPointF(10, 4), QPointF(13, 4));
            curve.cubicTo(QPointF(16, 4), QPointF(18, 15), QPointF(22, 16));
            p.setPen(QPen(kAccent, 1.8));
            p.drawPath(curve);
            break;
        }
        case ComposerIcon::Locus:
            p.drawLine(QPointF(2, 12), QPointF(22, 12));
            p.drawLine(QPointF(6, 2), QPointF(6, 22));
            p.setPen(QPen(kAccent, 1.8));
            p.drawArc(QRectF(6, 5, 14, 14), 0, 180 * 16);
            break;
    }
    return QIcon(pixmap);
}

}  // namespace volmira
