#pragma once
// The state of the graphic mode that outlives one sweep: the store, the sweep range with its
// window, the axis division and the chosen branch, quantity and curve. The mode-4 window, the
// locus and parameter modes, the curve tools and the print composer all work on this one.
#include <memory>
#include <string>
#include <string_view>

#include "analysis/network.h"
#include "graphics/curve_store.h"
#include "graphics/parameter_mode.h"
#include "graphics/sweep_points.h"
#include "graphics/sweep_range.h"
#include "graphics/value_curve.h"

namespace volmira {

struct GraphicState {
    std::unique_ptr<PlotState> plot = std::make_unique<PlotState>();
    SweepRange range;            // unset until a start derives it from FqVon and FqBis
    bool logarithmic = true;     // LogAchse; false: LinAchse
    int branch = 0;              // the branch of the curve, 0 before the first choice
    int button = 1;              // FgGroesse1..9
    int curve = 1;               // the selected curve (1 outside parameter mode)
    int curveCount = 1;          // curves 1..curveCount are drawn: as far as a family got
    ParameterMode parameter;     // the component varied for a family, with its five values
    ValueCurve valueCurve;       // the x axis: the frequency, or a component's value
    SweepSettings lastSettings;  // those of the drawn curves, for the invalidation check
    double voltage = 0;          // the input voltage the store was solved at
    bool sweeping = false;       // sweepState 2
    bool stopRequested = false;

    SweepTarget target() const { return {range, logarithmic, curve, button, valueCurve.component}; }
    bool curveExists() const { return plot->computedCount > 0; }
};

// A new network: no curve, no branch, the range derived again at the next start.
void forgetCurves(GraphicState& state);

// FqVon and FqBis show their frequencies with this many significant digits.
inline constexpr int kBoundDigits = 8;

// A typed FqVon or FqBis: the normalised text ("20 Hz") or the message naming the refusal.
struct BoundInput {
    bool accepted = false;
    double value = 0;
    std::string text;
    std::string message;
};
BoundInput acceptSweepBound(std::string_view text);
// FqVon or FqBis under the state's x axis: a frequency, or a value of the value curve's
// component (above 0, in its unit).
BoundInput acceptRangeBound(const GraphicState& state, std::string_view text);

// What must hold before a sweep starts (the previous curve stays when it does not): both
// bounds usable (acceptRangeBound), a rising range, and a branch with impedance for gain and
// voltage phase. Gives the message, empty when the sweep may start.
std::string sweepRefusal(const GraphicState& state, const Network& network, std::string_view fqVon,
                         std::string_view fqBis);
// The same for the quantity of selector `button` of branch k.
std::string sweepRefusal(int button, int branch, const Network& network, std::string_view fqVon,
                         std::string_view fqBis);

}  // namespace volmira
