// Node scan: the source cell, the junctions in row-major order, the small-network terminals and
// the merged ground node; and the op-amp symbols.
#include <utility>

#include "analysis/topology_parts.h"

namespace volmira::topology {

namespace {

// The direction set of a junction code, empty for any other cell.
std::string_view junctionSides(char code) {
    constexpr std::pair<char, std::string_view> kJunctions[] = {
        {'B', "0123"}, {'C', "123"}, {'D', "023"}, {'E', "013"}, {'F', "012"},
        {'G', "03"},   {'H', "12"},  {'J', "1"},   {'K', "2"}};
    for (const auto& [junction, sides] : kJunctions)
        if (junction == code) return sides;
    return {};
}

// The turn table: per direction of travel (columns up, right, left, down), the cell code of
// each row and the direction the walk takes on from it. Component letters pass straight.
constexpr char kTurnCode[4][4] = {
    {'7', '6', '5', '7'},
    {'3', '7', '7', '5'},
    {'4', '1', '1', '6'},
    {'2', '4', '3', '2'},
};
constexpr int kTurnTo[4][4] = {
    {kUp, kUp, kUp, kDown},
    {kRight, kRight, kLeft, kRight},
    {kLeft, kRight, kLeft, kLeft},
    {kUp, kDown, kDown, kDown},
};

void addNode(NodeTable& nodes, Cell cell, std::string_view sides) {
    const int node = ++nodes.count;
    nodes.cell[node] = cell;
    nodes.sides[node] = sides;
    nodes.at[cell.row - 1][cell.column - 1] = static_cast<std::uint8_t>(node);
}

}  // namespace

int turn(char code, int direction) {
    if (code == 'x' || code == 'y' || code == 'z') return direction;
    for (int row = 0; row < 4; ++row)
        if (kTurnCode[row][direction] == code) return kTurnTo[row][direction];
    return -1;
}

Error scanNodes(const SchematicGrid& grid, NodeTable& nodes) {
    constexpr std::uint8_t kGroundCell = 0xFF;  // renumbered once the ground node is known
    nodes = NodeTable{};
    nodes.count = 1;  // node 1 is the source, wherever it lies
    int sources = 0;
    for (int row = 1; row <= kGridRows; ++row) {
        const std::string_view text = grid.rowText(row);
        for (int column = 1; column <= kGridColumns; ++column) {
            const char code = text[static_cast<std::size_t>(column - 1)];
            if (code < 'A') continue;  // wires, corners and empty cells
            if (code == 'A') {
                ++sources;
                nodes.cell[kSourceNode] = {column, row};
                nodes.sides[kSourceNode] = grid.at(column + 1, row) == '1' ? "12" : "03";
            } else if (const std::string_view sides = junctionSides(code); !sides.empty()) {
                if (nodes.count + 1 > kMaxNumberedNodes) return kTooManyNodes;
                addNode(nodes, {column, row}, sides);
            } else if (code == 'I') {
                nodes.hasGround = true;
                nodes.at[row - 1][column - 1] = kGroundCell;
            }
        }
    }
    if (sources == 0) return kNoSource;
    if (sources > 1) return kSeveralSources;

    const Cell source = nodes.cell[kSourceNode];
    nodes.at[source.row - 1][source.column - 1] = kSourceNode;
    // A drawing with fewer than two junctions gets the cells beside the source as nodes, so the
    // source always has two distinct ends: first the cell after it, then the one before it.
    const std::string_view sides = nodes.sides[kSourceNode];
    const int forward = sides == "12" ? kRight : kDown;
    const Cell terminals[] = {neighbour(source, forward), neighbour(source, opposite(forward))};
    for (const Cell terminal : terminals) {
        if (nodes.count >= 3) break;
        if (!SchematicGrid::inside(terminal.column, terminal.row) || nodes.nodeAt(terminal) != 0)
            continue;
        addNode(nodes, terminal, sides);
    }

    if (nodes.hasGround) {
        const auto ground = static_cast<std::uint8_t>(nodes.ground());
        for (auto& row : nodes.at)
            for (std::uint8_t& cell : row)
                if (cell == kGroundCell) cell = ground;
    }
    return kOk;
}

Error findOpAmps(const SchematicGrid& grid, OpAmpSites& sites) {
    sites = OpAmpSites{};
    for (int row = 1; row <= kGridRows; ++row) {
        const std::string_view text = grid.rowText(row);
        for (std::size_t at = text.find('#'); at != std::string_view::npos;
             at = text.find('#', at + 1)) {
            const int column = static_cast<int>(at) + 1;
            if (sites.count == kMaxOpAmps) return kTooManyOpAmps;
            // As the symbol is stamped: pointing right when the cell three columns to the left
            // of the body is empty, output "J" right of the body; pointing left otherwise, output
            // "K" three columns to the left. Both have the inputs' joining wire left of the body.
            OpAmpSite& site = sites.site[sites.count++];
            site.body = {column, row};
            site.inputWire = {column - 1, row};
            const bool right = grid.at(column - 3, row) == kEmptyCell;
            if (right) {
                site.code = grid.at(column, row + 1) == '<' ? 25 : 26;
                site.output = {column + 1, row};
            } else {
                site.code = grid.at(column - 2, row + 1) == '>' ? 27 : 28;
                site.output = {column - 3, row};
            }
            const char output = grid.at(site.output.column, site.output.row);
            if (output != (right ? 'J' : 'K') ||
                grid.at(site.inputWire.column, site.inputWire.row) != '2')
                return kFaultyOrTooComplex;  // a damaged symbol: its pins cannot be told
        }
    }
    return kOk;
}

}  // namespace volmira::topology
