#pragma once
// Where the curve and locus elements take their points from: the graphic mode's plot state with
// its sweep range, handed over by reference so that whoever owns the state can lend it.
#include "analysis/calculation.h"
#include "graphics/curve_store.h"
#include "graphics/sweep_range.h"

namespace volmira {

struct PrintPlot {
    const PlotState* plot = nullptr;  // nullptr: no curve exists
    SweepRange range;
    bool logarithmic = true;
    int curveCount = 1;  // curves 1..curveCount (a family in parameter mode)
    int branch = 0;
    int selectedCurve = 1;  // drawn black, the others of a family silver
};

class PlotSource {
  public:
    virtual ~PlotSource() = default;
    // Asked once per pass that holds a curve or locus element.
    virtual PrintPlot printPlot() = 0;
};

// Solves the points of the range's window for `branch` through the engine into curve 1 of
// `plot` (every quantity and phase of each point). For a source without a graphic mode.
SweepOutcome sweepIntoPlot(Calculation& calculation, PlotState& plot, const SweepRange& range,
                           bool logarithmic, int branch);

// The quantity button (1..9) that shows quantity slot `slot`; slots without a button give 1.
int buttonForSlot(int slot);

}  // namespace volmira
