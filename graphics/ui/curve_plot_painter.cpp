#include "graphics/ui/curve_plot_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "graphics/ui/plot_paint_tools.h"

namespace volmira {

namespace {

// Frequency ticks hang below the lowest curve row; labels below them.
constexpr int kFrequencyTickGap = 9;
constexpr int kTickLength = 4;

void paintFrequencyAxis(QPainter& painter, const CurvePlotModel& model) {
    paintXLabels(painter, {model.frequencyLabels.begin(), model.frequencyLabels.end()},
                 frequencyAxisTop(model), model.width,
                 model.gridLines ? std::optional<int>(model.rows.top) : std::nullopt);
}

// A y label's row is two below the row its value has on the curve.
int curveRowOfLabel(const AxisLabel& label) {
    return label.position - kLabelRowOffset + kCurveRowOffset;
}

}  // namespace

QFont plotLabelFont() {
    // Made once: every sweep lays out and paints with it. Never destroyed: a font destroyed
    // after the application would release font engines that are gone by then.
    static const QFont* const font = new QFont(arialFont(11));
    return *font;
}

TextWidth plotTextWidth() {
    return textWidthOf(plotLabelFont());
}

void paintCurvePlot(QPainter& painter, const CurvePlotModel& model) {
    paintPlotBackground(painter, model);
    paintCurves(painter, model);
}

void paintPlotBackground(QPainter& painter, const CurvePlotModel& model) {
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
    painter.restore();
}

void paintCurves(QPainter& painter, const CurvePlotModel& model) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A family: the other curves in silver first, the selected one over them in black.
    const auto selected = static_cast<std::size_t>(model.selectedCurve - 1);
    for (std::size_t k = 0; k < model.curves.size(); ++k)
        if (k != selected) paintPolyline(painter, model.curves[k], silver(), model.penWidth);
    if (selected < model.curves.size())
        paintPolyline(painter, model.curves[selected], Qt::black, model.penWidth);
    painter.setPen(QPen(Qt::red, 1));
    for (const PlotPoint& p : model.topClips) painter.drawPoint(p.x, p.y);
    for (const PlotPoint& p : model.bottomClips) painter.drawPoint(p.x, p.y);
    painter.restore();
}

int frequencyAxisTop(const CurvePlotModel& model) {
    return model.rows.bottom + kFrequencyTickGap;
}

bool sameBackground(const CurvePlotModel& a, const CurvePlotModel& b) {
    return a.width == b.width && a.height == b.height && a.rows.top == b.rows.top &&
           a.rows.bottom == b.rows.bottom && a.gridLines == b.gridLines &&
           a.frequencyLabels == b.frequencyLabels && (!a.gridLines || a.yLabels == b.yLabels);
}

void paintYAxis(QPainter& painter, const CurvePlotModel& model) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int width = model.yAxisWidth;
    painter.fillRect(QRect(0, 0, width, model.height), Qt::white);
    painter.setFont(plotLabelFont());
    const QFontMetrics metrics(painter.font());
    painter.setPen(Qt::black);
    for (const AxisLabel& label : model.yLabels)
        paintYLabel(painter, width, curveRowOfLabel(label), label.text);
    paintYTitle(painter, width, frequencyAxisTop(model) + kTickLength + metrics.ascent(),
                model.yTitle);
    painter.restore();
}

QImage renderCurvePlot(const CurvePlotModel& model) {
    return renderImage(model.width, model.height,
                       [&](QPainter& painter) { paintCurvePlot(painter, model); });
}

QImage renderYAxis(const CurvePlotModel& model) {
    return renderImage(model.yAxisWidth, model.height,
                       [&](QPainter& painter) { paintYAxis(painter, model); });
}

}  // namespace volmira
