#include "print/ui/element_painters.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "graphics/ui/curve_plot_painter.h"
#include "print/ui/text_measure.h"

namespace volmira {

int curveLabelHeight(double rectWidth) {
    return std::min(35, static_cast<int>(rectWidth / 70 + 15));
}

void paintCurveElement(QPainter& painter, const QRectF& rect, const CurvePlotModel& model,
                       const QString& title) {
    const double titleHeight = curveLabelHeight(rect.width()) * 1.3;
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(pageFont(curveLabelHeight(rect.width())));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignTop, title);
    // The plot's pixel geometry, stretched into what is left of the rectangle.
    const double pixelWidth = model.yAxisWidth + model.width;
    const double sx = rect.width() / pixelWidth;
    const double sy = (rect.height() - titleHeight) / model.height;
    painter.translate(rect.left(), rect.top() + titleHeight);
    painter.scale(sx, sy);
    paintYAxis(painter, model);
    painter.translate(model.yAxisWidth, 0);
    paintCurvePlot(painter, model);
    painter.restore();
}

void paintLocusElement(QPainter& painter, const QRectF& rect, const PlotState& plot, int button,
                       const QString& title) {
    const int slot = selectorSlot(button);
    if (slot >= kPhaseCellCount) return;  // only slots with a stored phase have a locus
    QPolygonF points;
    double left = 0, right = 0, top = 0, bottom = 0;  // the origin always belongs to the view
    for (int point = 0; point < kStorePoints; ++point) {
        const double v = plot.curves.at(1, slot, point);
        const double phase = plot.phases.at(1, slot, point);
        if (!isComputed(v) || !isComputed(phase)) continue;
        const QPointF p(v * std::cos(phase), -v * std::sin(phase));  // imaginary part upward
        points << p;
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    const QRectF extent(QPointF(left, top), QPointF(right, bottom));
    const int labelHeight = curveLabelHeight(rect.width());
    const QRectF area = rect.adjusted(labelHeight, labelHeight * 1.5, -labelHeight, -labelHeight);
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(pageFont(labelHeight));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), labelHeight * 1.3),
                     Qt::AlignLeft | Qt::AlignTop, title);
    if (points.isEmpty() || extent.width() + extent.height() <= 0) {
        painter.restore();
        return;
    }
    const double scale = std::min(area.width() / std::max(extent.width(), 1e-300),
                                  area.height() / std::max(extent.height(), 1e-300));
    const QPointF offset(
        area.left() + (area.width() - extent.width() * scale) / 2 - extent.left() * scale,
        area.top() + (area.height() - extent.height() * scale) / 2 - extent.top() * scale);
    const auto place = [&](QPointF p) { return p * scale + offset; };
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawLine(QPointF(area.left(), offset.y()), QPointF(area.right(), offset.y()));
    painter.drawLine(QPointF(offset.x(), area.top()), QPointF(offset.x(), area.bottom()));
    painter.drawText(
        QRectF(area.right() - labelHeight * 2, offset.y(), labelHeight * 2, labelHeight * 1.3),
        Qt::AlignRight | Qt::AlignTop, QStringLiteral("Re"));
    painter.drawText(
        QRectF(offset.x() + labelHeight / 3.0, area.top(), labelHeight * 2, labelHeight * 1.3),
        Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Im"));
    QPolygonF placed;
    for (const QPointF& p : points) placed << place(p);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPolyline(placed);
    painter.restore();
}

void paintTableElement(QPainter& painter, const QRectF& rect, const FrequencyTable& table) {
    if (table.rows <= 0 || table.columns <= 0) return;
    const double rowHeight = rect.height() / (table.rows + 1);
    const QFont font = pageFont(std::min(rowHeight * (table.withPhase ? 0.35 : 0.6), 35.0));
    const QFontMetricsF metrics(font);
    double labelWidth = metrics.horizontalAdvance(QString::fromStdString(table.quantityName));
    for (int r = 0; r < table.rows; ++r)
        labelWidth = std::max(labelWidth,
                              metrics.horizontalAdvance(QString::fromStdString(table.labels[r])));
    labelWidth += metrics.horizontalAdvance(QStringLiteral("  "));
    const double columnWidth = (rect.width() - labelWidth) / table.columns;
    const double valuesLeft = rect.left() + labelWidth;

    painter.save();
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    // One rectangle per row across the values and one per column down the rows.
    for (int r = 1; r <= table.rows; ++r)
        painter.drawRect(QRectF(rect.left(), rect.top() + r * rowHeight, rect.width(), rowHeight));
    for (int c = 0; c < table.columns; ++c)
        painter.drawRect(
            QRectF(valuesLeft + c * columnWidth, rect.top(), columnWidth, rect.height()));

    painter.drawText(QRectF(rect.left(), rect.top(), labelWidth, rowHeight),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(table.quantityName));
    for (int c = 0; c < table.columns; ++c)
        painter.drawText(QRectF(valuesLeft + c * columnWidth, rect.top(), columnWidth, rowHeight),
                         Qt::AlignCenter, QString::fromStdString(table.frequencies[c]));
    for (int r = 0; r < table.rows; ++r) {
        const double top = rect.top() + (r + 1) * rowHeight;
        painter.drawText(QRectF(rect.left() + metrics.horizontalAdvance(QStringLiteral(" ")), top,
                                labelWidth, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(table.labels[r]));
        for (int c = 0; c < table.columns; ++c) {
            const QRectF cell(valuesLeft + c * columnWidth, top, columnWidth, rowHeight);
            if (!table.withPhase) {
                painter.drawText(cell, Qt::AlignCenter, QString::fromStdString(table.values[r][c]));
                continue;
            }
            painter.drawText(cell, Qt::AlignHCenter | Qt::AlignTop,
                             QString::fromStdString(table.values[r][c]));
            painter.drawText(cell, Qt::AlignHCenter | Qt::AlignBottom,
                             QString::fromStdString(table.phases[r][c]));
        }
    }
    painter.restore();
}

}  // namespace volmira
