#include "schematic/ui/editor_side_bar.h"

#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "schematic/drawing_moves.h"
#include "schematic/ui/symbol_toolbar.h"

namespace volmira {

namespace {

constexpr int kIconSize = 28;

// "Rückgängig": an arrow bending back to the left.
QPixmap undoIcon() {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x40, 0x90), 2.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath bend;
    bend.moveTo(8, 11);
    bend.cubicTo(16, 5, 25, 9, 23, 17);
    bend.cubicTo(22, 21, 18, 23, 13, 23);
    p.drawPath(bend);
    p.setBrush(QColor(0x20, 0x40, 0x90));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(3, 12), QPointF(11, 6), QPointF(11, 16)}));
    return pixmap;
}

// "Netzwerk neu": a blank sheet with a folded corner.
QPixmap newSheetIcon() {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(
        QPolygon({QPoint(7, 3), QPoint(17, 3), QPoint(22, 8), QPoint(22, 25), QPoint(7, 25)}));
    p.drawPolyline(QPolygon({QPoint(17, 3), QPoint(17, 8), QPoint(22, 8)}));
    return pixmap;
}

// The four arrows, each inside the press region that selects its direction.
QPixmap arrowsImage() {
    QPixmap pixmap(kArrowImageSize, kArrowImageSize);
    pixmap.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x40, 0x90));
    p.drawPolygon(QPolygonF({QPointF(12.5, 0.5), QPointF(17, 6), QPointF(8, 6)}));     // up
    p.drawPolygon(QPolygonF({QPointF(12.5, 24.5), QPointF(17, 19), QPointF(8, 19)}));  // down
    p.drawPolygon(QPolygonF({QPointF(0.5, 12.5), QPointF(6, 8), QPointF(6, 17)}));     // left
    p.drawPolygon(QPolygonF({QPointF(24.5, 12.5), QPointF(19, 8), QPointF(19, 17)}));  // right
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawEllipse(QPointF(12.5, 12.5), 2.5, 2.5);
    return pixmap;
}

QToolButton* sideButton(QWidget* frame, const char* name, const QString& hint,
                        const QPixmap& icon) {
    auto* b = new QToolButton(frame);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setIcon(icon);
    b->setIconSize(QSize(kIconSize, kIconSize));
    b->setFixedSize(36, 36);
    b->setAutoRaise(true);
    addToToolFrame(frame, b, true);
    return b;
}

}  // namespace

ArrowImage::ArrowImage(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("Lirebild"));
    setToolTip(QStringLiteral("Netzwerk verschieben"));
    setPixmap(arrowsImage());
    setFixedSize(kArrowImageSize, kArrowImageSize);
}

void ArrowImage::mousePressEvent(QMouseEvent* event) {
    emit pressedAt(event->position().toPoint());
}

EditorSideBar::EditorSideBar(QWidget* frame) : QObject(frame) {
    undo_ = sideButton(frame, "UndoButton", QStringLiteral("Rückgängig"), undoIcon());
    ground_ = sideButton(frame, "SetMasse", QStringLiteral("Massepunkte setzen"),
                         symbolIcon(22, kIconSize));
    arrows_ = new ArrowImage(frame);
    addToToolFrame(frame, arrows_, true);
    if (auto* layout = frame->layout()) layout->setAlignment(arrows_, Qt::AlignHCenter);
    newNetwork_ = sideButton(frame, "NwNeu", QStringLiteral("Netzwerk neu"), newSheetIcon());
}

}  // namespace volmira
