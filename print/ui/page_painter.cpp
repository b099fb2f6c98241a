#include "print/ui/page_painter.h"

#include <QFontMetricsF>
#include <QPainter>

#include "print/ui/text_measure.h"

namespace volmira {

namespace {

QColor fillColour(PageFill fill) {
    return fill == PageFill::White ? Qt::white : Qt::black;
}

// On the preview each character of a text element is placed so that the line covers exactly the
// width it has on paper, whatever the preview's font metrics.
void paintFittedText(QPainter& painter, const PageOp& op) {
    const QFontMetricsF metrics(pageFont(100, op.style));
    const QString text = QString::fromStdString(op.text);
    const double whole = metrics.horizontalAdvance(text);
    if (whole <= 0) return;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const double x = std::round(metrics.horizontalAdvance(text.left(i)) / whole * op.fitWidth);
        painter.drawText(QRectF(x, 0, op.fontHeight * 4, op.fontHeight * 2),
                         Qt::AlignLeft | Qt::AlignTop, text.mid(i, 1));
    }
}

}  // namespace

void setPageTransform(QPainter& painter, const QSizeF& deviceSize, double widthMm,
                      double heightMm) {
    painter.setWorldTransform(QTransform::fromScale(deviceSize.width() / (widthMm * 10),
                                                    -deviceSize.height() / (heightMm * 10)));
}

void paintPreviewSheet(QPainter& painter, double widthMm, double heightMm) {
    const QRectF area(0, 0, widthMm * 10, -heightMm * 10);
    painter.fillRect(area, Qt::white);
    painter.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.setPen(QPen(Qt::black));
}

void paintUpright(QPainter& painter, double x, double y, const std::function<void()>& paint) {
    painter.save();
    painter.translate(x, y);
    painter.scale(1, -1);
    paint();
    painter.restore();
}

void paintPrintPass(QPainter& painter, const PrintPass& pass, PassTarget target,
                    const ElementPainter& elements) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen pen(Qt::black, pass.penWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    for (const PageOp& op : pass.ops) {
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        switch (op.kind) {
            case PageOpKind::Line:
                painter.drawLine(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
                break;
            case PageOpKind::Rect:
            case PageOpKind::Ellipse: {
                QPen framed = pen;
                framed.setWidthF(pass.penWidth + op.penExtra);
                painter.setPen(framed);
                if (op.fill != PageFill::None) painter.setBrush(fillColour(op.fill));
                const QRectF r = QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)).normalized();
                if (op.kind == PageOpKind::Rect)
                    painter.drawRect(r);
                else
                    painter.drawEllipse(r);
                break;
            }
            case PageOpKind::Hatch:
                painter.setPen(Qt::NoPen);
                painter.setBrush(QBrush(Qt::black, Qt::DiagCrossPattern));
                painter.drawRect(QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)).normalized());
                break;
            case PageOpKind::Text: {
                const QFont font = pageFont(op.fontHeight, op.style);
                paintUpright(painter, op.x1, op.y1, [&] {
                    painter.setFont(font);
                    if (op.textElement && target == PassTarget::Preview)
                        paintFittedText(painter, op);
                    else
                        painter.drawText(QRectF(0, 0, 1e5, op.fontHeight * 2.0),
                                         Qt::AlignLeft | Qt::AlignTop,
                                         QString::fromStdString(op.text));
                });
                break;
            }
            case PageOpKind::Element:
                if (!elements) break;
                paintUpright(painter, 0, 0, [&] {
                    elements(painter, QRectF(QPointF(op.x1, -op.y1), QPointF(op.x2, -op.y2)),
                             op.slot, op.element);
                });
                break;
        }
    }
}

}  // namespace volmira
