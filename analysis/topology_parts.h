#pragma once
// The steps of "Analyse", one file each: node scan, branch tracing, mesh search. Shared by the
// topology files only.
#include <array>
#include <cstdint>
#include <string_view>

#include "analysis/network.h"
#include "schematic/grid.h"

namespace volmira::topology {

// Error codes of the analysis.
enum Error : int {
    kOk = 0,
    kTooManyNodes = 1,
    kNoSource = 2,
    kSeveralSources = 3,
    kTooManyBranches = 4,
    kTooManyComponents = 5,
    kNoComponent = 6,
    kTooManyMeshes = 7,
    kTooManyOpAmps = 10,
    kFaultyOrTooComplex = 11,
    kNoUsableResult = 12,
    kTooComplex = 13,
};

// Numbered nodes 1..52 and the ground node after them.
inline constexpr int kMaxNodes = kMaxNumberedNodes + 1;
inline constexpr int kSourceNode = 1;

// Directions, as the digits of a branch path: 0 up, 1 right, 2 left, 3 down.
inline constexpr int kUp = 0, kRight = 1, kLeft = 2, kDown = 3;
constexpr int opposite(int direction) {
    return 3 - direction;
}

struct Cell {
    int column = 0;
    int row = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

constexpr Cell neighbour(Cell cell, int direction) {
    switch (direction) {
        case kUp:
            return {cell.column, cell.row - 1};
        case kRight:
            return {cell.column + 1, cell.row};
        case kLeft:
            return {cell.column - 1, cell.row};
        default:
            return {cell.column, cell.row + 1};
    }
}

// Where a walk moving in `direction` goes after entering a cell holding `code`: the new
// direction, or -1 when the cell does not carry the walk on (it ends there).
int turn(char code, int direction);

// Nodes numbered 1..N (1 is the source cell), and the ground node N + 1 when ground marks exist.
struct NodeTable {
    int count = 0;  // N
    bool hasGround = false;
    std::array<Cell, kMaxNodes + 1> cell{};             // by node number; ground: unused
    std::array<std::string_view, kMaxNodes + 1> sides;  // direction digits of each node
    // The node number at each cell (every ground mark holds the ground node), 0 elsewhere.
    std::array<std::array<std::uint8_t, kGridColumns>, kGridRows> at{};

    int ground() const { return count + 1; }
    int nodeAt(Cell c) const {
        return SchematicGrid::inside(c.column, c.row) ? at[c.row - 1][c.column - 1] : 0;
    }
};

// Numbers the nodes of the drawing (source, junctions, the small-network terminals, ground).
Error scanNodes(const SchematicGrid& grid, NodeTable& nodes);

// An op-amp symbol as the drawing holds it.
struct OpAmpSite {
    Cell body;       // the "#" cell
    int code = 0;    // 25..28
    Cell output;     // its "J" or "K" cell
    Cell inputWire;  // the vertical cell of the wire that joins the two inputs
};

struct OpAmpSites {
    int count = 0;
    std::array<OpAmpSite, kMaxOpAmps> site{};
};

// Finds the op-amp symbols, in row-major order of their body cells.
Error findOpAmps(const SchematicGrid& grid, OpAmpSites& sites);

// Traces every branch from its lower-numbered node, marks the branch map and collects the
// components (numbered and named).
Error traceBranches(const SchematicGrid& grid, const NodeTable& nodes, Network& network);

// The mesh search: every loop through the source, then the covering selection of `required`
// meshes. Writes the mesh rows and the mesh count.
Error findMeshes(Network& network, int required);

}  // namespace volmira::topology
