#pragma once
// Paints the locus plot's geometry: on Bild1 the axes through the origin, the real-axis ticks
// and labels, the curves (the selected one black over the silver others) and the red pointer;
// on ybild the imaginary-axis labels and the unit. On any QPainter.
#include <QFont>
#include <QImage>

#include "graphics/locus_plot.h"
#include "graphics/nice_ticks.h"

class QPainter;

namespace volmira {

// The real-axis labels' font (Arial, 14 pixels) and its width measure for the core's layout.
QFont locusRealLabelFont();
TextWidth locusRealTextWidth();

// Bild1 without the pointer.
void paintLocusPlot(QPainter& painter, const LocusPlotModel& model);
// ortlinie and Quadrat, painted over the plot (a view paints them in its paintEvent).
void paintLocusPointer(QPainter& painter, const LocusPointer& pointer);
// ybild, model.yAxisWidth pixels wide.
void paintLocusYAxis(QPainter& painter, const LocusPlotModel& model);

// The plot with its pointer, and ybild.
QImage renderLocusPlot(const LocusPlotModel& model);
QImage renderLocusYAxis(const LocusPlotModel& model);

}  // namespace volmira
