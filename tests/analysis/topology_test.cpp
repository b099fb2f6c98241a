#include "analysis/topology.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <random>
#include <vector>

#include "analysis/ac_solver.h"
#include "analysis/hit_test.h"
#include "analysis/schematic_check.h"
#include "support/random_drawings.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

using test::drawingText;
using test::drawRows;
using test::Sketch;

// The network of a drawing that must analyse.
std::unique_ptr<Network> analysed(const SchematicGrid& grid) {
    auto network = std::make_unique<Network>();
    EXPECT_EQ(analyseNetwork(grid, {}, *network).errorCode, 0) << drawingText(grid);
    return network;
}

// Per branch: start node, the side it leaves from, end node, the side it arrives at.
struct Ends {
    int start, startSide, end, endSide;
};

void expectBranches(const Network& n, std::initializer_list<Ends> expected) {
    ASSERT_EQ(n.branchCount, static_cast<int>(expected.size()));
    int k = 0;
    for (const Ends& e : expected) {
        const Branch& b = n.branch(++k);
        EXPECT_EQ((std::array<int, 4>{b.startNode, b.startSide, b.endNode, b.endSide}),
                  (std::array{e.start, e.startSide, e.end, e.endSide}))
            << "branch " << k;
    }
}

// Each expected row as signed branch numbers: +k for +1 at branch k, -k for -1.
template <std::size_t N>
void expectRows(const std::array<SignRow, N>& rows, int count,
                std::initializer_list<std::initializer_list<int>> expected) {
    ASSERT_EQ(count, static_cast<int>(expected.size()));
    std::size_t i = 0;
    for (const auto& entries : expected) {
        SignRow row{};
        for (const int k : entries) row[static_cast<std::size_t>(std::abs(k) - 1)] = k > 0 ? 1 : -1;
        EXPECT_EQ(rows[i], row) << "row " << i + 1;
        ++i;
    }
}

// Per component: name, column, row, symbol code, branch.
struct At {
    const char* name;
    int column, row, code, branch;
};

void expectComponents(const Network& n, std::initializer_list<At> expected) {
    ASSERT_EQ(n.componentCount, static_cast<int>(expected.size()));
    int k = 1;
    for (const At& e : expected) {
        const Component& c = n.component(k++);
        EXPECT_EQ(c.name, e.name);
        EXPECT_EQ((std::array<int, 4>{c.column, c.row, c.code, c.branch}),
                  (std::array{e.column, e.row, e.code, e.branch}))
            << c.name;
    }
}

// One equation row per branch current.
void expectSquare(const Network& n) {
    EXPECT_EQ(n.kclCount + n.opAmpCount + n.meshCount, n.branchCount);
}

// A single loop: the source terminals become nodes 2 (below, traced first) and 3 (above).
//   node 1 = A (2,4); node 2 = (2,5); node 3 = (2,3)
//   1: 1 -0-> 3 (path "0")     2: 1 -3-> 2 (path "3")     3: 2 -> around the loop -> 3
// Currents: node 2: -I2 + I3; node 3: -I1 - I3. The loop runs 1 forward, 3 and 2 backward.
TEST(TopologyTest, SingleLoopMakesTheSourceTerminalsNodes) {
    const auto network = analysed(test::seriesRlcLoop());
    const Network& n = *network;
    EXPECT_EQ(n.nodeCount, 3);
    EXPECT_FALSE(n.hasGround);
    expectBranches(n, {Ends(1, 0, 3, 3), Ends(1, 3, 2, 0), Ends(2, 3, 3, 0)});
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
    expectComponents(n, {At("R 1", 4, 2, 1, 3), At("L 1", 7, 2, 2, 3), At("C 1", 9, 4, 9, 3)});
    expectRows(n.kclRows, n.kclCount, {{-2, +3}, {-1, -3}});
    expectRows(n.meshRows, n.meshCount, {{+1, -3, -2}});
    EXPECT_EQ(n.opAmpCount, 0);
    EXPECT_EQ(analysisStatusMessage(n),
              "Analyse erfolgreich durchgeführt\n\n2 Knoten (=Minimalzahl) und \n"
              "1 unabhängige Maschen vorhanden");
    // The trial solve: the source drives its current out through branch 1 and back through 3
    // and 2 against their traced directions.
    EXPECT_FALSE(n.branch(1).reversed);
    EXPECT_TRUE(n.branch(2).reversed);
    EXPECT_TRUE(n.branch(3).reversed);
    // The map: wires, corners and component letters belong to their branch, node cells to none.
    const BranchMap& map = n.branchMap;
    for (const auto& [column, row, branch] :
         {std::array{5, 7, 3}, {9, 2, 3}, {4, 2, 3}, {2, 4, 0}, {2, 5, 0}, {20, 20, 0}})
        EXPECT_EQ(map.branchAt(column, row), branch) << column << ", " << row;
    // "R 1" at (4,2) horizontal covers columns 3..5; "C 1" at (9,4) vertical covers rows 3..5.
    for (int column = 3; column <= 5; ++column) EXPECT_EQ(map.componentAt(column, 2), 1);
    EXPECT_EQ(map.componentAt(2, 2), 0);
    EXPECT_EQ(map.componentAt(6, 2), 2);  // "L 1" starts there
    for (int row = 3; row <= 5; ++row) EXPECT_EQ(map.componentAt(9, row), 3);
    EXPECT_EQ(map.componentAt(9, 6), 0);
}

// What a pixel hits, asked of the series loop's map ("R 1" at (4, 2) horizontal in branch 3).
TEST(HitTest, BranchAndComponentUnderAPixel) {
    const auto network = analysed(test::seriesRlcLoop());
    const auto at = [&](int column, int row) {
        const GridPixel p = cellBoxTopLeft({column, row});
        return hitAtPixel(*network, p.x + 4, p.y + 4);
    };
    EXPECT_EQ(at(3, 2).component, 1);  // the resistor's left lead
    EXPECT_EQ(at(3, 2).branch, 3);
    EXPECT_EQ(at(3, 2).cell, (GridCell{3, 2}));
    EXPECT_EQ(at(5, 7).branch, 3);  // bottom wire
    EXPECT_EQ(at(5, 7).component, 0);
    EXPECT_EQ(at(2, 4).branch, 0);  // a node cell
    // Cell boxes begin two pixels left of and above their wires' crossing point.
    EXPECT_EQ(hitAtPixel(*network, -2, -2).cell, (GridCell{1, 1}));
    const NetworkHit outside = hitAtPixel(*network, -3, -12);
    EXPECT_EQ(outside.cell, (GridCell{0, -1}));
    EXPECT_EQ(outside.branch, 0);

    // A junction right beside a resistor: its lead is the node, which takes the resistor's branch.
    SchematicGrid beside;
    test::drawRows(beside, 2, 2, {"3xC1x4", "2 2  2", "A z  z", "2 2  2", "51F116"});
    const auto t = analysed(beside);
    const NetworkHit lead = hitAtCell(*t, {4, 2});
    EXPECT_EQ(lead.component, t->branchMap.componentAt(3, 2));
    EXPECT_NE(lead.branch, 0);
    EXPECT_EQ(lead.branch, t->branchMap.branchAt(3, 2));
}

// Wheatstone bridge, no ground: T = 2 (8,2), L = 3 (8,6), R = 4 (12,6), B = 5 (8,10).
//   1: 1->T   2: 1->B   3: T->R (right arm, "R 1")   4: T->L ("R 2")   5: L->R (rung, "R 3")
//   6: L->B ("R 4")     7: R->B ("R 5")
// Loops through the source, in the order found: 1 3 -5 6 -2, 1 3 7 -2, 1 4 5 7 -2, 1 4 6 -2.
// Shortest first: 1 3 7 -2 covers 3 and 7, 1 4 6 -2 covers 4 and 6, 1 3 -5 6 -2 covers 5.
TEST(TopologyTest, WheatstoneBridge) {
    const auto n = analysed(test::wheatstoneBridge());
    EXPECT_EQ(n->nodeCount, 5);
    expectBranches(*n, {Ends(1, 0, 2, 2), Ends(1, 3, 5, 2), Ends(2, 1, 4, 0), Ends(2, 3, 3, 0),
                        Ends(3, 1, 4, 2), Ends(3, 3, 5, 0), Ends(4, 3, 5, 1)});
    expectComponents(*n, {At("R 1", 12, 4, 7, 3), At("R 2", 8, 4, 7, 4), At("R 3", 10, 6, 1, 5),
                          At("R 4", 8, 8, 7, 6), At("R 5", 12, 8, 7, 7)});
    expectRows(n->kclRows, n->kclCount, {{-1, +3, +4}, {-4, +5, +6}, {-3, -5, +7}, {-2, -6, -7}});
    expectRows(n->meshRows, n->meshCount,
               {{+1, +3, +7, -2}, {+1, +4, +6, -2}, {+1, +3, -5, +6, -2}});
    EXPECT_EQ(
        analysisStatusMessage(*n),
        "Analyse erfolgreich durchgeführt\n\n4 Knoten  und \n3 unabhängige Maschen vorhanden");
}

// Three-section ladder: J1 = 2 (6,2), J2 = 3 (10,2), output G = 4 (14,4), ground = 5.
//   1: 1->J1 "R 1"   2: 1->gnd   3: J1->J2 "R 2"   4: J1->gnd "C 1"   5: J2->G "R 3"
//   6: J2->gnd "C 2"   7: G->gnd "C 3"
// Loops: 1 3 5 7 -2, 1 3 6 -2, 1 4 -2; shortest first they cover 4, then 3 6, then 5 7.
TEST(TopologyTest, ThreeSectionLadder) {
    const auto n = analysed(test::rcLadder(3));
    EXPECT_EQ(n->nodeCount, 4);
    EXPECT_TRUE(n->hasGround);
    EXPECT_EQ(n->groundNode(), 5);
    expectBranches(*n, {Ends(1, 0, 2, 2), Ends(1, 3, 5, 0), Ends(2, 1, 3, 2), Ends(2, 3, 5, 0),
                        Ends(3, 1, 4, 0), Ends(3, 3, 5, 0), Ends(4, 3, 5, 0)});
    EXPECT_EQ(n->branch(1).path, "001111");
    expectComponents(*n, {At("R 1", 4, 2, 1, 1), At("R 2", 8, 2, 1, 3), At("R 3", 12, 2, 1, 5),
                          At("C 1", 6, 4, 9, 4), At("C 2", 10, 4, 9, 6), At("C 3", 14, 7, 9, 7)});
    // Ground is a node of its own and has a row, after the numbered nodes.
    expectRows(n->kclRows, n->kclCount, {{-1, +3, +4}, {-3, +5, +6}, {-5, +7}, {-2, -4, -6, -7}});
    expectRows(n->meshRows, n->meshCount, {{+1, +4, -2}, {+1, +3, +6, -2}, {+1, +3, +5, +7, -2}});
}

// A single ground mark below a junction of the bottom rail: G = 2, rail junction = 3, ground 4.
//   1: 1->G "R 1"   2: 1->rail   3: G->rail "C 1"   4: rail->gnd (dead end)
// Branch 4 lies on no loop; ground's current-law row (-I4 = 0) makes its current zero.
TEST(TopologyTest, SingleGroundMarkIsADeadEnd) {
    const auto n = analysed(test::rcLowPassSingleGround());
    expectBranches(*n, {Ends(1, 0, 2, 0), Ends(1, 3, 3, 2), Ends(2, 3, 3, 1), Ends(3, 3, 4, 0)});
    expectRows(n->kclRows, n->kclCount, {{-1, +3}, {-2, -3, +4}, {-4}});
    expectRows(n->meshRows, n->meshCount, {{+1, +3, -2}});
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
    const auto n = analysed(grid);
    expectBranches(*n, {Ends(1, 0, 2, 1), Ends(1, 3, 2, 2), Ends(2, 3, 3, 0), Ends(3, 3, 4, 0)});
    expectRows(n->kclRows, n->kclCount, {{-1, -2, +3}, {-3, +4}, {-4}});
    expectRows(n->meshRows, n->meshCount, {{+1, -2}});
}

// A vertical branch crosses the bottom rail at "7" without joining it: junction 2 at (6,2);
// lower source terminal 3; ground 4.
//   1: 1->2 "R 1"   2: 1->3   3: 2->3 "C 1" (along the bottom rail)
//   4: 2->gnd "R 2" (through the crossing)
TEST(TopologyTest, CrossingPassesStraightOn) {
    const auto n = analysed(test::art::gridFromArt(
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
        2, 2));
    expectBranches(*n, {Ends(1, 0, 2, 2), Ends(1, 3, 3, 0), Ends(2, 1, 3, 3), Ends(2, 3, 4, 0)});
    EXPECT_EQ(n->branch(3).path,
              "111"
              "33333"
              "2222222"
              "00");
    EXPECT_EQ(n->branch(4).path, "3333333");
    expectComponents(*n, {At("R 1", 4, 2, 1, 1), At("R 2", 6, 4, 7, 4), At("C 1", 9, 4, 9, 3)});
    EXPECT_EQ(n->branchMap.branchAt(7, 7), 3);
    EXPECT_EQ(n->branchMap.branchAt(6, 8), 4);
    expectSquare(*n);
}

// A junction side whose wire ends in an empty cell gives no branch; the rest analyses.
TEST(TopologyTest, WalkEndingInAnEmptyCellGivesNoBranch) {
    SchematicGrid grid = test::rcLowPassSingleGround();
    grid.set(4, 9, 'B');
    grid.set(4, 8, '2');
    const auto n = analysed(grid);
    expectBranches(*n, {Ends(1, 0, 2, 0), Ends(1, 3, 3, 2), Ends(2, 3, 3, 1), Ends(3, 3, 4, 0)});
    expectSquare(*n);
}

// Inverting amplifier: X = 2 (9,5), J = 3 (14,6), Y = 4 (16,6), ground = 5.
//   1: 1->X "R 1"   2: 1->gnd   3: X->Y "R 2" (feedback)   4: X->gnd (the inputs' wire)
//   5: J->Y   6: Y->gnd "R 3"
// Rows: X; Y; ground with the output J merged (the output current returns through ground);
// the op-amp row I4 = 0; loops 1 4 -2 (covers 4) and 1 3 6 -2 (covers 3 and 6).
TEST(TopologyOpAmpTest, InvertingAmplifier) {
    const auto n = analysed(test::invertingAmplifier());
    EXPECT_EQ(n->nodeCount, 4);
    expectBranches(*n, {Ends(1, 0, 2, 2), Ends(1, 3, 5, 0), Ends(2, 0, 4, 0), Ends(2, 1, 5, 0),
                        Ends(3, 1, 4, 2), Ends(4, 3, 5, 0)});
    expectComponents(*n, {At("R 1", 5, 5, 1, 1), At("R 2", 12, 3, 1, 3), At("R 3", 16, 8, 7, 6)});
    ASSERT_EQ(n->opAmpCount, 1);
    const OpAmp& op = n->opAmps[0];
    // Code, column, row, output node, input branch, inverting and non-inverting input node.
    EXPECT_EQ((std::array<int, 7>{op.code, op.column, op.row, op.outputNode, op.inputBranch,
                                  op.invertingNode, op.nonInvertingNode}),
              (std::array{26, 13, 6, 3, 4, 2, 5}));
    EXPECT_EQ(n->opAmpReferenceNode, 5);
    expectRows(n->kclRows, n->kclCount, {{-1, +3, +4}, {-3, -5, +6}, {-2, -4, +5, -6}});
    expectRows(n->opAmpRows, n->opAmpCount, {{+4}});
    expectRows(n->meshRows, n->meshCount, {{+1, +4, -2}, {+1, +3, +6, -2}});
}

// The left-pointing symbols give the same amplifiers.
TEST(TopologyOpAmpTest, LeftPointingSymbols) {
    for (const auto& [grid, code] : {std::pair{test::leftPointingInvertingAmplifier(), 28},
                                     {test::leftPointingNonInvertingAmplifier(), 27}}) {
        const auto n = analysed(grid);
        ASSERT_EQ(n->opAmpCount, 1);
        const OpAmp& op = n->opAmps[0];
        EXPECT_EQ(op.code, code);
        expectSquare(*n);
        if (code == 27) {
            EXPECT_EQ(op.nonInvertingNode, 1);
            EXPECT_EQ(n->branch(op.inputBranch).startNode, 1);
        }
    }
}

// Non-inverting: J = 2, Y = 3, X = 4, ground = 5. The source drives the plus input directly, so
// branch 1 is the inputs' wire and the source delivers no current.
//   1: 1->X (inputs)   2: 1->gnd   3: J->Y   4: Y->gnd "R 1" load   5: Y->X "R 2" Rf
//   6: X->gnd "R 3" Rg
TEST(TopologyOpAmpTest, NonInvertingAmplifier) {
    const auto n = analysed(test::nonInvertingAmplifier());
    expectBranches(*n, {Ends(1, 0, 4, 1), Ends(1, 3, 5, 0), Ends(2, 1, 3, 2), Ends(3, 1, 5, 0),
                        Ends(3, 3, 4, 3), Ends(4, 2, 5, 0)});
    ASSERT_EQ(n->opAmpCount, 1);
    const OpAmp& op = n->opAmps[0];
    EXPECT_EQ((std::array<int, 5>{op.code, op.outputNode, op.inputBranch, op.invertingNode,
                                  op.nonInvertingNode}),
              (std::array{25, 2, 1, 4, 1}));
    expectRows(n->kclRows, n->kclCount, {{-3, +4, +5}, {-1, -5, +6}, {-2, +3, -4, -6}});
    expectRows(n->opAmpRows, n->opAmpCount, {{+1}});
    expectRows(n->meshRows, n->meshCount, {{+1, +6, -2}, {+1, -5, +4, -2}});
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
    const auto n = analysed(s.grid());
    EXPECT_FALSE(n->hasGround);
    EXPECT_EQ(n->opAmpReferenceNode, n->branch(2).endNode);
    expectSquare(*n);
}

// Every sound drawing passes the schematic check, and analyses into one row per branch.
TEST(TopologyTest, EveryAnalysedDrawingPassesTheCheckAndHasOneRowPerBranch) {
    EXPECT_FALSE(checkSchematic(SchematicGrid{}).found);
    for (const auto& [name, grid] : test::analysableDrawings()) {
        SCOPED_TRACE(name);
        const SchematicFault fault = checkSchematic(grid);
        EXPECT_FALSE(fault.found) << "column " << fault.column << ", row " << fault.row;
        const auto n = analysed(grid);
        expectSquare(*n);
        // Every mesh runs through the source: out through branch 1, back through branch 2.
        for (int m = 0; m < n->meshCount; ++m) {
            EXPECT_EQ(n->meshRows[static_cast<std::size_t>(m)][0], 1);
            EXPECT_EQ(n->meshRows[static_cast<std::size_t>(m)][1], -1);
        }
    }
}

// The values follow the cells (carryOverValues); the previous records may be the network's own.
TEST(TopologyTest, ReanalysisMayTakeTheNetworksOwnComponentsAsThePreviousOnes) {
    const auto network = analysed(test::rcLowPass());
    Network& n = *network;
    n.component(1).value = 1500;
    n.component(2).value = 2.2e-6;
    ASSERT_EQ(analyseNetwork(
                  test::rcLowPass(),
                  std::span(n.components.data(), static_cast<std::size_t>(n.componentCount)), n)
                  .errorCode,
              0);
    EXPECT_EQ(n.component(1).value, 1500);
    EXPECT_EQ(n.component(2).value, 2.2e-6);
}

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
    const auto nodes = analysed(loopWithNodeMarks(51));
    EXPECT_EQ(nodes->nodeCount, 52);
    expectSquare(*nodes);
    const auto ladder = analysed(test::rcLadder(34));
    EXPECT_EQ(ladder->branchCount, 69);
    EXPECT_EQ(ladder->meshCount, 34);
    EXPECT_EQ(ladder->kclCount, 35);
    // Resistors come before capacitors.
    EXPECT_EQ(ladder->component(34).name, "R 34");
    EXPECT_EQ(ladder->component(35).name, "C 1");
    const auto eighty = analysed(test::resistorChain(80));
    EXPECT_EQ(eighty->componentCount, 80);
    EXPECT_EQ(eighty->component(80).name, "R 80");
}

// Drawings a cell or two away from sound ones, or just beyond a limit, and the error each gives;
// a failed analysis leaves an empty network behind, whatever it held before.
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
    const auto n = analysed(test::seriesRlcLoop());
    for (const auto& [grid, error] : cases) {
        ASSERT_EQ(analyseNetwork(test::seriesRlcLoop(), {}, *n).errorCode, 0);
        EXPECT_EQ(analyseNetwork(grid, {}, *n).errorCode, error) << drawingText(grid);
        EXPECT_EQ(n->branchCount + n->componentCount + n->meshCount, 0);
        EXPECT_EQ(n->branchMap.branchAt(5, 7), 0);
    }
}

// Where the loop search through the source runs into its limits (loops stored, paths taken or
// waiting, selection passes), the meshes come from a spanning tree; below them the search's
// meshes stay.
TEST(TopologyMeshTest, SearchLimitsFallBackToFundamentalLoops) {
    EXPECT_EQ(analysed(test::parallelPairs(10))->meshCount, 11);
    EXPECT_EQ(analysed(test::groundedComb(9))->meshCount, 9);
    for (const SchematicGrid& grid :
         {test::parallelPairs(11), test::parallelPairs(12), test::junctionGrid(5, 5),
          test::junctionGrid(6, 6), test::groundedComb(10), test::groundedComb(27),
          test::groundedComb(32)}) {
        EXPECT_FALSE(checkSchematic(grid).found) << drawingText(grid);
        expectSquare(*analysed(grid));
    }
}

TEST(SchematicCheckTest, FindsTheFirstSideThatLeadsNowhere) {
    // Rows drawn into the series loop (columns 2..9, rows 2..7) at a column and row, and the fault.
    struct Case {
        int column, row;
        std::vector<std::string> rows;
        SchematicFault expected;
    };
    const Case cases[] = {
        // A wire end: the marker moves left.
        {20, 10, {"11"}, {true, 20, 10, -9, 0}},
        // A loop closed on a crossing: its sides up and left lead nowhere.
        {30, 20, {"7114", "2002", "5116"}, {true, 30, 20, -4, -4}},
        // A corner into the closed side of a node mark: the marker moves down.
        {30, 20, {"31", "H"}, {true, 30, 20, -4, 4}},
        // The capacitor's lead cut below: seen through the capacitor, the wire above the gap.
        {9, 6, {" "}, {true, 9, 5, -4, 4}},
        // A wire at the grid's edge leads out of it.
        {40, 1, {"2", "I"}, {true, 40, 1, -4, -4}},
        // A wire into an op-amp's body: only a node may touch it. The right side is found
        // before the open left one.
        {50, 30, {"1#"}, {true, 50, 30, 0, 0}},
    };
    for (const Case& c : cases) {
        SchematicGrid grid = test::seriesRlcLoop();
        test::drawRows(grid, c.column, c.row, c.rows);
        const SchematicFault fault = checkSchematic(grid);
        SCOPED_TRACE(drawingText(grid));
        EXPECT_EQ(fault.found, c.expected.found);
        EXPECT_EQ(fault.column, c.expected.column);
        EXPECT_EQ(fault.row, c.expected.row);
        EXPECT_EQ(fault.shiftX, c.expected.shiftX);
        EXPECT_EQ(fault.shiftY, c.expected.shiftY);
    }
}

// Random lattice drawings: whatever the drawing, the analysis either reports one of its errors or
// gives a square system whose meshes are independent closed loops.

// Node incidence of branch k: +1 at its start, -1 at its end.
int incidence(const Branch& branch, int node) {
    return (branch.startNode == node ? 1 : 0) - (branch.endNode == node ? 1 : 0);
}

int rankOf(const Network& n) {
    std::vector<std::array<double, kMaxBranches>> rows(static_cast<std::size_t>(n.meshCount));
    for (std::size_t m = 0; m < rows.size(); ++m) std::ranges::copy(n.meshRows[m], rows[m].begin());
    std::size_t rank = 0;
    for (std::size_t col = 0; col < kMaxBranches && rank < rows.size(); ++col) {
        const auto pivot =
            std::find_if(rows.begin() + static_cast<std::ptrdiff_t>(rank), rows.end(),
                         [&](const auto& row) { return std::abs(row[col]) > 1e-9; });
        if (pivot == rows.end()) continue;
        std::swap(*pivot, rows[rank]);
        for (auto& row : rows) {
            const double f = &row == &rows[rank] ? 0 : row[col] / rows[rank][col];
            for (std::size_t c = 0; c < kMaxBranches; ++c) row[c] -= f * rows[rank][c];
        }
        ++rank;
    }
    return static_cast<int>(rank);
}

TEST(TopologyRandomTest, AnalysedLatticesGiveSquareSolvableSystems) {
    auto network = std::make_unique<Network>();
    auto solver = std::make_unique<AcSolver>();
    auto currents = std::make_unique<BranchCurrents>();
    int analysed = 0, withGround = 0, meshes = 0;
    for (unsigned seed = 1; seed <= 1500; ++seed) {
        std::mt19937 random(seed);
        const SchematicGrid grid = test::drawLattice(test::randomLattice(random));
        const int error = analyseNetwork(grid, {}, *network).errorCode;
        SCOPED_TRACE("seed " + std::to_string(seed) + "\n" + test::drawingText(grid));
        if (error != 0) {
            EXPECT_FALSE(analysisErrorMessage(error).empty());
            EXPECT_EQ(network->branchCount, 0);
            continue;
        }
        ++analysed;
        withGround += network->hasGround;
        meshes += network->meshCount;
        const Network& n = *network;
        ASSERT_EQ(n.kclCount + n.opAmpCount + n.meshCount, n.branchCount);
        ASSERT_EQ(rankOf(n), n.meshCount);
        const int nodes = n.nodeCount + (n.hasGround ? 1 : 0);
        for (int m = 0; m < n.meshCount; ++m) {
            const SignRow& row = n.meshRows[static_cast<std::size_t>(m)];
            // Through the source, or around it: its two halves go together.
            EXPECT_EQ(row[0], -row[1]);
            // A closed loop enters every node as often as it leaves it.
            for (int node = 1; node <= nodes; ++node) {
                int balance = 0;
                for (int k = 1; k <= n.branchCount; ++k)
                    balance += row[static_cast<std::size_t>(k - 1)] * incidence(n.branch(k), node);
                EXPECT_EQ(balance, 0) << "mesh " << m + 1 << ", node " << node;
            }
        }
        // Every component lies in its branch and is marked on its cells.
        for (int c = 1; c <= n.componentCount; ++c) {
            const Component& component = n.component(c);
            EXPECT_EQ(n.branchMap.componentAt(component.column, component.row), c);
            EXPECT_EQ(n.branchMap.branchAt(component.column, component.row), component.branch);
        }
        // With a positive resistance in every branch the system has one solution.
        for (int k = 1; k <= n.branchCount; ++k) network->branch(k).R = 10.0 + k;
        const SolveStatus status = solver->solve(*network, 0, 1, *currents);
        EXPECT_FALSE(status.failed());
    }
    // The lattices are varied enough to be worth it.
    EXPECT_GT(analysed, 300);
    EXPECT_GT(withGround, 100);
    EXPECT_GT(meshes, 3 * analysed);
}

}  // namespace
}  // namespace volmira
