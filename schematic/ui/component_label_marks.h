#pragma once
// The labels "R 1 4,7 kOhm" of the component records, measured in a picture's label font and
// placed where they cover nothing.
#include <QFont>
#include <span>
#include <vector>

#include "schematic/component.h"
#include "schematic/component_labels.h"
#include "schematic/ui/drawing_view.h"

namespace volmira {

// How a picture of the grid sets its labels: the font they are measured and painted in, its
// cell size, the cell rows a label needs, and the pixels of the cells a label covers.
struct LabelStyle {
    QFont font;
    int pixelsPerCell = 0;
    int rows = 1;
    QRect (*box)(const LabelCells&) = nullptr;
};

// The drawing view's: one cell high, in image pixels.
LabelStyle drawingLabelStyle();

std::vector<DrawingView::Label> componentLabels(std::span<const Component> components,
                                                const SchematicGrid& grid,
                                                const LabelStyle& style = drawingLabelStyle());

}  // namespace volmira
