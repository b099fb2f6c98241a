#pragma once
// Draws the formula display and the circuit figures of the formula collection.
#include <QImage>
#include <string_view>

#include "formulas/formula_figures.h"

namespace volmira {

// The formula display `ffe`: white with an olive frame, then the items of `display`.
QImage drawFormulaDisplay(std::string_view display);
// The figure `fbild`: white, then boxes, lines and labels.
QImage drawCircuitFigure(const CircuitFigure& figure);

}  // namespace volmira
