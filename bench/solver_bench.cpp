// One complete solve against one 897-point sweep through the sweep form, on RC ladders of about
// 10, 30 and 70 branches made by the analysis from drawings.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

#include "analysis/ac_solver.h"
#include "analysis/component_values.h"
#include "analysis/topology.h"
#include "graphics/sweep_range.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

std::unique_ptr<Network> analysedLadder(int sections) {
    auto network = std::make_unique<Network>();
    if (!analyseNetwork(test::rcLadder(sections), {}, *network).ok())
        throw std::runtime_error("ladder does not analyse");
    for (int k = 1; k <= network->componentCount; ++k)
        network->component(k).value = network->component(k).name.front() == 'R' ? 1000 : 100e-9;
    sumBranchValues(*network);
    return network;
}

void SingleSolve(benchmark::State& state) {
    const auto network = analysedLadder(static_cast<int>(state.range(0)));
    auto solver = std::make_unique<AcSolver>();
    BranchCurrents currents;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solver->solve(*network, 1000, 1, currents));
        benchmark::DoNotOptimize(currents);
    }
    state.counters["branches"] = network->branchCount;
}

void Sweep897(benchmark::State& state) {
    const auto network = analysedLadder(static_cast<int>(state.range(0)));
    auto solver = std::make_unique<AcSolver>();
    BranchCurrents currents;
    const SweepRange range = DeriveBounds(20, 20000, false);
    for (auto _ : state) {
        solver->prepareSweep(*network);
        for (int i = 0; i <= kSweepLastPoint; ++i) {
            benchmark::DoNotOptimize(
                solver->solveSweepPoint(pointFrequency(range, i, true), 1, currents));
            benchmark::DoNotOptimize(currents);
        }
    }
    state.counters["branches"] = network->branchCount;
}

// 4, 14 and 34 sections give 9, 29 and 69 branches.
BENCHMARK(SingleSolve)->Arg(4)->Arg(14)->Arg(34)->Unit(benchmark::kMicrosecond);
BENCHMARK(Sweep897)->Arg(4)->Arg(14)->Arg(34)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace volmira
