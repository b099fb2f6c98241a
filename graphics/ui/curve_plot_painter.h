#pragma once
// Paints the curve plot's geometry: the graph image Bild1 (curves, red clip marks, frequency
// ticks and labels) and the y-axis image ybild (labels, tick marks, the unit). On any QPainter,
// so the screen, the print page and test images share it.
#include <QFont>
#include <QImage>

#include "graphics/curve_plot.h"
#include "graphics/nice_ticks.h"

class QPainter;

namespace volmira {

// The labels' font (Arial, 11 pixels) and a width measure for the core's layout.
QFont plotLabelFont();
TextWidth plotTextWidth();

// Bild1: white, then the frequency axis, then the curves and their clip marks.
void paintCurvePlot(QPainter& painter, const CurvePlotModel& model);
// Its two layers: what stays while the axes do (white, the grid, the frequency axis), and the
// curves with their clip marks over it.
void paintPlotBackground(QPainter& painter, const CurvePlotModel& model);
void paintCurves(QPainter& painter, const CurvePlotModel& model);
// The first row of the frequency axis' marks.
int frequencyAxisTop(const CurvePlotModel& model);
// Whether two models paint the same background.
bool sameBackground(const CurvePlotModel& a, const CurvePlotModel& b);
// ybild, model.yAxisWidth pixels wide: labels right-aligned, a tick mark at the right edge,
// and the unit in bold under the last label.
void paintYAxis(QPainter& painter, const CurvePlotModel& model);

QImage renderCurvePlot(const CurvePlotModel& model);
QImage renderYAxis(const CurvePlotModel& model);

}  // namespace volmira
