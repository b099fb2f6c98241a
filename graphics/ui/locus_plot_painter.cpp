#include "graphics/ui/locus_plot_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "graphics/ui/curve_plot_painter.h"

namespace volmira {

namespace {

constexpr int kTickLength = 4;
constexpr int kQuadratSize = 5;
const QColor kAxisColour(0x80, 0x80, 0x80);  // the axes stay behind the curves

void paintAxes(QPainter& painter, const LocusPlotModel& model) {
    painter.setPen(QPen(kAxisColour, 1));
    painter.drawLine(0, model.origin.y, model.width - 1, model.origin.y);
    painter.drawLine(model.origin.x, 0, model.origin.x, model.realLabelRow - 1);
    const QFont font = locusRealLabelFont();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (const AxisLabel& label : model.realLabels) {
        if (model.gridLines) {
            painter.setPen(gridPen());
            painter.drawLine(label.position, 0, label.position, model.realLabelRow - 1);
        }
        painter.setPen(Qt::black);
        painter.drawLine(label.position, model.realLabelRow, label.position,
                         model.realLabelRow + kTickLength - 1);
        const QString text = QString::fromStdString(label.text);
        const int width = metrics.horizontalAdvance(text);
        const int left = std::clamp(label.position - width / 2, 0, model.width - width);
        painter.drawText(left, model.realLabelRow + kTickLength + metrics.ascent(), text);
    }
    if (model.gridLines) {
        painter.setPen(gridPen());
        for (const AxisLabel& label : model.imaginaryLabels)
            painter.drawLine(0, label.position - 2, model.width - 1, label.position - 2);
    }
}

}  // namespace

QFont locusRealLabelFont() {
    QFont font("Arial");
    font.setPixelSize(14);
    return font;
}

TextWidth locusRealTextWidth() {
    return [metrics = QFontMetrics(locusRealLabelFont())](std::string_view text) {
        return metrics.horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
}

void paintLocusPlot(QPainter& painter, const LocusPlotModel& model) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, model.width, model.height), Qt::white);
    if (model.scale.drawable()) {
        paintAxes(painter, model);
        for (const LocusCurve& curve : model.curves)
            paintPolyline(painter, curve.points, curve.selected ? QColor(Qt::black) : silver(),
                          curve.selected ? 2 : 1);
    }
    painter.restore();
}

void paintLocusPointer(QPainter& painter, const LocusPointer& pointer) {
    if (!pointer.visible) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::red, 1));
    painter.drawLine(pointer.origin.x, pointer.origin.y, pointer.tip.x, pointer.tip.y);
    painter.fillRect(pointer.square.x, pointer.square.y, kQuadratSize, kQuadratSize, Qt::red);
    painter.restore();
}

void paintLocusYAxis(QPainter& painter, const LocusPlotModel& model) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int width = model.yAxisWidth;
    painter.fillRect(QRect(0, 0, width, model.height), Qt::white);
    QFont font = plotLabelFont();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    painter.setPen(Qt::black);
    // The unit stands at the top; a label that would run into it keeps only its mark.
    const int titleBottom = metrics.height();
    for (const AxisLabel& label : model.imaginaryLabels) {
        const int row = label.position - 2;
        painter.drawLine(width - kTickLength, row, width - 1, row);
        const int baseline = row + (metrics.ascent() - metrics.descent()) / 2;
        if (baseline - metrics.ascent() < titleBottom) continue;
        const QString text = QString::fromStdString(label.text);
        painter.drawText(width - 5 - kTickLength - metrics.horizontalAdvance(text), baseline, text);
    }
    font.setBold(true);
    painter.setFont(font);
    const QString title = QString::fromStdString(model.yTitle);
    painter.drawText(width - 5 - QFontMetrics(font).horizontalAdvance(title), metrics.ascent(),
                     title);
    painter.restore();
}

QImage renderLocusPlot(const LocusPlotModel& model) {
    QImage image(model.width, model.height, QImage::Format_RGB32);
    QPainter painter(&image);
    paintLocusPlot(painter, model);
    paintLocusPointer(painter, model.pointer);
    return image;
}

QImage renderLocusYAxis(const LocusPlotModel& model) {
    QImage image(model.yAxisWidth, model.height, QImage::Format_RGB32);
    QPainter painter(&image);
    paintLocusYAxis(painter, model);
    return image;
}

}  // namespace volmira
