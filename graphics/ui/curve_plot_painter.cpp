#include "graphics/ui/curve_plot_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace volmira {

namespace {

// Frequency ticks hang below the lowest curve row; labels below them.
constexpr int kFrequencyTickGap = 9;
constexpr int kTickLength = 4;

QPen gridPen() {
    return QPen(QColor(0xC0, 0xC0, 0xC0), 1, Qt::DotLine);
}  // silver

void paintFrequencyAxis(QPainter& painter, const CurvePlotModel& model) {
    const QFontMetrics metrics(painter.font());
    const int tickTop = model.rows.bottom + kFrequencyTickGap;
    for (const AxisLabel& label : model.frequencyLabels) {
        if (model.gridLines) {
            painter.setPen(gridPen());
            painter.drawLine(label.position, model.rows.top, label.position, tickTop - 1);
        }
        painter.setPen(Qt::black);
        painter.drawLine(label.position, tickTop, label.position, tickTop + kTickLength - 1);
        const QString text = QString::fromStdString(label.text);
        // Centred on the tick, but kept whole at the image's ends.
        const int width = metrics.horizontalAdvance(text);
        const int left = std::clamp(label.position - width / 2, 0, model.width - width);
        painter.drawText(left, tickTop + kTickLength + metrics.ascent(), text);
    }
}

// A y label's row is two below the row its value has on the curve.
int curveRowOfLabel(const AxisLabel& label) {
    return label.position - kLabelRowOffset + kCurveRowOffset;
}

}  // namespace

QFont plotLabelFont() {
    QFont font("Arial");
    font.setPixelSize(11);
    return font;
}

TextWidth plotTextWidth() {
    return [metrics = QFontMetrics(plotLabelFont())](std::string_view text) {
        return metrics.horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
}

void paintCurvePlot(QPainter& painter, const CurvePlotModel& model) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(plotLabelFont());
    painter.fillRect(QRect(0, 0, model.width, model.height), Qt::white);
    if (model.gridLines) {
        painter.setPen(gridPen());
        for (const AxisLabel& label : model.yLabels) {
            const int row = curveRowOfLabel(label);
            painter.drawLine(0, row, model.width - 1, row);
        }
    }
    paintFrequencyAxis(painter, model);
    painter.setPen(QPen(Qt::black, model.penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const std::vector<PlotPoint>& curve : model.curves) {
        QPolygon line;
        for (const PlotPoint& p : curve) line << QPoint(p.x, p.y);
        if (line.size() == 1) painter.drawPoint(line.front());
        if (line.size() > 1) painter.drawPolyline(line);
    }
    painter.setPen(QPen(Qt::red, 1));
    for (const PlotPoint& p : model.topClips) painter.drawPoint(p.x, p.y);
    for (const PlotPoint& p : model.bottomClips) painter.drawPoint(p.x, p.y);
    painter.restore();
}

void paintYAxis(QPainter& painter, const CurvePlotModel& model) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int width = model.yAxisWidth;
    painter.fillRect(QRect(0, 0, width, model.height), Qt::white);
    QFont font = plotLabelFont();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    painter.setPen(Qt::black);
    for (const AxisLabel& label : model.yLabels) {
        const int row = curveRowOfLabel(label);
        painter.drawLine(width - kTickLength, row, width - 1, row);
        const QString text = QString::fromStdString(label.text);
        painter.drawText(width - 5 - metrics.horizontalAdvance(text),
                         row + (metrics.ascent() - metrics.descent()) / 2, text);
    }
    font.setBold(true);
    painter.setFont(font);
    const QString title = QString::fromStdString(model.yTitle);
    painter.drawText(width - 5 - QFontMetrics(font).horizontalAdvance(title),
                     model.rows.bottom + kFrequencyTickGap + kTickLength + metrics.ascent(), title);
    painter.restore();
}

QImage renderCurvePlot(const CurvePlotModel& model) {
    QImage image(model.width, model.height, QImage::Format_RGB32);
    QPainter painter(&image);
    paintCurvePlot(painter, model);
    return image;
}

QImage renderYAxis(const CurvePlotModel& model) {
    QImage image(model.yAxisWidth, model.height, QImage::Format_RGB32);
    QPainter painter(&image);
    paintYAxis(painter, model);
    return image;
}

}  // namespace volmira
