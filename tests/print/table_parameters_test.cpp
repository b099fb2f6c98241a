#include "print/table_parameters.h"

#include <gtest/gtest.h>

#include "analysis/value_text.h"
#include "graphics/sweep_window.h"
#include "print/plot_source.h"
#include "support/test_support.h"
#include "tools/calc_network.h"

namespace volmira {
namespace {

class TableOfRcl : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto failure =
            calc::prepareNetwork((test::sourceDir() / "examples" / "RCL.nwb").string(), net_);
        ASSERT_FALSE(failure) << failure->message;
    }
    // The branch's quantities from the engine's own single-frequency solve.
    BranchQuantities solvedAt(double frequency, int branch) {
        Calculation& c = net_.calculation;
        EXPECT_TRUE(c.acceptFrequency(formatValue(kUnitHertz, 9, frequency)).accepted);
        c.solve();
        return c.quantities(branch);
    }
    calc::CalcNetwork net_;
};

TEST(TableLabels, BranchNamesAndTheCutOfLongLabels) {
    EXPECT_EQ(tableRowLabel("R 1=1 kOhm"), "R 1=1 kOhm");
    // Cut before the first "=" from the sixth character on.
    EXPECT_EQ(tableRowLabel("R 1=1 kOhm;  C 1=100 nF"), "R 1=1 kOhm;  C 1=...");
    EXPECT_EQ(tableRowLabel("R 12345678901234567890"), "R 123456789012345678");
}

TEST_F(TableOfRcl, EmptySlotsAreSkippedAndValuesComeFromTheEngine) {
    const Network& network = net_.calculation.network();
    const int branch = network.component(1).branch;
    TableParameters p;
    p.rows[1] = {branch, "x"};
    p.rows[3] = {99, "kein Zweig"};  // not a branch of this network
    p.frequencies[2] = 100;
    p.frequencies[5] = 10000;
    p.quantityPosition = 0;  // "Strom"
    p.withPhase = true;
    const BranchQuantities at100 = solvedAt(100, branch);
    const BranchQuantities at10k = solvedAt(10000, branch);
    const double currentBefore = net_.calculation.quantities(branch).value[1];

    const TableBuild build = computeFrequencyTable(net_.calculation, p);
    ASSERT_EQ(build.table.rows, 1);
    ASSERT_EQ(build.table.columns, 2);
    EXPECT_EQ(build.table.values[0][0], formatValue(kUnitAmpere, 5, at100.value[1], true));
    EXPECT_EQ(build.table.values[0][1], formatValue(kUnitAmpere, 5, at10k.value[1], true));
    EXPECT_EQ(build.table.phases[0][1],
              formatValue(kUnitDegree, 4, at10k.phase[1] / kDegreeFactor, true));
    EXPECT_EQ(build.table.frequencies[1], formatValue(kUnitHertz, 4, 10000, true));
    EXPECT_EQ(build.table.labels[0], tableRowLabel(branchLabel(network, branch, "=")));
    EXPECT_EQ(build.longestLabel, int(utf8Length(build.table.labels[0])));
    // The main window's last solve stays as it was.
    EXPECT_EQ(net_.calculation.quantities(branch).value[1], currentBefore);

    p.frequencies = {};
    EXPECT_TRUE(computeFrequencyTable(net_.calculation, p).empty());
}

TEST_F(TableOfRcl, APlotSweptThroughTheEngineHoldsEveryPointOfTheWindow) {
    auto plot = std::make_unique<PlotState>();
    const SweepRange range = DeriveBounds(10, 100000, false);
    const int branch = net_.calculation.network().component(1).branch;
    sweepIntoPlot(net_.calculation, *plot, range, true, branch);
    EXPECT_EQ(plot->computedCount, range.lastPoint - range.firstPoint + 1);
    const int point = range.firstPoint + 100;
    const BranchQuantities q = solvedAt(pointFrequency(range, point, true), branch);
    EXPECT_NEAR(plot->curves.at(1, 0, point), q.value[0], 1e-9 * q.value[0]);
    EXPECT_EQ(buttonForSlot(selectorSlot(4)), 4);
    EXPECT_EQ(buttonForSlot(7), 1);
}

}  // namespace
}  // namespace volmira
