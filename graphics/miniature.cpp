#include "graphics/miniature.h"

#include <algorithm>
#include <string_view>

#include "analysis/hit_test.h"

namespace volmira {

namespace {

constexpr int kCell = kMiniatureCell;

void add(std::vector<MiniatureItem>& out, MiniatureShape shape, int x1, int y1, int x2, int y2) {
    out.push_back({shape, {{x1, y1}, {x2, y2}}});
}

void addBranchLine(std::vector<MiniatureItem>& out, const Branch& branch) {
    // The pen goes from the start node through every cell up to the one before the end node.
    MiniatureItem line{MiniatureShape::Polyline, {}};
    int column = branch.startColumn, row = branch.startRow;
    for (char digit : branch.path) {
        line.points.push_back({kCell * column, kCell * row});
        stepAlongPath(digit, column, row);
    }
    if (line.points.size() > 1) out.push_back(std::move(line));
}

void addSymbol(std::vector<MiniatureItem>& out, char ch, bool toTheRight, bool outputRight, int x,
               int y) {
    using enum MiniatureShape;
    switch (ch) {
        case 'B':
        case 'C':
        case 'D':
        case 'E':
        case 'F':
        case 'G':
        case 'H':
            add(out, Filled, x - 1, y - 1, x + 2, y + 2);
            break;
        case 'x':
        case 'y': {
            const MiniatureShape shape = ch == 'x' ? WhiteBox : Filled;
            if (toTheRight)
                add(out, shape, x - 4, y - 2, x + 4, y + 3);
            else
                add(out, shape, x - 2, y - 4, x + 3, y + 4);
            break;
        }
        case 'z':
            add(out, Clear, x - 2, y - 2, x + 3, y + 3);
            if (toTheRight) {
                add(out, Filled, x - 1, y - 2, x + 1, y + 3);
                add(out, Filled, x + 2, y - 2, x + 4, y + 3);
            } else {
                add(out, Filled, x - 2, y - 2, x + 3, y);
                add(out, Filled, x - 2, y + 1, x + 3, y + 3);
            }
            break;
        case '#':
            add(out, Clear, x - 13, y - 10, x + 6, y + 10);
            if (outputRight)
                out.push_back({Triangle, {{x + 7, y}, {x - 13, y + 10}, {x - 13, y - 10}}});
            else
                out.push_back({Triangle, {{x - 16, y}, {x + 4, y - 10}, {x + 4, y + 10}}});
            break;
        case 'A':
            add(out, Ellipse, x - 5, y - 5, x + 6, y + 6);
            break;
        case 'I':
            add(out, Filled, x - 3, y, x + 4, y + 3);
            break;
        default:
            break;
    }
}

}  // namespace

std::vector<MiniatureItem> buildMiniature(const SchematicGrid& grid, const Network& network) {
    std::vector<MiniatureItem> out;
    for (int k = 1; k <= network.branchCount; ++k) addBranchLine(out, network.branch(k));
    for (int row = 1; row <= kGridRows; ++row) {
        for (int column = 1; column <= kGridColumns; ++column) {
            const char right = grid.at(column + 1, row);
            addSymbol(out, grid.at(column, row), right == '1', right == 'J', kCell * column,
                      kCell * row);
        }
    }
    return out;
}

std::vector<PlotPoint> branchHighlightBoxes(const Network& network, int branch) {
    std::vector<PlotPoint> boxes;
    if (branch < 1 || branch > network.branchCount) return boxes;
    const Branch& b = network.branch(branch);
    int column = b.startColumn, row = b.startRow;
    for (char digit : b.path) {
        boxes.push_back({kCell * column - 2, kCell * row - 2});
        stepAlongPath(digit, column, row);
    }
    return boxes;
}

GridCell miniatureCell(int x, int y) {
    const auto cell = [](int v) {
        const int shifted = v - 3;
        return (shifted >= 0 ? shifted / kMiniatureCell
                             : (shifted - kMiniatureCell + 1) / kMiniatureCell) +
               1;
    };
    return {cell(x), cell(y)};
}

int miniatureBranchAt(const Network& network, int x, int y) {
    return hitAtCell(network, miniatureCell(x, y)).branch;
}

int miniatureComponentAt(const Network& network, int x, int y) {
    const GridCell cell = miniatureCell(x, y);
    for (int k = 1; k <= std::min(network.componentCount, kMaxComponents); ++k) {
        const Component& c = network.component(k);
        const bool horizontal = c.code <= 3;
        const int along = horizontal ? cell.column - c.column : cell.row - c.row;
        const bool onLine = horizontal ? cell.row == c.row : cell.column == c.column;
        if (onLine && along >= -1 && along <= 1) return k;
    }
    return 0;
}

}  // namespace volmira
