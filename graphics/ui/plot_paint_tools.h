#pragma once
// What the curve and locus painters share: Arial at a pixel size with its width measure, the
// silver of the family and the grids, the lime of the recalled curve, polylines, the y-axis
// labels, and rendering to an image.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QStaticText>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "graphics/curve_plot.h"
#include "graphics/frequency_axis.h"
#include "graphics/nice_ticks.h"

namespace volmira {

QFont arialFont(int pixelSize);

// A label shaped once per font and text and kept for good: the axes lay out and paint the same
// few labels on every sweep, and shaping them was most of an axis's work.
struct ShapedLabel {
    QStaticText text;
    qreal ascent = 0;    // from the top of `text` to its baseline
    int advance = 0;     // QFontMetrics::horizontalAdvance
    int centreDrop = 0;  // a baseline this far below a row centres the font's text on it
};
const ShapedLabel& shapedLabel(const QFont& font, std::string_view text);
// The label in the painter's font with its baseline's left end at (x, baseline).
void drawLabel(QPainter& painter, int x, int baseline, const ShapedLabel& label);

// The advance of a text in `font`, from the shaped labels.
TextWidth textWidthOf(const QFont& font);

QColor silver();  // clSilver
QColor lime();    // clLime, the recalled curve memory
QPen gridPen();   // dotted silver

// A single point is drawn as a dot.
void paintPolyline(QPainter& painter, std::span<const PlotPoint> points, const QColor& colour,
                   int width);

// A ybild label: a mark at the right edge of the `width` pixels, the text right-aligned left of it.
void paintYLabel(QPainter& painter, int width, int row, std::string_view text);
// The bold unit, right-aligned on `baseline`.
void paintYTitle(QPainter& painter, int width, int baseline, std::string_view title);

// Labels under a horizontal axis in the painter's font: a mark from `tickTop` down, the text
// centred under it but kept whole inside `imageWidth`; with a grid, a dotted line from `gridTop`
// down to the mark.
void paintXLabels(QPainter& painter, std::span<const AxisLabel> labels, int tickTop, int imageWidth,
                  std::optional<int> gridTop);

// An RGB image of the size painted by `paint(QPainter&)`.
template <class Paint>
QImage renderImage(int width, int height, Paint&& paint) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    paint(painter);
    return image;
}

}  // namespace volmira
