// Branch tracing: walks from every node along the wires to the next node, records each branch
// once from its lower-numbered end, marks the branch map and collects the components.
#include <algorithm>

#include "analysis/topology_parts.h"

namespace volmira::topology {

namespace {

// A walk can visit each cell at most once per direction; anything longer is a fault.
constexpr int kMaxWalkSteps = 4 * kGridRows * kGridColumns;

// Cells a walk passes, without its start and end node.
struct Walk {
    int endNode = 0;  // 0: the walk ended on a cell that is not a node
    int endSide = 0;  // direction from the end node into the branch
    int steps = 0;
    std::array<char, kMaxWalkSteps> digits;
};

void walkFrom(const SchematicGrid& grid, const NodeTable& nodes, Cell start, int direction,
              Walk& walk) {
    walk.endNode = 0;
    walk.steps = 0;
    Cell cell = start;
    while (walk.steps < kMaxWalkSteps) {
        cell = neighbour(cell, direction);
        walk.digits[walk.steps++] = static_cast<char>('0' + direction);
        if (!SchematicGrid::inside(cell.column, cell.row)) return;
        if (const int node = nodes.nodeAt(cell); node != 0) {
            walk.endNode = node;
            walk.endSide = opposite(direction);
            return;
        }
        direction = turn(grid.at(cell.column, cell.row), direction);
        if (direction < 0) return;
    }
}

// A component met on a branch, before the components are numbered by kind.
struct Found {
    Cell cell;
    std::uint8_t code;
    std::uint8_t branch;
};

int kindOf(char letter) {
    return letter == 'x' ? 1 : letter == 'y' ? 2 : 3;
}
constexpr std::string_view kKindLetters = "RLC";

void markComponent(BranchMap& map, const Component& component, int number) {
    const bool vertical = component.code > 6;
    for (int offset = -1; offset <= 1; ++offset)
        map.markComponent(component.column + (vertical ? 0 : offset),
                          component.row + (vertical ? offset : 0), number);
}

}  // namespace

Error traceBranches(const SchematicGrid& grid, const NodeTable& nodes, Network& network) {
    Walk walk;
    std::array<Found, kMaxComponents> found;
    int foundCount = 0;

    for (int node = 1; node <= nodes.count; ++node) {
        for (const char side : nodes.sides[node]) {
            const Cell start = nodes.cell[node];
            walkFrom(grid, nodes, start, side - '0', walk);
            // Each branch is recorded from its lower-numbered end only; a walk back to its own
            // node or onto a cell that is not a node gives no branch.
            if (walk.endNode <= node) continue;
            if (network.branchCount == kMaxBranches) return kTooManyBranches;
            const int number = ++network.branchCount;
            Branch& branch = network.branch(number);
            branch.startNode = static_cast<std::uint8_t>(node);
            branch.startSide = static_cast<std::uint8_t>(side - '0');
            branch.endNode = static_cast<std::uint8_t>(walk.endNode);
            branch.endSide = static_cast<std::uint8_t>(walk.endSide);
            branch.startColumn = static_cast<std::uint8_t>(start.column);
            branch.startRow = static_cast<std::uint8_t>(start.row);
            branch.path.assign(walk.digits.data(), static_cast<std::size_t>(walk.steps));

            // The cells between the two nodes belong to the branch.
            Cell cell = start;
            for (int i = 0; i + 1 < walk.steps; ++i) {
                const int direction = walk.digits[static_cast<std::size_t>(i)] - '0';
                cell = neighbour(cell, direction);
                network.branchMap.markBranch(cell.column, cell.row, number);
                const char code = grid.at(cell.column, cell.row);
                if (code != 'x' && code != 'y' && code != 'z') continue;
                if (foundCount == kMaxComponents) return kTooManyComponents;
                // Oriented as the walk passes it: vertical symbols have codes 7..9.
                const bool vertical = direction == kUp || direction == kDown;
                found[static_cast<std::size_t>(foundCount++)] = {
                    cell, static_cast<std::uint8_t>(kindOf(code) + (vertical ? 6 : 0)),
                    static_cast<std::uint8_t>(number)};
            }
        }
    }

    // Numbered by kind (resistors, inductors, capacitors), each kind in the order found.
    for (int kind = 1; kind <= 3; ++kind) {
        int withinKind = 0;
        for (int i = 0; i < foundCount; ++i) {
            const Found& f = found[static_cast<std::size_t>(i)];
            if ((f.code > 6 ? f.code - 6 : f.code) != kind) continue;
            const int number = ++network.componentCount;
            Component& component = network.component(number);
            component.row = static_cast<std::uint8_t>(f.cell.row);
            component.column = static_cast<std::uint8_t>(f.cell.column);
            component.code = f.code;
            component.branch = f.branch;
            component.name = std::string(1, kKindLetters[static_cast<std::size_t>(kind - 1)]) +
                             " " + std::to_string(++withinKind);
            markComponent(network.branchMap, component, number);
        }
    }
    return kOk;
}

}  // namespace volmira::topology
