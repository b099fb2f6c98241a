#pragma once
// The formula display of every FormulaKey: its formula solved for the sought quantity.
#include <string>
#include <string_view>

#include "formulas/formula_catalogue.h"

namespace volmira {

// The size of the formula display `ffe` in pixels.
inline constexpr int kFormulaDisplayWidth = 400;
inline constexpr int kFormulaDisplayHeight = 110;

// The formula in the notation of layoutFormula(); the key must be valid.
std::string_view formulaNotation(const FormulaKey& key);
// The formula in the display language, centred in the display.
std::string formulaDisplay(const FormulaKey& key);

}  // namespace volmira
