#pragma once
// What the graphics tests share: the confirmed RC low-pass with its graphic state, and a stand-in
// solver for the sweep loops.
#include <cmath>
#include <string>
#include <vector>

#include "graphics/graphic_state.h"
#include "graphics/sweep_window.h"
#include "support/test_drawings.h"
#include "support/valued_drawing.h"

namespace volmira::test {

inline constexpr auto kAlways = [](int, int) { return true; };

// The RC low-pass with R 1 = `resistor` and C 1 = 1 uF, confirmed; the window over
// 20 Hz .. 20 kHz on branch 1.
struct LowPass {
    Calculation calc;
    GraphicState state;
    SweepPlan plan;
    explicit LowPass(const std::string& resistor = "1k") {
        EXPECT_TRUE(analyseWithValues(calc, rcLowPass(), [&](const std::string& name) {
            return name[0] == 'R' ? resistor : std::string("1u");
        }));
        state.range = DeriveBounds(20, 20000, false);
        state.branch = 1;
    }
    SweepOutcome sweep(const SweepProgress& keepGoing = kAlways) {
        return sweepWindowPoints(calc, *state.plot, state.target(), state.branch, plan, keepGoing);
    }
};

// Every quantity is `value(f)` at the phase `phase`; the frequencies solved are noted.
struct FakeSolver {
    double (*value)(double f) = [](double f) { return f; };
    double phase = 0.5;
    std::vector<double> frequencies{};
    void operator()(double f, BranchQuantities& out) {
        frequencies.push_back(f);
        out.value.fill(value(f));
        out.phase.fill(phase);
    }
};

// The window's unsolved points solved in order by a stand-in `solve`, as the printed curves
// solve theirs; `keepGoing(visited, windowPoints)` after each. Gives the points visited.
template <class Solve, class KeepGoing>
int sweepStandIn(PlotState& plot, const SweepTarget& target, Solve&& solve, KeepGoing&& keepGoing) {
    const int slot = selectorSlot(target.button);
    const int windowPoints = target.range.lastPoint - target.range.firstPoint + 1;
    int visited = 0;
    for (int point = target.range.firstPoint; point <= target.range.lastPoint; ++point) {
        if (isComputed(plot.curves.at(target.curve, slot, point))) continue;
        if (SolvePoint(plot, target, point, solve)) ++plot.computedCount;
        ++visited;
        if (!keepGoing(visited, windowPoints)) break;
    }
    return visited;
}

// `count` logarithmic points from `from` to `to`.
inline std::vector<double> logPoints(double from, double to, std::size_t count = 449) {
    std::vector<double> f(count);
    for (std::size_t i = 0; i < count; ++i)
        f[i] = from * std::pow(to / from, double(i) / double(count - 1));
    return f;
}

}  // namespace volmira::test
