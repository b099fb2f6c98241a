#pragma once
// The analysed network: nodes, branches, components, op-amps and meshes with their equation
// coefficients. Fixed-size storage sized by the limits of the analysis.
#include <array>
#include <cstdint>
#include <string>

#include "schematic/component.h"
#include "schematic/grid.h"

namespace volmira {

inline constexpr int kMaxNumberedNodes = 52;  // plus the merged ground node: 53
inline constexpr int kMaxBranches = 70;
inline constexpr int kMaxOpAmps = 10;
inline constexpr int kMaxMeshes = 60;
inline constexpr int kMaxKclRows = kMaxNumberedNodes + 1;

// One equation row over the branch variables: coefficient[k] belongs to branch k + 1.
using SignRow = std::array<std::int8_t, kMaxBranches>;

struct Branch {
    // Identity: start and end node numbers and the side (0 up, 1 right, 2 left, 3 down) through
    // which the branch leaves the start node and enters the end node.
    std::uint8_t startNode = 0;
    std::uint8_t startSide = 0;
    std::uint8_t endNode = 0;
    std::uint8_t endSide = 0;
    // The walk: the start node's cell, then one direction digit ('0'..'3') per step.
    std::uint8_t startColumn = 0;
    std::uint8_t startRow = 0;
    std::string path;
    // Sums of the branch's component values (ohm, henry, farad; C = 0: no capacitor) and the
    // reactance at the last solved frequency.
    double R = 0, L = 0, C = 0, X = 0;
    // 1 when the trial solve found the current flowing against the traced direction.
    bool reversed = false;
};

// An ideal op-amp: no voltage and no current between its inputs, any output current, which
// returns through the reference node (ground, or without ground marks the source's return node).
struct OpAmp {
    std::uint8_t code = 0;    // SymbolCode 25..28
    std::uint8_t column = 0;  // its body cell "#"
    std::uint8_t row = 0;
    std::uint8_t outputNode = 0;
    // The branch through the wire that joins the two inputs; it carries no current.
    std::uint8_t inputBranch = 0;
    // The nodes at the ends of that branch, on the side of the plus and of the minus input.
    std::uint8_t nonInvertingNode = 0;
    std::uint8_t invertingNode = 0;
};

// Per grid cell: the branch (1..70) and the component (1..80) that cover it, 0 for none. Kept
// apart from the undo copy of the drawing and in separate ranges, so every number is readable.
class BranchMap {
  public:
    std::uint8_t branchAt(int column, int row) const {
        return SchematicGrid::inside(column, row) ? cells_[row - 1][column - 1].branch : 0;
    }
    std::uint8_t componentAt(int column, int row) const {
        return SchematicGrid::inside(column, row) ? cells_[row - 1][column - 1].component : 0;
    }
    void markBranch(int column, int row, int branch) {
        if (SchematicGrid::inside(column, row))
            cells_[row - 1][column - 1].branch = static_cast<std::uint8_t>(branch);
    }
    void markComponent(int column, int row, int component) {
        if (SchematicGrid::inside(column, row))
            cells_[row - 1][column - 1].component = static_cast<std::uint8_t>(component);
    }
    void clear() { cells_ = {}; }

  private:
    struct Cell {
        std::uint8_t branch = 0;
        std::uint8_t component = 0;
    };
    std::array<std::array<Cell, kGridColumns>, kGridRows> cells_{};
};

struct Network {
    int nodeCount = 0;       // numbered nodes N, without the ground node
    bool hasGround = false;  // ground marks exist; they form node N + 1

    int branchCount = 0;                        // b, the number of equation variables
    std::array<Branch, kMaxBranches> branches;  // branch k at index k - 1

    int componentCount = 0;
    std::array<Component, kMaxComponents> components;  // component k at index k - 1

    // Equation rows: K current-law rows, P op-amp rows (zero input current), M mesh rows
    // (voltage law around a mesh through the source; mesh m is equation row b - m + 1).
    int kclCount = 0;
    std::array<SignRow, kMaxKclRows> kclRows{};
    int opAmpCount = 0;
    std::array<SignRow, kMaxOpAmps> opAmpRows{};
    std::array<OpAmp, kMaxOpAmps> opAmps{};
    int opAmpReferenceNode = 0;  // 0 without op-amps
    int meshCount = 0;
    std::array<SignRow, kMaxMeshes> meshRows{};

    BranchMap branchMap;

    const Branch& branch(int k) const { return branches[k - 1]; }
    Branch& branch(int k) { return branches[k - 1]; }
    const Component& component(int k) const { return components[k - 1]; }
    Component& component(int k) { return components[k - 1]; }
    bool hasReactiveComponents() const;  // any inductor or capacitor
    int groundNode() const { return hasGround ? nodeCount + 1 : 0; }
};

}  // namespace volmira
