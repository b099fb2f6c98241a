// "Analyse" on drawings from small to the worst the limits allow. The series loop is the baseline.
#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/topology.h"
#include "support/random_drawings.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

void analyseDrawing(benchmark::State& state, const SchematicGrid& grid, int expectedError) {
    auto network = std::make_unique<Network>();
    for (auto _ : state) {
        const AnalysisResult result = analyseNetwork(grid, {}, *network);
        if (result.errorCode != expectedError) {
            state.SkipWithError("unexpected analysis result");
            return;
        }
        benchmark::DoNotOptimize(network->meshCount);
    }
    state.counters["branches"] = network->branchCount;
    state.counters["meshes"] = network->meshCount;
}

// Baseline: one loop, three nodes.
void SeriesLoop(benchmark::State& state) {
    analyseDrawing(state, test::seriesRlcLoop(), 0);
}
BENCHMARK(SeriesLoop);

void WheatstoneBridge(benchmark::State& state) {
    analyseDrawing(state, test::wheatstoneBridge(), 0);
}
BENCHMARK(WheatstoneBridge);

void InvertingAmplifier(benchmark::State& state) {
    analyseDrawing(state, test::invertingAmplifier(), 0);
}
BENCHMARK(InvertingAmplifier);

// (a) The longest ladder within 70 branches: 34 sections, 69 branches, 34 meshes.
void Ladder69Branches(benchmark::State& state) {
    analyseDrawing(state, test::rcLadder(34), 0);
}
BENCHMARK(Ladder69Branches);

// (b) Many wire-only alternative paths: 2^10 loops of equal length through the source, all
// enumerated, and the selection walks through half of them before the last branch is covered.
void ParallelPairs10(benchmark::State& state) {
    analyseDrawing(state, test::parallelPairs(10), 0);
}
BENCHMARK(ParallelPairs10);

// The largest grids of wire-only branches that still analyse.
void JunctionGrid4x4(benchmark::State& state) {
    analyseDrawing(state, test::junctionGrid(4, 4), 0);
}
BENCHMARK(JunctionGrid4x4);

void JunctionGrid3x6(benchmark::State& state) {
    analyseDrawing(state, test::junctionGrid(3, 6), 0);
}
BENCHMARK(JunctionGrid3x6);

// Drawings beyond the loop search's limits: the search runs to its limit (the loop store, the
// paths taken), then the meshes come from a spanning tree.
void ParallelPairs12(benchmark::State& state) {
    analyseDrawing(state, test::parallelPairs(12), 0);
}
BENCHMARK(ParallelPairs12);

// Nearly 3000 loops stored, then 50000 paths taken: the longest search the limits allow.
void GroundedComb27(benchmark::State& state) {
    analyseDrawing(state, test::groundedComb(27), 0);
}
BENCHMARK(GroundedComb27);

void JunctionGrid6x6(benchmark::State& state) {
    analyseDrawing(state, test::junctionGrid(6, 6), 0);
}
BENCHMARK(JunctionGrid6x6);

// Grids of resistors: the largest square inside 70 branches, 6 x 6 points, and the grid with the
// most branches, 10 x 4 points (66 resistors).
void ResistorGrid(benchmark::State& state) {
    const auto columns = static_cast<int>(state.range(0)), rows = static_cast<int>(state.range(1));
    analyseDrawing(state, test::drawLattice(test::resistorGrid(columns, rows)), 0);
}
BENCHMARK(ResistorGrid)->Args({6, 6})->Args({10, 4});

}  // namespace
}  // namespace volmira
