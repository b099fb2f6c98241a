#pragma once
// The curve, locus and table elements on the page, each painted into its rectangle in upright
// page coordinates (0.1 mm, y down). The curve reuses the graphic mode's plot painters.
#include <QRectF>
#include <QString>

#include "graphics/curve_plot.h"
#include "print/frequency_table.h"

class QPainter;

namespace volmira {

// The axis labels' font height in 0.1 mm for a plot of this width: at most 3.5 mm.
int curveLabelHeight(double rectWidth);

// A title line (the branch's components with their values) above the y axis and the plot.
void paintCurveElement(QPainter& painter, const QRectF& rect, const CurvePlotModel& model,
                       const QString& title);

// The locus of quantity button `button` (curve 1): each solved point at its magnitude and phase
// in the complex plane, both axes at one scale, crossing at the origin.
void paintLocusElement(QPainter& painter, const QRectF& rect, const PlotState& plot, int button,
                       const QString& title);

void paintTableElement(QPainter& painter, const QRectF& rect, const FrequencyTable& table);

}  // namespace volmira
