#include "graphics/ui/curve_export.h"

#include <QIODevice>
#include <QPainter>
#include <QSvgGenerator>

#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/locus_plot_painter.h"
#include "graphics/ui/plot_paint_tools.h"
#include "platform/export_file.h"

namespace volmira {

int ShownPlot::axisWidth() const {
    return curve ? curve->yAxisWidth : locus->yAxisWidth;
}

int ShownPlot::height() const {
    return curve ? curve->height : locus->height;
}

void paintShownPlot(QPainter& painter, const ShownPlot& plot) {
    // The plot first, shifted to its window; the y axis then covers what lies left of it (an
    // SVG keeps no clipping, so nothing relies on it).
    painter.save();
    painter.translate(plot.axisWidth() - plot.left, 0);
    if (plot.curve)
        paintCurvePlot(painter, *plot.curve);
    else
        paintLocusPlot(painter, *plot.locus);
    painter.restore();
    if (plot.curve)
        paintYAxis(painter, *plot.curve);
    else
        paintLocusYAxis(painter, *plot.locus);
}

QImage renderShownPlot(const ShownPlot& plot) {
    return renderImage(plot.width(), plot.height(),
                       [&](QPainter& painter) { paintShownPlot(painter, plot); });
}

namespace {

bool writeSvg(QIODevice& device, const ShownPlot& plot) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(QSize(plot.width(), plot.height()));
    svg.setViewBox(QRect(0, 0, plot.width(), plot.height()));
    svg.setTitle(QStringLiteral("Volmira"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paintShownPlot(painter, plot);
    return painter.end();
}

}  // namespace

void exportCurves(QWidget* parent, const ShownPlot& plot, const std::string& csv) {
    exportThroughDialog(
        parent, QString::fromUtf8(kCurveExportCaption),
        QStringLiteral("CSV-Tabelle (*.csv);;PNG-Bild (*.png);;SVG-Grafik (*.svg)"),
        QStringLiteral("Kurven.csv"), [&](QIODevice& device, const QString& suffix) {
            if (suffix == QLatin1String("png")) return renderShownPlot(plot).save(&device, "PNG");
            if (suffix == QLatin1String("svg")) return writeSvg(device, plot);
            return device.write(csv.data(), qint64(csv.size())) == qint64(csv.size());
        });
}

}  // namespace volmira
