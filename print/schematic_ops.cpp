#include "print/schematic_ops.h"

#include <array>

#include "print/symbol_vectors.h"

namespace volmira {

namespace {

constexpr int kNameFontHeight = 25;
constexpr int kNameCells = 2;  // a name covers two cells side by side

struct Offset {
    int column;
    int row;
};
// Beside a horizontal component: above, then below, then shifted; beside a vertical one: right,
// then left, then shifted up and down.
constexpr std::array<Offset, 6> kHorizontalCandidates{
    {{-1, -1}, {-1, 1}, {0, -1}, {0, 1}, {-2, -1}, {1, 1}}};
constexpr std::array<Offset, 6> kVerticalCandidates{
    {{1, 0}, {-2, 0}, {1, -1}, {-2, -1}, {1, 1}, {-2, 1}}};

using Occupancy = std::array<std::array<bool, kGridColumns + 1>, kGridRows + 1>;

bool freeAt(const Occupancy& used, int column, int row) {
    for (int k = 0; k < kNameCells; ++k)
        if (!SchematicGrid::inside(column + k, row) || used[row][column + k]) return false;
    return true;
}

}  // namespace

std::vector<NamePlace> placeComponentNames(const SymbolList& symbols,
                                           const std::vector<Component>& components) {
    SchematicGrid grid;
    restamp(symbols, grid);
    Occupancy used{};
    for (int row = 1; row <= kGridRows; ++row)
        for (int column = 1; column <= kGridColumns; ++column)
            used[row][column] = grid.at(column, row) != '0';
    std::vector<NamePlace> places;
    for (const Component& c : components) {
        const auto& candidates = c.code > 6 ? kVerticalCandidates : kHorizontalCandidates;
        NamePlace place;
        for (const Offset& o : candidates) {
            if (!freeAt(used, c.column + o.column, c.row + o.row)) continue;
            place = {c.column + o.column, c.row + o.row};
            for (int k = 0; k < kNameCells; ++k) used[place.row][place.column + k] = true;
            break;
        }
        places.push_back(place);
    }
    return places;
}

void appendSchematicOps(std::vector<PageOp>& ops, const PageRect& rect, int placeholderWidth,
                        const PassInputs& inputs) {
    const DrawingBounds& b = inputs.symbols.bounds();
    if (inputs.symbols.empty()) return;
    const double u = placeholderWidth * 1.5 / (b.maxColumn - b.minColumn + 3);
    const auto cellX = [&](double column) {
        return rect.x + roundEven((column - b.minColumn + 1) * u * 9);
    };
    const auto cellY = [&](double row) {
        return -(rect.top + roundEven((row - b.minRow + 1) * u * 9));
    };
    const auto at = [&](int origin, double units, int sign) {
        return origin + sign * roundEven(units * u);
    };

    for (const PlacedSymbol& p : inputs.symbols) {
        const int code = p.code;
        const int x0 = cellX(p.column + (code == 5 ? 1 : 0));
        const int y0 = cellY(p.row + (code == 6 ? 1 : 0));
        if (code >= 44 && code <= 51 && code != 49)
            ops.push_back(shapeOp(PageOpKind::Ellipse, at(x0, 2.5, 1), at(y0, 2.5, -1),
                                  at(x0, 5.5, 1), at(y0, 5.5, -1), PageFill::Black));
        if (code == 5 || code == 6)
            // The circle fills the gap between the two leads (7 to 28 units along the source).
            ops.push_back(shapeOp(PageOpKind::Ellipse, at(x0, code == 5 ? -6.5 : 7, 1),
                                  at(y0, code == 5 ? 7 : -6.5, -1),
                                  at(x0, code == 5 ? 14.5 : 28, 1),
                                  at(y0, code == 5 ? 28 : 14.5, -1), PageFill::White));
        if (code == 32 || code == 35) {
            // Long wires: eight cells, straight through the middle.
            const bool horizontal = code == 32;
            ops.push_back(shapeOp(PageOpKind::Line, at(x0, horizontal ? 0 : 4, 1),
                                  at(y0, horizontal ? 4 : 0, -1), at(x0, horizontal ? 72 : 4, 1),
                                  at(y0, horizontal ? 4 : 72, -1)));
            continue;
        }
        for (const VectorStroke& s : decodeVector(symbolVector(code, inputs.directCurrent))) {
            // The op-amp's three leads start from the rows two, four and three below.
            const bool lead = code >= 25 && code <= 28 && s.group >= 6;
            const int leadRows[] = {2, 4, 3};
            const int y = lead ? cellY(p.row + leadRows[s.group - 6]) : y0;
            const bool body = s.op != VectorOp::Line;
            const bool white = s.op == VectorOp::WhiteBody;
            ops.push_back(
                shapeOp(body ? PageOpKind::Rect : PageOpKind::Line, at(x0, s.x1, 1),
                        at(y, s.y1, -1), at(x0, s.x2, 1), at(y, s.y2, -1),
                        body ? (white ? PageFill::White : PageFill::Black) : PageFill::None,
                        white ? 2 : 0));
        }
    }

    const std::vector<NamePlace> places = placeComponentNames(inputs.symbols, inputs.components);
    for (std::size_t k = 0; k < places.size(); ++k) {
        if (places[k].column == 0) continue;
        ops.push_back(textOp(cellX(places[k].column) + roundEven(u),
                             cellY(places[k].row) - roundEven(u),
                             listName(inputs.components[k].name), kNameFontHeight));
    }
}

}  // namespace volmira
