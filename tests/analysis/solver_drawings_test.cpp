// The solver on networks that the analysis made from drawings.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <memory>
#include <numbers>
#include <string>

#include "analysis/ac_solver.h"
#include "analysis/component_values.h"
#include "analysis/quantities.h"
#include "analysis/topology.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

using Complex = std::complex<double>;
using Q = ElectricalQuantity;
constexpr double kPi = std::numbers::pi;

struct Analysed {
    std::unique_ptr<Network> network = std::make_unique<Network>();
    std::unique_ptr<AcSolver> solver = std::make_unique<AcSolver>();
    BranchCurrents currents;

    explicit Analysed(const SchematicGrid& grid) {
        const AnalysisResult result = analyseNetwork(grid, {}, *network);
        EXPECT_TRUE(result.ok()) << analysisErrorMessage(result.errorCode) << "\n"
                                 << test::drawingText(grid);
    }
    // Gives every component whose name starts with `kind` (R, L, C) the value.
    void setAll(char kind, double value) {
        for (int k = 1; k <= network->componentCount; ++k)
            if (network->component(k).name.front() == kind) network->component(k).value = value;
    }
    void set(const std::string& name, double value) {
        for (int k = 1; k <= network->componentCount; ++k)
            if (network->component(k).name == name) network->component(k).value = value;
    }
    int branchOf(const std::string& name) const {
        for (int k = 1; k <= network->componentCount; ++k)
            if (network->component(k).name == name) return network->component(k).branch;
        return 0;
    }
    SolveStatus solve(double f, double ue) {
        sumBranchValues(*network);
        return solver->solve(*network, f, ue, currents);
    }
    BranchQuantities quantities(int branch, double ue) const {
        const int k = branch - 1;
        return deriveQuantities(currentPolar(currents.current[k]), network->branches[k].R,
                                currents.reactance[k], ue);
    }
};

TEST(SolverOnDrawings, SeriesRlcLoop) {
    Analysed a(test::seriesRlcLoop());
    a.set("R 1", 100);
    a.set("L 1", 10e-3);
    a.set("C 1", 1e-6);
    for (double f : {50.0, 1591.549430918953, 20e3}) {
        SCOPED_TRACE(f);
        ASSERT_FALSE(a.solve(f, 1).failed());
        const double w = 2 * kPi * f;
        const Complex z(100, w * 10e-3 - 1 / (w * 1e-6));
        const BranchQuantities q = a.quantities(a.branchOf("R 1"), 1);
        EXPECT_NEAR(q[Q::Current], 1 / std::abs(z), 1e-9 / std::abs(z));
        EXPECT_NEAR(q[Q::CurrentPhase], -std::arg(z) * 180 / kPi, 1e-9);
        EXPECT_NEAR(q[Q::Gain], 0, 1e-9);  // the only load sees the whole source
    }
}

TEST(SolverOnDrawings, RcLowPassWithOneOrTwoGroundMarks) {
    const double R = 1000, C = 100e-9, f = 1000, ue = 1;
    const double wrc = 2 * kPi * f * R * C;
    for (const bool single : {false, true}) {
        SCOPED_TRACE(single ? "one ground mark below a junction" : "two ground marks");
        Analysed a(single ? test::rcLowPassSingleGround() : test::rcLowPass());
        a.set("R 1", R);
        a.set("C 1", C);
        const SolveStatus status = a.solve(f, ue);
        EXPECT_FALSE(status.failed());
        const BranchQuantities out = a.quantities(a.branchOf("C 1"), ue);
        EXPECT_NEAR(out[Q::Voltage], ue / std::sqrt(1 + wrc * wrc), 1e-9);
        EXPECT_NEAR(out[Q::Gain], -10 * std::log10(1 + wrc * wrc), 1e-9);
        // Every branch without a component carries the loop current or, as the dead end to the
        // ground mark, nothing.
        const double loop = std::abs(a.currents.current[a.branchOf("C 1") - 1]);
        for (int k = 0; k < a.network->branchCount; ++k) {
            const double i = std::abs(a.currents.current[k]);
            EXPECT_TRUE(std::abs(i - loop) < 1e-12 || i < 1e-15) << k + 1 << ": " << i;
        }
    }
}

// The sweep form's currents against the complete solve's: 1e-12 relative, or 1e-15 of the
// largest current for currents that small.
void expectSameCurrents(const BranchCurrents& sweep, const BranchCurrents& full, int count) {
    double largest = 0;
    for (int k = 0; k < count; ++k) largest = std::max(largest, std::abs(full.current[k]));
    for (int k = 0; k < count; ++k) {
        EXPECT_LE(std::abs(sweep.current[k] - full.current[k]),
                  1e-12 * std::abs(full.current[k]) + 1e-15 * largest)
            << "branch " << k + 1;
    }
}

// Output voltage of an RC ladder with equal sections by walking back from the output.
double ladderGain(int sections, double R, double C, double f) {
    const Complex yc(0, 2 * kPi * f * C);
    Complex v = 1, i = 0;
    for (int k = 0; k < sections; ++k) {
        i += v * yc;
        v += R * i;
    }
    return 1 / std::abs(v);
}

TEST(SolverOnDrawings, RcLaddersAndTheirSweepForm) {
    for (const int sections : {1, 4, 14, 34}) {
        SCOPED_TRACE(sections);
        Analysed a(test::rcLadder(sections));
        a.setAll('R', 1000);
        a.setAll('C', 100e-9);
        sumBranchValues(*a.network);
        auto sweep = std::make_unique<AcSolver>();
        sweep->prepareSweep(*a.network);
        const int out = a.branchOf("C " + std::to_string(sections));
        // Up to 1591.5 Hz the output stays above 1e-11 of the source: far below that the
        // branch currents drown in the rounding of the large ones.
        for (double f : {20.0, 300.0, 1591.5}) {
            SCOPED_TRACE(f);
            ASSERT_FALSE(a.solve(f, 1).failed());
            EXPECT_NEAR(a.quantities(out, 1)[Q::Voltage], ladderGain(sections, 1000, 100e-9, f),
                        1e-9 * ladderGain(sections, 1000, 100e-9, f));
            BranchCurrents point;
            ASSERT_FALSE(sweep->solveSweepPoint(f, 1, point).failed());
            expectSameCurrents(point, a.currents, a.network->branchCount);
        }
    }
}

TEST(SolverOnDrawings, InvertingAmplifier) {
    Analysed a(test::invertingAmplifier());
    a.set("R 1", 1000);
    a.set("R 2", 10000);
    a.set("R 3", 2200);
    ASSERT_FALSE(a.solve(1000, 0.5).failed());
    const BranchQuantities load = a.quantities(a.branchOf("R 3"), 0.5);
    EXPECT_NEAR(load[Q::Voltage], 5, 1e-9);
    EXPECT_NEAR(load[Q::Gain], 20, 1e-9);
    // The reference directions follow the trial currents: the input current reads positive.
    const Complex input = a.currents.current[a.branchOf("R 1") - 1];
    EXPECT_NEAR(input.real(), 0.5e-3, 1e-12);

    auto sweep = std::make_unique<AcSolver>();
    sweep->prepareSweep(*a.network);
    BranchCurrents point;
    ASSERT_FALSE(sweep->solveSweepPoint(1000, 0.5, point).failed());
    expectSameCurrents(point, a.currents, a.network->branchCount);
}

}  // namespace
}  // namespace volmira
