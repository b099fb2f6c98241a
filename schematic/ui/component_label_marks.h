#pragma once
// The labels "R 1 4,7 kOhm" of the component records, measured in the drawing view's label font
// and placed where they cover nothing.
#include <span>
#include <vector>

#include "schematic/component.h"
#include "schematic/ui/drawing_view.h"

namespace volmira {

std::vector<DrawingView::Label> componentLabels(std::span<const Component> components,
                                                const SchematicGrid& grid);

}  // namespace volmira
