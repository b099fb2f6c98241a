#include "print/ui/element_painters.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

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
