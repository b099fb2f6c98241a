#pragma once
// The point window shown in the scroll box: its sweep through the calculation engine, where
// scrolling puts it, whether it holds unsolved points (then the window is swept anew), and the
// texts of its bounds for FqVon and FqBis.
#include <array>
#include <functional>
#include <string>

#include "analysis/calculation.h"
#include "analysis/value_text.h"
#include "graphics/curve_store.h"
#include "graphics/sweep_points.h"
#include "graphics/sweep_range.h"

namespace volmira {

inline constexpr int kWindowSteps = 448;  // the window shows points first..first + 448

// The points of the window a sweep solves, in order: those still NotComputed in the button's
// slot whose frequency is above 0.
struct SweepPlan {
    std::array<int, kStorePoints> point{};
    std::array<double, kStorePoints> frequency{};
    int count = 0;
    int windowPoints = 0;  // every point of the window, solved or not
};
void planWindowSweep(const PlotState& plot, const SweepTarget& target, SweepPlan& plan);

// After each solved point: (points solved in this run, points of the window) -> keep going?
using SweepProgress = std::function<bool(int solved, int windowPoints)>;

// Sweeps the planned points of `branch` with the engine into the store (all quantities, the
// phases, the button's extremes, computedCount). Stop keeps what was solved. Nothing is
// allocated per point.
SweepOutcome sweepWindowPoints(Calculation& calculation, PlotState& plot, const SweepTarget& target,
                               int branch, SweepPlan& plan, const SweepProgress& keepGoing);

// firstPoint = the scroll position, kept so that the window stays inside the store; the large
// view keeps its window 1..896.
void scrollWindow(SweepRange& range, int scrollPosition);

// Any point of the window not yet solved (slot 1, the current, is stored with every point).
bool windowHasUnsolved(const PlotState& plot, const SweepRange& range, int curve = 1);

struct BoundTexts {
    std::string fqVon;
    std::string fqBis;
};
// The x values of the window's first and last point in the value format: frequencies ("Hz"),
// or the component values of a value curve in their unit.
BoundTexts windowBoundTexts(const SweepRange& range, bool logarithmic, int digits,
                            int unit = kUnitHertz);

}  // namespace volmira
