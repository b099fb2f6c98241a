#pragma once
// Paints a print pass on any QPainter in PageUnits (0.1 mm, y up), so the preview surface, a
// QImage and the printer share one path. Curves, locus plots and tables are painted by the
// caller's element painter into their rectangle.
#include <QRectF>
#include <functional>

#include "print/print_pass.h"

class QPainter;

namespace volmira {

// Paints the element of `slot` into `rect`, given in upright page coordinates (x right, y down,
// 0.1 mm from the printable area's top-left corner).
using ElementPainter =
    std::function<void(QPainter&, const QRectF& rect, int slot, ElementKind kind)>;

// Maps PageUnits onto a device area of `deviceSize` pixels that stands for the printable area
// of widthMm x heightMm.
void setPageTransform(QPainter& painter, const QSizeF& deviceSize, double widthMm, double heightMm);

// The preview's sheet: the printable area white with a dotted silver frame.
void paintPreviewSheet(QPainter& painter, double widthMm, double heightMm);

void paintPrintPass(QPainter& painter, const PrintPass& pass, PassTarget target,
                    const ElementPainter& elements);

// Runs `paint` with the y axis turned down at the page point (x, y): text and the pixel-based
// painters draw upright from there.
void paintUpright(QPainter& painter, double x, double y, const std::function<void()>& paint);

}  // namespace volmira
