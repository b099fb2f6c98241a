#pragma once
// Solves the formula of a FormulaKey for its sought quantity from the values of the others.
#include <array>
#include <optional>

#include "formulas/formula_catalogue.h"

namespace volmira {

inline constexpr double kVacuumPermittivity = 8.86e-12;  // As/Vm
inline constexpr double kVacuumPermeability = 1.256e-6;  // Vs/Am
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kOneOverTwoPi = 0.15915494309189535;

// Field values 1..6 at indices 0..5.
using FormulaValues = std::array<double, kMaxFormulaQuantities>;

// The sought quantity of `key` from the other values (the sought one is not read). Nothing when
// the arithmetic fails: division by zero, the root of a negative number, overflow, or any other
// result that is not a finite number.
std::optional<double> solveFormula(const FormulaKey& key, const FormulaValues& values);

}  // namespace volmira
