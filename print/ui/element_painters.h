#pragma once
// The curve, locus and table elements on the page, each painted into its rectangle in upright
// page coordinates (0.1 mm, y down). Curves and loci take the graphic mode's plot geometry
// and draw it with page fonts.
#include <QRectF>
#include <QString>

#include "graphics/curve_plot.h"
#include "graphics/locus_plot.h"
#include "print/frequency_table.h"

class QPainter;

namespace volmira {

// The axis labels' font height in 0.1 mm for a plot of this width: at most 3.5 mm.
int curveLabelHeight(double rectWidth);

// A title line (the branch's components with their values) above the framed plot: the columns
// that hold points stretched over its width, the labels in page fonts.
void paintCurveElement(QPainter& painter, const QRectF& rect, const CurvePlotModel& model,
                       const QString& title);

// The locus plot's geometry fitted into the rectangle at one scale for both axes, its axes
// through the origin, the scale labels in page fonts.
void paintLocusElement(QPainter& painter, const QRectF& rect, const LocusPlotModel& model,
                       const QString& title);

void paintTableElement(QPainter& painter, const QRectF& rect, const FrequencyTable& table);

}  // namespace volmira
