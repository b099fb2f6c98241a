#pragma once
// The cursor readout under the graph: frequency, value and phase of the point in a pixel column.
#include <optional>
#include <string>

#include "analysis/value_text.h"
#include "graphics/curve_store.h"
#include "graphics/sweep_range.h"

namespace volmira {

struct Readout {
    std::string frequency;  // FqMom
    std::string value;      // ElWertMom; empty for an unsolved point
    std::string phase;      // PhaseMom; empty for an unsolved point
};

struct ReadoutSource {
    const PlotState& plot;
    const SweepRange& range;
    bool logarithmic = true;
    int curve = 1;           // the selected curve (1 outside parameter mode)
    int button = 1;          // FgGroesse1..9
    int digits = 8;          // significant digits of frequency and value
    int xUnit = kUnitHertz;  // a value curve's x is a component value
};

// Nothing outside columns 0..896 or while no curve exists. The phase, in degrees, is that of
// slots 0..4; the other slots show 0.
std::optional<Readout> readoutAt(const ReadoutSource& source, int column);

}  // namespace volmira
