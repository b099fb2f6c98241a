#include "graphics/ui/locus_plot_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/plot_paint_tools.h"

namespace volmira {

namespace {

constexpr int kQuadratSize = 5;
const QColor kAxisColour(0x80, 0x80, 0x80);  // the axes stay behind the curves

void paintAxes(QPainter& painter, const LocusPlotModel& model) {
    painter.setPen(QPen(kAxisColour, 1));
    painter.drawLine(0, model.origin.y, model.width - 1, model.origin.y);
    painter.drawLine(model.origin.x, 0, model.origin.x, model.realLabelRow - 1);
    painter.setFont(locusRealLabelFont());
    paintXLabels(painter, model.realLabels, model.realLabelRow, model.width,
                 model.gridLines ? std::optional<int>(0) : std::nullopt);
    if (model.gridLines) {
        painter.setPen(gridPen());
        for (const AxisLabel& label : model.imaginaryLabels)
            painter.drawLine(0, label.position - 2, model.width - 1, label.position - 2);
    }
}

}  // namespace

QFont locusRealLabelFont() {
    return arialFont(14);
}

TextWidth locusRealTextWidth() {
    return textWidthOf(locusRealLabelFont());
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
        paintPolyline(painter, model.recalled, lime(), model.largeView ? 2 : 1);
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
    painter.setFont(plotLabelFont());
    const QFontMetrics metrics(painter.font());
    painter.setPen(Qt::black);
    // The unit stands at the top; a label that would run into it keeps only its mark.
    const int titleBottom = metrics.height();
    for (const AxisLabel& label : model.imaginaryLabels) {
        const int row = label.position - 2;
        const bool clear = row - metrics.ascent() / 2 >= titleBottom;
        paintYLabel(painter, width, row, clear ? label.text : std::string());
    }
    paintYTitle(painter, width, metrics.ascent(), model.yTitle);
    painter.restore();
}

QImage renderLocusPlot(const LocusPlotModel& model) {
    return renderImage(model.width, model.height, [&](QPainter& painter) {
        paintLocusPlot(painter, model);
        paintLocusPointer(painter, model.pointer);
    });
}

QImage renderLocusYAxis(const LocusPlotModel& model) {
    return renderImage(model.yAxisWidth, model.height,
                       [&](QPainter& painter) { paintLocusYAxis(painter, model); });
}

}  // namespace volmira
