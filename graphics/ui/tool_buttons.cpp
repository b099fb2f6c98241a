#include "graphics/ui/tool_buttons.h"

#include <QBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>
#include <cmath>

namespace volmira {

namespace {

constexpr int kIconSize = 20;

void drawWave(QPainter& p, const QColor& colour) {
    QPainterPath wave(QPointF(2, 14));
    wave.cubicTo(QPointF(7, 2), QPointF(12, 18), QPointF(18, 6));
    p.setPen(QPen(colour, 2));
    p.drawPath(wave);
}

// A y axis with ticks and the hatched band of the y-scaling marker across it.
void drawScalingBand(QPainter& p) {
    p.drawLine(QPointF(3, 1), QPointF(3, 19));
    for (int y : {4, 10, 16}) p.drawLine(QPointF(1, y), QPointF(5, y));
    p.setPen(QPen(Qt::gray, 1));
    p.setBrush(QBrush(Qt::gray, Qt::BDiagPattern));
    p.drawRect(QRectF(6.5, 6.5, 12, 7));
    p.setBrush(Qt::NoBrush);
}

void drawArrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF back = (from - to) / std::hypot(from.x() - to.x(), from.y() - to.y()) * 4;
    const QPointF side(-back.y(), back.x());
    p.drawLine(to, to + back + side * 0.7);
    p.drawLine(to, to + back - side * 0.7);
}

}  // namespace

QIcon toolIcon(ToolGlyph glyph) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    switch (glyph) {
        case ToolGlyph::YScaling:
            drawScalingBand(p);
            p.setPen(QPen(Qt::red, 1.5));
            p.drawEllipse(QPointF(13, 10), 3, 3);
            break;
        case ToolGlyph::YScalingOff:
            drawScalingBand(p);
            p.setPen(QPen(Qt::red, 2));
            p.drawLine(QPointF(7, 18), QPointF(19, 2));
            break;
        case ToolGlyph::Export:
            drawWave(p, Qt::black);
            p.setPen(QPen(Qt::blue, 1.5));
            drawArrow(p, QPointF(8, 17), QPointF(18, 17));
            break;
        case ToolGlyph::Ripple:
            p.drawLine(1, 3, 19, 3);
            p.drawLine(1, 17, 19, 17);
            drawWave(p, Qt::blue);
            break;
        case ToolGlyph::Search:
            p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
            p.setPen(QPen(Qt::black, 2.5));
            p.drawLine(12, 12, 18, 18);
            break;
        case ToolGlyph::Image:
            drawWave(p, QColor(0xFF, 0x00, 0xFF));
            break;
        case ToolGlyph::Store:
        case ToolGlyph::Recall:
            drawWave(p, glyph == ToolGlyph::Store ? QColor(Qt::black) : QColor(0x00, 0xC0, 0x00));
            p.setPen(QPen(Qt::black, 1.5));
            p.drawRect(QRectF(1.5, 15.5, 17, 3));
            break;
        case ToolGlyph::Centre:
            p.drawLine(10, 2, 10, 18);
            p.drawLine(1, 10, 7, 10);
            p.drawLine(13, 10, 19, 10);
            p.drawLine(4, 7, 7, 10);
            p.drawLine(4, 13, 7, 10);
            p.drawLine(16, 7, 13, 10);
            p.drawLine(16, 13, 13, 10);
            break;
        case ToolGlyph::Characteristics: {
            // A resonance peak with the ring the marks put on it.
            QPainterPath peak(QPointF(1, 18));
            peak.cubicTo(QPointF(8, 18), QPointF(8, 5), QPointF(10, 5));
            peak.cubicTo(QPointF(12, 5), QPointF(12, 18), QPointF(19, 18));
            p.drawPath(peak);
            p.setPen(QPen(Qt::red, 1.5));
            p.drawEllipse(QPointF(10, 5), 3.5, 3.5);
            break;
        }
        case ToolGlyph::PolesZeros:
            p.setPen(QPen(Qt::blue, 1));
            p.drawLine(QPointF(1, 10), QPointF(19, 10));
            p.drawLine(QPointF(10, 1), QPointF(10, 19));
            p.setPen(QPen(Qt::red, 2));
            p.drawLine(QPointF(2.5, 3.5), QPointF(7.5, 8.5));
            p.drawLine(QPointF(2.5, 8.5), QPointF(7.5, 3.5));
            p.setPen(QPen(Qt::black, 1.5));
            p.drawEllipse(QPointF(15, 15), 3, 3);
            break;
    }
    return QIcon(pixmap);
}

QToolButton* addToolButton(QWidget* bar, const char* name, const QString& caption,
                           std::optional<ToolGlyph> glyph) {
    auto* tool = new QToolButton(bar);
    tool->setObjectName(QString::fromLatin1(name));
    tool->setText(caption);
    tool->setToolTip(caption);
    if (glyph) tool->setIcon(toolIcon(*glyph));
    auto* row = static_cast<QBoxLayout*>(bar->layout());
    row->insertWidget(row->count() - 1, tool);
    return tool;
}

}  // namespace volmira
