#pragma once
// What the graphic mode shows, as German CSV: one row per point of the window that any shown
// curve holds, the x value (frequency or component value) first, then per curve the quantity,
// or in the locus plot its real and imaginary part.
#include <array>
#include <string>

#include "analysis/value_text.h"
#include "graphics/curve_store.h"
#include "graphics/sweep_range.h"

namespace volmira {

// As many digits as the readout shows.
inline constexpr int kCurveCsvDigits = 8;

struct CurveCsvView {
    const SweepRange& range;
    bool logarithmic = true;
    int button = 1;      // FgGroesse1..9
    int curveCount = 1;  // curves 1..curveCount are shown
    bool locus = false;
    int xUnit = kUnitHertz;
    std::string xName = "Frequenz";  // or the value curve's component ("R 1")
    // Appended to the curve's column titles, e.g. a family's "R 1 = 1 kOhm"; empty: nothing.
    std::array<std::string, kCurveCount> curveNames{};
};

std::string curveCsv(const PlotState& plot, const CurveCsvView& view);

}  // namespace volmira
