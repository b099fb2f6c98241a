#include "analysis/topology.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <vector>

#include "schematic/symbol_list.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

using test::drawingText;
using test::drawRows;
using test::Sketch;
using test::code::ground;

struct Analysed {
    std::unique_ptr<Network> network = std::make_unique<Network>();
    int error = -1;
};

Analysed analyse(const SchematicGrid& grid, std::span<const Component> previous = {}) {
    Analysed a;
    a.error = analyseNetwork(grid, previous, *a.network).errorCode;
    return a;
}

// A row from signed branch numbers: +k for +1 at branch k, -k for -1.
SignRow signs(std::initializer_list<int> entries) {
    SignRow row{};
    for (const int k : entries) row[static_cast<std::size_t>(std::abs(k) - 1)] = k > 0 ? 1 : -1;
    return row;
}

struct BranchEnds {
    int start, startSide, end, endSide;
};

void expectBranches(const Network& n, std::initializer_list<BranchEnds> expected) {
    ASSERT_EQ(n.branchCount, static_cast<int>(expected.size()));
    int k = 1;
    for (const BranchEnds& e : expected) {
        SCOPED_TRACE("branch " + std::to_string(k));
        EXPECT_EQ(n.branch(k).startNode, e.start);
        EXPECT_EQ(n.branch(k).startSide, e.startSide);
        EXPECT_EQ(n.branch(k).endNode, e.end);
        EXPECT_EQ(n.branch(k).endSide, e.endSide);
        ++k;
    }
}

template <std::size_t N>
void expectRows(const std::array<SignRow, N>& rows, int count,
                std::initializer_list<SignRow> expected) {
    ASSERT_EQ(count, static_cast<int>(expected.size()));
    std::size_t i = 0;
    for (const SignRow& row : expected) {
        EXPECT_EQ(rows[i], row) << "row " << i + 1;
        ++i;
    }
}

struct ComponentAt {
    const char* name;
    int column, row, code, branch;
};

void expectComponents(const Network& n, std::initializer_list<ComponentAt> expected) {
    ASSERT_EQ(n.componentCount, static_cast<int>(expected.size()));
    int k = 1;
    for (const ComponentAt& e : expected) {
        const Component& c = n.component(k);
        EXPECT_EQ(c.name, e.name) << "component " << k;
        EXPECT_EQ(c.column, e.column) << c.name;
        EXPECT_EQ(c.row, e.row) << c.name;
        EXPECT_EQ(c.code, e.code) << c.name;
        EXPECT_EQ(c.branch, e.branch) << c.name;
        ++k;
    }
}

// One equation row per branch current.
void expectSquare(const Network& n) {
    EXPECT_EQ(n.kclCount + n.opAmpCount + n.meshCount, n.branchCount);
}

// --- Node numbering, branches, rows -----------------------------------------------------------

// A single loop: the source terminals become nodes 2 (below, traced first) and 3 (above).
//   node 1 = A (2,4); node 2 = (2,5); node 3 = (2,3)
//   1: 1 -0-> 3 (path "0")     2: 1 -3-> 2 (path "3")     3: 2 -> around the loop -> 3
// Currents: node 2: -I2 + I3; node 3: -I1 - I3. The loop runs 1 forward, 3 and 2 backward.
TEST(TopologyTest, SingleLoopMakesTheSourceTerminalsNodes) {
    const Analysed a = analyse(test::seriesRlcLoop());
    ASSERT_EQ(a.error, 0) << drawingText(test::seriesRlcLoop());
    const Network& n = *a.network;
    EXPECT_EQ(n.nodeCount, 3);
    EXPECT_FALSE(n.hasGround);
    expectBranches(n, {{1, 0, 3, 3}, {1, 3, 2, 0}, {2, 3, 3, 0}});
    EXPECT_EQ(n.branch(1).path, "0");
    EXPECT_EQ(n.branch(2).path, "3");
    EXPECT_EQ(n.branch(3).path,
              "33"
              "1111111"
              "00000"
              "2222222"
              "3");
    EXPECT_EQ(n.branch(3).startColumn, 2);
    EXPECT_EQ(n.branch(3).startRow, 5);
    // Resistors first, then inductors, then capacitors; the walk met C, L, R in that order.
    expectComponents(n, {{"R 1", 4, 2, 1, 3}, {"L 1", 7, 2, 2, 3}, {"C 1", 9, 4, 9, 3}});
    expectRows(n.kclRows, n.kclCount, {signs({-2, +3}), signs({-1, -3})});
    expectRows(n.meshRows, n.meshCount, {signs({+1, -3, -2})});
    EXPECT_EQ(n.opAmpCount, 0);
    EXPECT_EQ(analysisStatusMessage(n),
              "Analyse erfolgreich durchgeführt\n\n2 Knoten (=Minimalzahl) und \n"
              "1 unabhängige Maschen vorhanden");
    // The trial solve: the source drives its current out through branch 1 and back through 3
    // and 2 against their traced directions.
    EXPECT_FALSE(n.branch(1).reversed);
    EXPECT_TRUE(n.branch(2).reversed);
    EXPECT_TRUE(n.branch(3).reversed);
}

TEST(TopologyTest, BranchMapHoldsBranchCellsAndComponentSymbols) {
    const Analysed a = analyse(test::seriesRlcLoop());
    ASSERT_EQ(a.error, 0);
    const BranchMap& map = a.network->branchMap;
    EXPECT_EQ(map.branchAt(5, 7), 3);  // bottom wire
    EXPECT_EQ(map.branchAt(9, 2), 3);  // corner
    EXPECT_EQ(map.branchAt(4, 2), 3);  // the resistor's letter
    // Node cells belong to no single branch.
    EXPECT_EQ(map.branchAt(2, 4), 0);
    EXPECT_EQ(map.branchAt(2, 5), 0);
    EXPECT_EQ(map.branchAt(20, 20), 0);
    // "R 1" at (4,2) horizontal covers columns 3..5; "C 1" at (9,4) vertical covers rows 3..5.
    for (int column = 3; column <= 5; ++column) EXPECT_EQ(map.componentAt(column, 2), 1);
    EXPECT_EQ(map.componentAt(2, 2), 0);
    EXPECT_EQ(map.componentAt(6, 2), 2);  // "L 1" starts there
    for (int row = 3; row <= 5; ++row) EXPECT_EQ(map.componentAt(9, row), 3);
    EXPECT_EQ(map.componentAt(9, 6), 0);
}

// Wheatstone bridge, no ground: T = 2 (8,2), L = 3 (8,6), R = 4 (12,6), B = 5 (8,10).
//   1: 1->T   2: 1->B   3: T->R (right arm, "R 1")   4: T->L ("R 2")   5: L->R (rung, "R 3")
//   6: L->B ("R 4")     7: R->B ("R 5")
// Loops through the source, in the order found: 1 3 -5 6 -2, 1 3 7 -2, 1 4 5 7 -2, 1 4 6 -2.
// Shortest first: 1 3 7 -2 covers 3 and 7, 1 4 6 -2 covers 4 and 6, 1 3 -5 6 -2 covers 5.
TEST(TopologyTest, WheatstoneBridge) {
    const Analysed a = analyse(test::wheatstoneBridge());
    ASSERT_EQ(a.error, 0) << drawingText(test::wheatstoneBridge());
    const Network& n = *a.network;
    EXPECT_EQ(n.nodeCount, 5);
    expectBranches(n, {{1, 0, 2, 2},
                       {1, 3, 5, 2},
                       {2, 1, 4, 0},
                       {2, 3, 3, 0},
                       {3, 1, 4, 2},
                       {3, 3, 5, 0},
                       {4, 3, 5, 1}});
    expectComponents(n, {{"R 1", 12, 4, 7, 3},
                         {"R 2", 8, 4, 7, 4},
                         {"R 3", 10, 6, 1, 5},
                         {"R 4", 8, 8, 7, 6},
                         {"R 5", 12, 8, 7, 7}});
    expectRows(
        n.kclRows, n.kclCount,
        {signs({-1, +3, +4}), signs({-4, +5, +6}), signs({-3, -5, +7}), signs({-2, -6, -7})});
    expectRows(n.meshRows, n.meshCount,
               {signs({+1, +3, +7, -2}), signs({+1, +4, +6, -2}), signs({+1, +3, -5, +6, -2})});
    EXPECT_EQ(
        analysisStatusMessage(n),
        "Analyse erfolgreich durchgeführt\n\n4 Knoten  und \n3 unabhängige Maschen vorhanden");
}

// Three-section ladder: J1 = 2 (6,2), J2 = 3 (10,2), output G = 4 (14,4), ground = 5.
//   1: 1->J1 "R 1"   2: 1->gnd   3: J1->J2 "R 2"   4: J1->gnd "C 1"   5: J2->G "R 3"
//   6: J2->gnd "C 2"   7: G->gnd "C 3"
// Loops: 1 3 5 7 -2, 1 3 6 -2, 1 4 -2; shortest first they cover 4, then 3 6, then 5 7.
TEST(TopologyTest, ThreeSectionLadder) {
    const Analysed a = analyse(test::rcLadder(3));
    ASSERT_EQ(a.error, 0) << drawingText(test::rcLadder(3));
    const Network& n = *a.network;
    EXPECT_EQ(n.nodeCount, 4);
    EXPECT_TRUE(n.hasGround);
    EXPECT_EQ(n.groundNode(), 5);
    expectBranches(n, {{1, 0, 2, 2},
                       {1, 3, 5, 0},
                       {2, 1, 3, 2},
                       {2, 3, 5, 0},
                       {3, 1, 4, 0},
                       {3, 3, 5, 0},
                       {4, 3, 5, 0}});
    EXPECT_EQ(n.branch(1).path, "001111");
    expectComponents(n, {{"R 1", 4, 2, 1, 1},
                         {"R 2", 8, 2, 1, 3},
                         {"R 3", 12, 2, 1, 5},
                         {"C 1", 6, 4, 9, 4},
                         {"C 2", 10, 4, 9, 6},
                         {"C 3", 14, 7, 9, 7}});
    // Ground is a node of its own and has a row, after the numbered nodes.
    expectRows(
        n.kclRows, n.kclCount,
        {signs({-1, +3, +4}), signs({-3, +5, +6}), signs({-5, +7}), signs({-2, -4, -6, -7})});
    expectRows(n.meshRows, n.meshCount,
               {signs({+1, +4, -2}), signs({+1, +3, +6, -2}), signs({+1, +3, +5, +7, -2})});
    expectSquare(n);
}

// A single ground mark below a junction of the bottom rail: G = 2, rail junction = 3, ground 4.
//   1: 1->G "R 1"   2: 1->rail   3: G->rail "C 1"   4: rail->gnd (dead end)
// Branch 4 lies on no loop; ground's current-law row (-I4 = 0) makes its current zero.
TEST(TopologyTest, SingleGroundMarkIsADeadEnd) {
    const Analysed a = analyse(test::rcLowPassSingleGround());
    ASSERT_EQ(a.error, 0) << drawingText(test::rcLowPassSingleGround());
    const Network& n = *a.network;
    expectBranches(n, {{1, 0, 2, 0}, {1, 3, 3, 2}, {2, 3, 3, 1}, {3, 3, 4, 0}});
    expectRows(n.kclRows, n.kclCount, {signs({-1, +3}), signs({-2, -3, +4}), signs({-4})});
    expectRows(n.meshRows, n.meshCount, {signs({+1, +3, -2})});
}

// Both source leads reach the one junction of the loop (C at (4,9)); the node mark on the ground
// stub keeps the source terminals from becoming nodes. The only mesh is branches 1 and 2, which
// cover no further branch: it is taken because the system needs it.
//   1: 1->C "R 1" "C 1"   2: 1->C   3: C->G   4: G->gnd
TEST(TopologyTest, LoopThroughTheSourceLeadsAlone) {
    SchematicGrid grid = test::rcLowPassSingleGround();
    grid.set(7, 4, '2');
    grid.set(4, 10, 'G');
    grid.set(4, 11, '2');
    grid.set(4, 12, 'I');
    const Analysed a = analyse(grid);
    ASSERT_EQ(a.error, 0) << drawingText(grid);
    const Network& n = *a.network;
    expectBranches(n, {{1, 0, 2, 1}, {1, 3, 2, 2}, {2, 3, 3, 0}, {3, 3, 4, 0}});
    expectRows(n.kclRows, n.kclCount, {signs({-1, -2, +3}), signs({-3, +4}), signs({-4})});
    expectRows(n.meshRows, n.meshCount, {signs({+1, -2})});
    expectSquare(n);
}

TEST(TopologyTest, GroundedLowPass) {
    const Analysed a = analyse(test::rcLowPass());
    ASSERT_EQ(a.error, 0);
    const Network& n = *a.network;
    // G = 2, the lower source terminal = 3 (fewer than two junctions), ground = 4.
    expectBranches(n, {{1, 0, 2, 0}, {1, 3, 3, 0}, {2, 3, 4, 0}, {3, 3, 4, 0}});
    expectComponents(n, {{"R 1", 4, 2, 1, 1}, {"C 1", 7, 8, 9, 3}});
}

// A vertical branch crosses the bottom rail at "7" without joining it: junction 2 at (6,2);
// lower source terminal 3; ground 4.
//   1: 1->2 "R 1"   2: 1->3   3: 2->3 "C 1" (along the bottom rail)
//   4: 2->gnd "R 2" (through the crossing)
TEST(TopologyTest, CrossingPassesStraightOn) {
    const SchematicGrid grid = test::art::gridFromArt(
        {
            "31x1C114",
            "2   2  2",
            "A   x  z",
            "2   2  2",
            "2   2  2",
            "51117116",
            "    2",
            "    I",
        },
        2, 2);
    const Analysed a = analyse(grid);
    ASSERT_EQ(a.error, 0) << drawingText(grid);
    const Network& n = *a.network;
    expectBranches(n, {{1, 0, 2, 2}, {1, 3, 3, 0}, {2, 1, 3, 3}, {2, 3, 4, 0}});
    EXPECT_EQ(n.branch(3).path,
              "111"
              "33333"
              "2222222"
              "00");
    EXPECT_EQ(n.branch(4).path, "3333333");
    expectComponents(n, {{"R 1", 4, 2, 1, 1}, {"R 2", 6, 4, 7, 4}, {"C 1", 9, 4, 9, 3}});
    EXPECT_EQ(n.branchMap.branchAt(7, 7), 3);
    EXPECT_EQ(n.branchMap.branchAt(6, 8), 4);
    expectSquare(n);
}

// A junction side whose wire ends in an empty cell gives no branch; the rest analyses.
TEST(TopologyTest, WalkEndingInAnEmptyCellGivesNoBranch) {
    SchematicGrid grid = test::rcLowPassSingleGround();
    grid.set(4, 9, 'B');
    grid.set(4, 8, '2');
    const Analysed a = analyse(grid);
    ASSERT_EQ(a.error, 0) << drawingText(grid);
    expectBranches(*a.network, {{1, 0, 2, 0}, {1, 3, 3, 2}, {2, 3, 3, 1}, {3, 3, 4, 0}});
    expectSquare(*a.network);
}

// --- Op-amps ------------------------------------------------------------------------------------

// Inverting amplifier: X = 2 (9,5), J = 3 (14,6), Y = 4 (16,6), ground = 5.
//   1: 1->X "R 1"   2: 1->gnd   3: X->Y "R 2" (feedback)   4: X->gnd (the inputs' wire)
//   5: J->Y   6: Y->gnd "R 3"
// Rows: X; Y; ground with the output J merged (the output current returns through ground);
// the op-amp row I4 = 0; loops 1 4 -2 (covers 4) and 1 3 6 -2 (covers 3 and 6).
TEST(TopologyTest, InvertingAmplifier) {
    const Analysed a = analyse(test::invertingAmplifier());
    ASSERT_EQ(a.error, 0) << drawingText(test::invertingAmplifier());
    const Network& n = *a.network;
    EXPECT_EQ(n.nodeCount, 4);
    expectBranches(
        n, {{1, 0, 2, 2}, {1, 3, 5, 0}, {2, 0, 4, 0}, {2, 1, 5, 0}, {3, 1, 4, 2}, {4, 3, 5, 0}});
    expectComponents(n, {{"R 1", 5, 5, 1, 1}, {"R 2", 12, 3, 1, 3}, {"R 3", 16, 8, 7, 6}});
    ASSERT_EQ(n.opAmpCount, 1);
    const OpAmp& op = n.opAmps[0];
    EXPECT_EQ(op.code, 26);
    EXPECT_EQ(op.column, 13);
    EXPECT_EQ(op.row, 6);
    EXPECT_EQ(op.outputNode, 3);
    EXPECT_EQ(op.inputBranch, 4);
    EXPECT_EQ(op.invertingNode, 2);
    EXPECT_EQ(op.nonInvertingNode, 5);
    EXPECT_EQ(n.opAmpReferenceNode, 5);
    expectRows(n.kclRows, n.kclCount,
               {signs({-1, +3, +4}), signs({-3, -5, +6}), signs({-2, -4, +5, -6})});
    expectRows(n.opAmpRows, n.opAmpCount, {signs({+4})});
    expectRows(n.meshRows, n.meshCount, {signs({+1, +4, -2}), signs({+1, +3, +6, -2})});
}

// The left-pointing symbols give the same amplifiers.
TEST(TopologyOpAmpTest, LeftPointingSymbols) {
    for (const auto& [grid, code] : {std::pair{test::leftPointingInvertingAmplifier(), 28},
                                     {test::leftPointingNonInvertingAmplifier(), 27}}) {
        const Analysed a = analyse(grid);
        ASSERT_EQ(a.error, 0) << drawingText(grid);
        ASSERT_EQ(a.network->opAmpCount, 1);
        const OpAmp& op = a.network->opAmps[0];
        EXPECT_EQ(op.code, code);
        expectSquare(*a.network);
        if (code == 27) {
            EXPECT_EQ(op.nonInvertingNode, 1);
            EXPECT_EQ(a.network->branch(op.inputBranch).startNode, 1);
        }
    }
}

// Non-inverting: J = 2, Y = 3, X = 4, ground = 5. The source drives the plus input directly, so
// branch 1 is the inputs' wire and the source delivers no current.
//   1: 1->X (inputs)   2: 1->gnd   3: J->Y   4: Y->gnd "R 1" load   5: Y->X "R 2" Rf
//   6: X->gnd "R 3" Rg
TEST(TopologyOpAmpTest, NonInvertingAmplifier) {
    const Analysed a = analyse(test::nonInvertingAmplifier());
    ASSERT_EQ(a.error, 0) << drawingText(test::nonInvertingAmplifier());
    const Network& n = *a.network;
    expectBranches(
        n, {{1, 0, 4, 1}, {1, 3, 5, 0}, {2, 1, 3, 2}, {3, 1, 5, 0}, {3, 3, 4, 3}, {4, 2, 5, 0}});
    ASSERT_EQ(n.opAmpCount, 1);
    EXPECT_EQ(n.opAmps[0].code, 25);
    EXPECT_EQ(n.opAmps[0].inputBranch, 1);
    EXPECT_EQ(n.opAmps[0].nonInvertingNode, 1);
    EXPECT_EQ(n.opAmps[0].invertingNode, 4);
    EXPECT_EQ(n.opAmps[0].outputNode, 2);
    expectRows(n.kclRows, n.kclCount,
               {signs({-3, +4, +5}), signs({-1, -5, +6}), signs({-2, +3, -4, -6})});
    expectRows(n.opAmpRows, n.opAmpCount, {signs({+1})});
    expectRows(n.meshRows, n.meshCount, {signs({+1, +6, -2}), signs({+1, -5, +4, -2})});
}

// Without ground marks the output current returns through the source's lower terminal.
TEST(TopologyOpAmpTest, WithoutGroundTheSourceReturnNodeIsTheReference) {
    // Join the three ground marks' stubs by a bottom rail instead.
    Sketch s;
    s.grid() = test::invertingAmplifier();
    s.put(test::code::cornerUpRight, 2, 11)
        .horizontalWire(11, 3, 15)
        .put(test::code::cornerUpLeft, 16, 11)
        .put(test::code::junctionNoDown, 9, 11)
        .verticalWire(9, 9, 10);
    const Analysed a = analyse(s.grid());
    ASSERT_EQ(a.error, 0) << drawingText(s.grid());
    EXPECT_FALSE(a.network->hasGround);
    EXPECT_EQ(a.network->opAmpReferenceNode, a.network->branch(2).endNode);
    expectSquare(*a.network);
}

// --- Counts hold for every drawing that analyses -----------------------------------------------

TEST(TopologyTest, EveryAnalysedDrawingHasOneRowPerBranch) {
    for (const auto& [name, grid] : test::analysableDrawings()) {
        SCOPED_TRACE(name);
        const Analysed a = analyse(grid);
        ASSERT_EQ(a.error, 0) << drawingText(grid);
        expectSquare(*a.network);
        // Every mesh runs through the source: out through branch 1, back through branch 2.
        for (int m = 0; m < a.network->meshCount; ++m) {
            EXPECT_EQ(a.network->meshRows[static_cast<std::size_t>(m)][0], 1);
            EXPECT_EQ(a.network->meshRows[static_cast<std::size_t>(m)][1], -1);
        }
    }
}

// --- Values carried into a re-analysis ---------------------------------------------------------

// The values follow the cells (carryOverValues); the previous records may be the network's own.
TEST(TopologyTest, ReanalysisMayTakeTheNetworksOwnComponentsAsThePreviousOnes) {
    Analysed a = analyse(test::rcLowPass());
    ASSERT_EQ(a.error, 0);
    a.network->component(1).value = 1500;
    a.network->component(2).value = 2.2e-6;
    Network& n = *a.network;
    ASSERT_EQ(analyseNetwork(
                  test::rcLowPass(),
                  std::span(n.components.data(), static_cast<std::size_t>(n.componentCount)), n)
                  .errorCode,
              0);
    EXPECT_EQ(n.component(1).value, 1500);
    EXPECT_EQ(n.component(2).value, 2.2e-6);
}

// --- Errors -------------------------------------------------------------------------------------

// A loop whose top rail is a row of node marks: 51 junctions fit, the 52nd is the 53rd node.
SchematicGrid loopWithNodeMarks(int marks) {
    Sketch s;
    s.grid() = test::seriesRlcLoop();
    // Move the right side of the loop (and its capacitor) out beyond a row of node marks.
    const int right = 9 + marks;
    for (int row = 2; row <= 7; ++row) s.grid().set(9, row, '0');
    s.horizontalWire(7, 3, right - 1)
        .put(test::code::cornerUpLeft, right, 7)
        .verticalWire(right, 3, 6)
        .put(test::code::cornerDownLeft, right, 2);
    for (int c = 9; c < right; ++c) s.put(test::code::nodeCellHorizontal, c, 2);
    return s.grid();
}

// The largest drawings within the node, branch and component limits.
TEST(TopologyErrorTest, LargestDrawingsWithinTheLimits) {
    const Analysed nodes = analyse(loopWithNodeMarks(51));
    ASSERT_EQ(nodes.error, 0) << drawingText(loopWithNodeMarks(51));
    EXPECT_EQ(nodes.network->nodeCount, 52);
    expectSquare(*nodes.network);
    const Analysed ladder = analyse(test::rcLadder(34));
    ASSERT_EQ(ladder.error, 0);
    EXPECT_EQ(ladder.network->branchCount, 69);
    EXPECT_EQ(ladder.network->meshCount, 34);
    EXPECT_EQ(ladder.network->kclCount, 35);
    // Resistors come before capacitors.
    EXPECT_EQ(ladder.network->component(34).name, "R 34");
    EXPECT_EQ(ladder.network->component(35).name, "C 1");
    const Analysed eighty = analyse(test::resistorChain(80));
    ASSERT_EQ(eighty.error, 0);
    EXPECT_EQ(eighty.network->componentCount, 80);
    EXPECT_EQ(eighty.network->component(80).name, "R 80");
}

// Drawings a cell or two away from sound ones, or just beyond a limit, and the error each gives.
TEST(TopologyErrorTest, DamagedDrawings) {
    SchematicGrid noSource = test::seriesRlcLoop();
    noSource.set(2, 4, '2');
    Sketch twoSources;
    twoSources.grid() = test::seriesRlcLoop();
    twoSources.put(test::code::verticalSource, 20, 20);
    SchematicGrid wiresOnly = test::seriesRlcLoop();
    for (const int column : {4, 7}) wiresOnly.set(column, 2, '1');
    wiresOnly.set(9, 4, '2');
    Sketch elevenOpAmps;
    elevenOpAmps.grid() = test::invertingAmplifier();
    for (int i = 0; i < 10; ++i) elevenOpAmps.put(test::code::opAmpRightPlusUpper, 2 + 6 * i, 40);
    SchematicGrid damagedOpAmp = test::invertingAmplifier();
    damagedOpAmp.set(14, 6, '1');  // the output "J" overwritten
    SchematicGrid openOutput = test::invertingAmplifier();
    openOutput.set(15, 6, '0');
    SchematicGrid openCircuit = test::rcLowPass();
    openCircuit.set(7, 11, '0');                   // the capacitor's ground mark
    SchematicGrid island = test::seriesRlcLoop();  // two junctions joined by two resistors
    drawRows(island, 30, 18, {"31114", "2   2", "E1x1D", "2   2", "51x16"});
    const std::pair<SchematicGrid, int> cases[] = {{SchematicGrid{}, 2},
                                                   {noSource, 2},
                                                   {twoSources.grid(), 3},
                                                   {loopWithNodeMarks(52), 1},
                                                   {test::rcLadder(35), 4},  // 71 branches
                                                   {test::resistorChain(81), 5},
                                                   {test::resistorChain(94), 5},
                                                   {wiresOnly, 6},
                                                   {elevenOpAmps.grid(), 10},
                                                   {damagedOpAmp, 11},
                                                   {openOutput, 12},
                                                   {openCircuit, 12},
                                                   {island, 12}};
    for (const auto& [grid, error] : cases)
        EXPECT_EQ(analyse(grid).error, error) << drawingText(grid);
}

// Where the loop search through the source runs into its limits (loops stored, paths taken or
// waiting, selection passes), the meshes come from a spanning tree; below them the search's
// meshes stay.
TEST(TopologyMeshTest, SearchLimitsFallBackToFundamentalLoops) {
    const Analysed ten = analyse(test::parallelPairs(10));
    ASSERT_EQ(ten.error, 0);
    EXPECT_EQ(ten.network->meshCount, 11);
    const Analysed nine = analyse(test::groundedComb(9));
    ASSERT_EQ(nine.error, 0);
    EXPECT_EQ(nine.network->meshCount, 9);
    for (const SchematicGrid& grid :
         {test::parallelPairs(11), test::parallelPairs(12), test::junctionGrid(5, 5),
          test::junctionGrid(6, 6), test::groundedComb(10), test::groundedComb(27),
          test::groundedComb(32)}) {
        const Analysed a = analyse(grid);
        ASSERT_EQ(a.error, 0) << drawingText(grid);
        expectSquare(*a.network);
    }
}

TEST(TopologyErrorTest, FailedAnalysisLeavesAnEmptyNetwork) {
    Analysed a = analyse(test::seriesRlcLoop());
    ASSERT_EQ(a.error, 0);
    EXPECT_EQ(analyseNetwork(test::rcLadder(35), {}, *a.network).errorCode, 4);
    EXPECT_EQ(a.network->branchCount, 0);
    EXPECT_EQ(a.network->componentCount, 0);
    EXPECT_EQ(a.network->meshCount, 0);
    EXPECT_EQ(a.network->branchMap.branchAt(5, 7), 0);
}

}  // namespace
}  // namespace volmira
