// The curve plot's share of a graphic-mode sweep: the 449 points of the default window solved
// into the curve store and laid out as a plot, against the same points solved and derived alone.
// Measured in the same iterations on RC ladders of 9 and 69 branches; the ratio is the overhead
// of the store, the scales and the plot geometry (painting on the screen is not included).
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

#include "analysis/ac_solver.h"
#include "analysis/quantities.h"
#include "graphics/curve_plot.h"
#include "graphics/sweep_points.h"
#include "support/analysed_ladder.h"

namespace volmira {
namespace {

// One branch's quantities at one frequency, as the graphic mode needs them.
struct BranchSolve {
    AcSolver& solver;
    const Network& network;
    int branch;
    BranchCurrents currents{};

    void operator()(double frequency, BranchQuantities& out) {
        solver.solveSweepPoint(frequency, 1, currents);
        const auto k = static_cast<std::size_t>(branch - 1);
        out = deriveQuantities(currentPolar(currents.current[k]), network.branch(branch).R,
                               currents.reactance[k], 1);
    }
};

double processorSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void SweepAndPlot(benchmark::State& state) {
    const auto network = test::analysedLadder(static_cast<int>(state.range(0)));
    auto solver = std::make_unique<AcSolver>();
    auto plot = std::make_unique<PlotState>();
    const SweepRange range = DeriveBounds(20, 20000, false);
    BranchSolve solve{*solver, *network, network->branchCount};
    double bare = 0, plotted = 0;
    for (auto _ : state) {
        const double start = processorSeconds();
        solver->prepareSweep(*network);
        BranchQuantities quantities;
        for (int i = range.firstPoint; i <= range.lastPoint; ++i) {
            solve(pointFrequency(range, i, true), quantities);
            benchmark::DoNotOptimize(quantities);
        }
        const double solved = processorSeconds();
        ResetPlot(*plot);
        solver->prepareSweep(*network);
        SweepWindow(*plot, {range, true, 1, 1}, solve, [](int, int) { return true; });
        const CurvePlotModel model = DrawCurvePlot(*plot, {range, true, 1, 1}, {});
        benchmark::DoNotOptimize(model);
        plotted += processorSeconds() - solved;
        bare += solved - start;
    }
    state.counters["branches"] = network->branchCount;
    state.counters["plotted/bare sweep"] = plotted / bare;
}

// 4 and 34 sections give 9 and 69 branches.
BENCHMARK(SweepAndPlot)->Arg(4)->Arg(34)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace volmira
