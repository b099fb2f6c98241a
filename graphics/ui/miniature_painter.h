#pragma once
// Paints the miniature drawing (SbKlein, sbklein2, the print composer's table page) and the
// highlight of the selected branch on any QPainter.
#include <QImage>
#include <vector>

#include "graphics/miniature.h"

class QPainter;

namespace volmira {

// White over the miniature's area, then the items in order.
void paintMiniature(QPainter& painter, const std::vector<MiniatureItem>& items);
// Inverts the boxes against the picture: white cells turn black, black lines turn light.
void paintBranchHighlight(QPainter& painter, const std::vector<PlotPoint>& boxes);

QImage renderMiniature(const std::vector<MiniatureItem>& items);

}  // namespace volmira
