// The window's sweep through the calculation engine, the refusals before a sweep, and the
// miniature's hit tests.
#include <gtest/gtest.h>

#include "analysis/calculation.h"
#include "graphics/graphic_state.h"
#include "graphics/miniature.h"
#include "graphics/sweep_window.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

constexpr int kCurrentButton = 1;  // FgGroesse1, "Strom"
constexpr int kCurrentSlot = 1;

// The RC low-pass with 1 kOhm and 1 uF, confirmed.
struct LowPass {
    Calculation calc;
    GraphicState state;
    SweepPlan plan;
    LowPass() {
        EXPECT_TRUE(calc.analyse(test::rcLowPass()).ok());
        bool changed = false;
        for (int k = 1; k <= calc.network().componentCount; ++k)
            calc.storeValue(k, calc.network().component(k).name[0] == 'R' ? "1k" : "1u", changed);
        EXPECT_FALSE(calc.confirmValues());
        state.range = DeriveBounds(20, 20000, false);
        state.branch = 1;
    }
    SweepOutcome sweep(const SweepProgress& keepGoing) {
        return sweepWindowPoints(calc, *state.plot, state.target(), state.branch, plan, keepGoing);
    }
};

TEST(WindowSweep, SolvesEveryUnsolvedPointOfTheWindowAsTheSingleSolveDoes) {
    LowPass lp;
    int lastSolved = 0, window = 0;
    const SweepOutcome outcome = lp.sweep([&](int solved, int windowPoints) {
        lastSolved = solved;
        window = windowPoints;
        return true;
    });
    EXPECT_EQ(outcome.pointsDone, 449u);
    EXPECT_EQ(lastSolved, 449);
    EXPECT_EQ(window, 449);
    EXPECT_EQ(lp.state.plot->computedCount, 449);
    EXPECT_FALSE(isComputed(lp.state.plot->curves.at(1, kCurrentSlot, 223)));
    EXPECT_FALSE(isComputed(lp.state.plot->curves.at(1, kCurrentSlot, 673)));

    // The last point, exactly 20 kHz, against the single-frequency calculation.
    ASSERT_TRUE(lp.calc.acceptFrequency("20k").accepted);
    lp.calc.solve();
    const BranchQuantities single = lp.calc.quantities(1);
    for (int slot = 0; slot < kQuantityCount; ++slot)
        EXPECT_NEAR(lp.state.plot->curves.at(1, slot, 672), single.value[std::size_t(slot)],
                    1e-9 * (1 + std::abs(single.value[std::size_t(slot)])))
            << slot;
    const ScaleRecord& scale = lp.state.plot->scale(kCurrentButton);
    EXPECT_LT(scale.minSeen, scale.maxSeen);

    // A second sweep of the same window finds nothing to solve.
    EXPECT_EQ(lp.sweep([](int, int) { return true; }).pointsDone, 0u);
}

TEST(WindowSweep, StopKeepsThePointsSolvedSoFarAndTheNextSweepFinishesTheWindow) {
    LowPass lp;
    const SweepOutcome stopped = lp.sweep([](int solved, int) { return solved < 10; });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(lp.state.plot->computedCount, 10);
    EXPECT_TRUE(isComputed(lp.state.plot->curves.at(1, kCurrentSlot, 233)));
    EXPECT_FALSE(isComputed(lp.state.plot->curves.at(1, kCurrentSlot, 234)));
    EXPECT_EQ(lp.sweep([](int, int) { return true; }).pointsDone, 439u);
}

TEST(WindowSweep, LinearPointsAtOrBelowZeroHertzAreNotPlanned) {
    LowPass lp;
    lp.state.logarithmic = false;
    scrollWindow(lp.state.range, 0);
    planWindowSweep(*lp.state.plot, lp.state.target(), lp.plan);
    EXPECT_EQ(lp.plan.windowPoints, 449);
    EXPECT_LT(lp.plan.count, 449);
    EXPECT_GT(lp.plan.frequency[0], 0);
}

TEST(SweepStart, BoundsAndRangeAreCheckedBeforeTheCurveIsTouched) {
    EXPECT_EQ(acceptSweepBound("2,5k").text, "2,5 kHz");
    EXPECT_EQ(acceptSweepBound("0").message, "Frequenz 0 ist nicht erlaubt");
    EXPECT_EQ(acceptSweepBound("-20").message, "Negative Frequenz ist nicht erlaubt");
    EXPECT_FALSE(acceptSweepBound("zwanzig").accepted);

    LowPass lp;
    EXPECT_EQ(sweepRefusal(lp.state, lp.calc.network(), "20 Hz", "20 kHz"), "");
    EXPECT_EQ(sweepRefusal(lp.state, lp.calc.network(), "1 kHz", "1 kHz"),
              "MinFrequenz > MaxFrequenz !");
    EXPECT_EQ(sweepRefusal(lp.state, lp.calc.network(), "-1 kHz", "2 kHz"),
              "Negative Frequenz ist nicht erlaubt");
}

// Branch and component under a pixel of the miniature, 5 pixels per cell.
TEST(MiniatureHit, EveryCellOfABranchGivesItsNumberTwoPixelsEitherSideOfItsPoint) {
    Calculation calc;
    ASSERT_TRUE(calc.analyse(test::wheatstoneBridge()).ok());
    const Network& network = calc.network();
    ASSERT_GE(network.branchCount, 5);
    for (int k = 1; k <= network.branchCount; ++k) {
        const Branch& branch = network.branch(k);
        int column = branch.startColumn, row = branch.startRow;
        // The cells between the start and the end node: wires and components of branch k.
        for (std::size_t step = 0; step + 1 < branch.path.size(); ++step) {
            stepAlongPath(branch.path[step], column, row);
            for (int dx : {-2, 0, 2})
                EXPECT_EQ(miniatureBranchAt(network, 5 * column + dx, 5 * row + dx), k)
                    << k << " " << column << "," << row;
        }
    }
    EXPECT_EQ(miniatureCell(7, 12), (GridCell{1, 2}));
    EXPECT_EQ(miniatureCell(8, 13), (GridCell{2, 3}));
    // An empty cell and a point outside the grid.
    EXPECT_EQ(miniatureBranchAt(network, 5 * 99, 5 * 79), 0);
    EXPECT_EQ(miniatureComponentAt(network, 5 * 99, 5 * 79), 0);
    EXPECT_EQ(miniatureBranchAt(network, -40, 10), 0);
}

TEST(MiniatureHit, ComponentsCoverTheirLeadCellsOnTheirOwnLine) {
    LowPass lp;
    const Network& network = lp.calc.network();
    for (int k = 1; k <= network.componentCount; ++k) {
        const Component& c = network.component(k);
        const bool horizontal = c.code <= 3;
        const int dx = horizontal ? 5 : 0, dy = horizontal ? 0 : 5;
        const int x = 5 * c.column, y = 5 * c.row;
        EXPECT_EQ(miniatureComponentAt(network, x - dx, y - dy), k);
        EXPECT_EQ(miniatureComponentAt(network, x + dx, y + dy), k);
        EXPECT_NE(miniatureComponentAt(network, x - 2 * dx, y - 2 * dy), k);
        // Beside its line: not the component.
        EXPECT_NE(miniatureComponentAt(network, x + dy, y + dx), k);
    }
}

}  // namespace
}  // namespace volmira
