#pragma once
// "Kurven exportieren …": what the graphic mode shows (a curve, a family, a value curve or a
// locus plot) as German CSV, as a PNG of the plot as drawn, or as SVG.
#include <QImage>

#include "graphics/curve_csv.h"
#include "graphics/curve_plot.h"
#include "graphics/locus_plot.h"

class QPainter;
class QWidget;

namespace volmira {

inline constexpr char kCurveExportCaption[] = "Kurven exportieren \u2026";

// The plot as the scroll box shows it: the y axis, then `columns` columns of Bild1 from `left`.
struct ShownPlot {
    const CurvePlotModel* curve = nullptr;  // one of the two
    const LocusPlotModel* locus = nullptr;
    int left = 0;
    int columns = 0;

    int axisWidth() const;
    int width() const { return axisWidth() + columns; }
    int height() const;
};

void paintShownPlot(QPainter& painter, const ShownPlot& plot);
QImage renderShownPlot(const ShownPlot& plot);

// Asks for the file and writes it; its suffix (csv, png, svg) chooses the form.
void exportCurves(QWidget* parent, const ShownPlot& plot, const std::string& csv);

}  // namespace volmira
