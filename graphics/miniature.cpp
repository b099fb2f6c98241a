#include "graphics/miniature.h"

#include <string_view>

namespace volmira {

namespace {

constexpr int kCell = kMiniatureCell;

// The cell after one step of a branch walk: 0 up, 1 right, 2 left, 3 down.
void step(char digit, int& column, int& row) {
    switch (digit) {
        case '0':
            --row;
            break;
        case '1':
            ++column;
            break;
        case '2':
            --column;
            break;
        case '3':
            ++row;
            break;
        default:
            break;
    }
}

void add(std::vector<MiniatureItem>& out, MiniatureShape shape, int x1, int y1, int x2, int y2) {
    out.push_back({shape, {{x1, y1}, {x2, y2}}});
}

void addBranchLine(std::vector<MiniatureItem>& out, const Branch& branch) {
    // The pen goes from the start node through every cell up to the one before the end node.
    MiniatureItem line{MiniatureShape::Polyline, {}};
    int column = branch.startColumn, row = branch.startRow;
    for (char digit : branch.path) {
        line.points.push_back({kCell * column, kCell * row});
        step(digit, column, row);
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
        step(digit, column, row);
    }
    return boxes;
}

}  // namespace volmira
