#include "support/test_drawings.h"

#include <algorithm>
#include <stdexcept>

#include "schematic/symbol_list.h"

namespace volmira::test {

Sketch& Sketch::put(int symbolCode, int column, int row) {
    stamp(grid_, symbolCode, column, row);
    return *this;
}

Sketch& Sketch::horizontalWire(int row, int fromColumn, int toColumn) {
    for (int c = std::min(fromColumn, toColumn); c <= std::max(fromColumn, toColumn); ++c)
        grid_.set(c, row, '1');
    return *this;
}

Sketch& Sketch::verticalWire(int column, int fromRow, int toRow) {
    for (int r = std::min(fromRow, toRow); r <= std::max(fromRow, toRow); ++r)
        grid_.set(column, r, '2');
    return *this;
}

std::string drawingText(const SchematicGrid& grid) {
    std::string text;
    int lastColumn = 0;
    for (int row = 1; row <= kGridRows; ++row) {
        const std::string_view line = grid.rowText(row);
        const std::size_t end = line.find_last_not_of(kEmptyCell);
        if (end != std::string_view::npos)
            lastColumn = std::max(lastColumn, static_cast<int>(end) + 1);
    }
    for (int row = 1; row <= kGridRows; ++row) {
        if (grid.rowBlank(row)) continue;
        text += std::to_string(row) + (row < 10 ? "  " : " ");
        text += grid.rowText(row).substr(0, static_cast<std::size_t>(lastColumn));
        text += '\n';
    }
    return text;
}

namespace {

// The vertical source with its upper terminal turning right on `row`: corner at (column, row),
// the "A" three rows further down, a ground mark below the lower terminal.
void groundedSourceTurningRight(Sketch& s, int column, int row) {
    s.put(code::cornerDownRight, column, row)
        .put(code::verticalSource, column - 1, row + 1)
        .put(code::ground, column, row + 5);
}

// The low-pass top rail and output column: "R 1" on row 2 to the corner at column 7, the node
// mark G on row 4 and the capacitor on rows 7..9.
void lowPassRailAndCapacitor(Sketch& s) {
    s.put(code::resistor, 3, 2)
        .horizontalWire(2, 6, 6)
        .put(code::cornerDownLeft, 7, 2)
        .put(code::nodeOnVerticalWire, 7, 3)
        .verticalWire(7, 6, 6)
        .put(code::verticalCapacitor, 7, 7);
}

}  // namespace

SchematicGrid seriesRlcLoop() {
    Sketch s;
    s.put(code::cornerDownRight, 2, 2)
        .put(code::verticalSource, 1, 3)
        .put(code::cornerUpRight, 2, 7)
        .put(code::resistor, 3, 2)
        .put(code::inductor, 6, 2)
        .put(code::cornerDownLeft, 9, 2)
        .put(code::verticalCapacitor, 9, 3)
        .verticalWire(9, 6, 6)
        .put(code::cornerUpLeft, 9, 7)
        .horizontalWire(7, 3, 8);
    return s.grid();
}

SchematicGrid rcLowPass() {
    Sketch s;
    groundedSourceTurningRight(s, 2, 2);
    lowPassRailAndCapacitor(s);
    s.put(code::ground, 7, 10);
    return s.grid();
}

SchematicGrid rcLowPassSingleGround() {
    Sketch s;
    s.put(code::cornerDownRight, 2, 2)
        .put(code::verticalSource, 1, 3)
        .verticalWire(2, 7, 8)
        .put(code::cornerUpRight, 2, 9);
    lowPassRailAndCapacitor(s);
    s.put(code::cornerUpLeft, 7, 9)
        .horizontalWire(9, 3, 6)
        .put(code::junctionNoUp, 4, 9)
        .put(code::ground, 4, 10);
    return s.grid();
}

SchematicGrid rcLadder(int sections) {
    constexpr int kPerBand = 22;
    constexpr int kBandRows = 12;
    const int bands = (sections + kPerBand - 1) / kPerBand;
    if (sections < 1 || 2 + (bands - 1) * kBandRows + 10 > kGridRows)
        throw std::invalid_argument("rcLadder: sections out of range");

    Sketch s;
    groundedSourceTurningRight(s, 2, 2);
    for (int k = 0; k < sections; ++k) {
        const int band = k / kPerBand;
        const int i = k % kPerBand;
        const int row = 2 + band * kBandRows;
        const bool rightward = band % 2 == 0;
        // The node column of the section; its resistor lies on the side the rail comes from.
        const int node = rightward ? 6 + 4 * i : 94 - 4 * i;
        s.put(code::resistor, rightward ? node - 3 : node + 1, row);
        const bool last = k == sections - 1;
        if (!last) {
            s.put(code::junctionNoUp, node, row)
                .put(code::verticalCapacitor, node, row + 1)
                .put(code::ground, node, row + 4);
        } else {
            s.put(rightward ? code::cornerDownLeft : code::cornerDownRight, node, row)
                .put(code::nodeOnVerticalWire, node, row + 1)
                .put(code::verticalCapacitor, node, row + 4)
                .put(code::ground, node, row + 7);
        }
        if (!last && i == kPerBand - 1) {
            // Carry the rail down to the next band along the edge it has reached.
            const int edge = rightward ? 98 : 2;
            const int next = row + kBandRows;
            s.horizontalWire(row, rightward ? node + 1 : node - 1, rightward ? edge - 1 : edge + 1)
                .put(rightward ? code::cornerDownLeft : code::cornerDownRight, edge, row)
                .verticalWire(edge, row + 1, next - 1)
                .put(rightward ? code::cornerUpLeft : code::cornerUpRight, edge, next);
        }
    }
    return s.grid();
}

namespace {

// One inverting stage whose input wire starts at (column, row): the input resistor, junction X
// at column + 6, op-amp 26 with its upper (minus) input on the row, feedback resistor over it on
// row - 2, output junction `output` at (column + 13, row + 1); the plus input is grounded.
void invertingStage(Sketch& s, int column, int row, int output) {
    s.horizontalWire(row, column, column + 5)
        .put(code::resistor, column + 1, row)
        .put(code::junctionNoDown, column + 6, row)
        .put(code::opAmpRightPlusLower, column + 7, row - 1)
        .verticalWire(column + 6, row - 1, row - 1)
        .put(code::cornerDownRight, column + 6, row - 2)
        .horizontalWire(row - 2, column + 7, column + 12)
        .put(code::resistor, column + 8, row - 2)
        .put(code::cornerDownLeft, column + 13, row - 2)
        .verticalWire(column + 13, row - 1, row)
        .horizontalWire(row + 1, column + 12, column + 12)
        .put(output, column + 13, row + 1)
        .put(code::cornerDownRight, column + 6, row + 2)
        .put(code::ground, column + 6, row + 3);
}

// A load resistor from an output junction down to ground.
void loadToGround(Sketch& s, int column, int row) {
    s.put(code::verticalResistor, column, row + 1).put(code::ground, column, row + 4);
}

char mirroredCell(char c) {
    switch (c) {
        case '3':
            return '4';
        case '4':
            return '3';
        case '5':
            return '6';
        case '6':
            return '5';
        case 'D':
            return 'E';
        case 'E':
            return 'D';
        default:
            return c;
    }
}

}  // namespace

SchematicGrid invertingAmplifier() {
    Sketch s;
    groundedSourceTurningRight(s, 2, 5);
    invertingStage(s, 3, 5, code::junctionNoRight);
    loadToGround(s, 16, 6);
    return s.grid();
}

SchematicGrid wheatstoneBridge() {
    Sketch s;
    s.put(code::cornerDownRight, 2, 2)
        .put(code::verticalSource, 1, 3)
        .verticalWire(2, 7, 9)
        .put(code::cornerUpRight, 2, 10)
        .horizontalWire(2, 3, 11)
        .horizontalWire(10, 3, 11)
        .put(code::junctionNoUp, 8, 2)
        .put(code::cornerDownLeft, 12, 2)
        .put(code::verticalResistor, 8, 3)
        .put(code::verticalResistor, 12, 3)
        .put(code::junctionNoLeft, 8, 6)
        .put(code::resistor, 9, 6)
        .put(code::junctionNoRight, 12, 6)
        .put(code::verticalResistor, 8, 7)
        .put(code::verticalResistor, 12, 7)
        .put(code::junctionNoDown, 8, 10)
        .put(code::cornerUpLeft, 12, 10);
    return s.grid();
}

SchematicGrid nonInvertingAmplifier() {
    Sketch s;
    groundedSourceTurningRight(s, 2, 5);
    s.horizontalWire(5, 3, 11)
        .put(code::opAmpRightPlusUpper, 12, 4)
        // Output junction Y and the load.
        .horizontalWire(6, 17, 19)
        .put(code::junctionNoUp, 18, 6)
        .put(code::cornerDownLeft, 20, 6);
    loadToGround(s, 20, 6);
    // Minus input: junction X, Rg to ground on the left, Rf from Y below the op-amp.
    s.put(code::junctionNoUp, 11, 7)
        .put(code::resistor, 8, 7)
        .put(code::cornerDownRight, 7, 7)
        .put(code::ground, 7, 8)
        .verticalWire(11, 8, 8)
        .put(code::cornerUpRight, 11, 9)
        .horizontalWire(9, 12, 17)
        .put(code::resistor, 13, 9)
        .put(code::cornerUpLeft, 18, 9)
        .verticalWire(18, 7, 8);
    return s.grid();
}

SchematicGrid activeLowPass() {
    Sketch s;
    groundedSourceTurningRight(s, 2, 7);
    invertingStage(s, 3, 7, code::junctionNoRight);
    loadToGround(s, 16, 8);
    // The feedback's corners become junctions P and Q; the capacitor bridges them from above.
    s.put(code::junctionNoLeft, 9, 5)
        .put(code::junctionNoRight, 16, 5)
        .verticalWire(9, 4, 4)
        .put(code::cornerDownRight, 9, 3)
        .horizontalWire(3, 10, 15)
        .put(code::capacitor, 11, 3)
        .put(code::cornerDownLeft, 16, 3)
        .verticalWire(16, 4, 4);
    return s.grid();
}

SchematicGrid twoInvertingStages() {
    Sketch s;
    groundedSourceTurningRight(s, 2, 5);
    invertingStage(s, 3, 5, code::junctionNoDown);
    invertingStage(s, 17, 6, code::junctionNoRight);
    loadToGround(s, 30, 7);
    return s.grid();
}

SchematicGrid mirrored(const SchematicGrid& grid, int axis) {
    Sketch s;
    for (int row = 1; row <= kGridRows; ++row)
        for (int column = 1; column < axis; ++column)
            s.grid().set(axis - column, row, mirroredCell(grid.at(column, row)));
    // An op-amp symbol is no cell-by-cell mirror of its counterpart: stamp the counterpart over
    // the mirrored cells. Both have their body three columns right of their left edge.
    for (int row = 1; row <= kGridRows; ++row) {
        for (int column = 1; column < axis; ++column) {
            if (grid.at(column, row) != '#') continue;
            const bool right = grid.at(column - 3, row) == kEmptyCell;
            const char mark = grid.at(right ? column : column - 2, row + 1);
            const bool upperPlus = mark == '<' || mark == '>';
            const int code =
                right ? (upperPlus ? code::opAmpLeftPlusUpper : code::opAmpLeftPlusLower)
                      : (upperPlus ? code::opAmpRightPlusUpper : code::opAmpRightPlusLower);
            s.put(code, axis - column - 1, row - 2);
        }
    }
    return s.grid();
}

SchematicGrid leftPointingInvertingAmplifier() {
    return mirrored(invertingAmplifier(), 20);
}

SchematicGrid leftPointingNonInvertingAmplifier() {
    return mirrored(nonInvertingAmplifier(), 24);
}

SchematicGrid invertingAmplifierWithSourceResistor() {
    Sketch s;
    s.put(code::cornerDownRight, 2, 5)
        .put(code::verticalSource, 1, 6)
        .put(code::verticalResistor, 2, 10)
        .put(code::ground, 2, 13);
    invertingStage(s, 3, 5, code::junctionNoRight);
    loadToGround(s, 16, 6);
    return s.grid();
}

SchematicGrid resistorChain(int resistors) {
    if (resistors < 1 || resistors > 94)
        throw std::invalid_argument("resistorChain: 1..94 resistors");
    Sketch s;
    s.put(code::cornerDownRight, 2, 2)
        .put(code::verticalSource, 1, 3)
        .verticalWire(2, 7, 8)
        .put(code::cornerUpRight, 2, 9)
        // Right on row 2, left on row 4, right on row 6, back left on row 9.
        .horizontalWire(2, 3, 98)
        .put(code::cornerDownLeft, 99, 2)
        .verticalWire(99, 3, 3)
        .put(code::cornerUpLeft, 99, 4)
        .horizontalWire(4, 4, 98)
        .put(code::cornerDownRight, 3, 4)
        .verticalWire(3, 5, 5)
        .put(code::cornerUpRight, 3, 6)
        .horizontalWire(6, 4, 98)
        .put(code::cornerDownLeft, 99, 6)
        .verticalWire(99, 7, 8)
        .put(code::cornerUpLeft, 99, 9)
        .horizontalWire(9, 3, 98);
    struct Slots {
        int row, first, count;
    };
    constexpr Slots kSlots[] = {{2, 3, 32}, {4, 5, 31}, {6, 4, 31}};
    int placed = 0;
    for (const Slots& slots : kSlots)
        for (int i = 0; i < slots.count && placed < resistors; ++i, ++placed)
            s.put(code::resistor, slots.first + 3 * i, slots.row);
    return s.grid();
}

SchematicGrid parallelPairs(int pairs) {
    const int edge = 3 * pairs + 5;
    if (pairs < 1 || edge > kGridColumns) throw std::invalid_argument("parallelPairs: too many");
    Sketch s;
    s.put(code::cornerDownRight, 2, 2)
        .put(code::verticalSource, 1, 3)
        .verticalWire(2, 7, 7)
        .put(code::cornerUpRight, 2, 8)
        .horizontalWire(2, 3, edge - 1)
        .horizontalWire(8, 3, edge - 1)
        .put(code::cornerDownLeft, edge, 2)
        .verticalWire(edge, 3, 7)
        .put(code::verticalResistor, edge, 4)
        .put(code::cornerUpLeft, edge, 8);
    for (int i = 0; i < pairs; ++i) {
        const int c = 4 + 3 * i;
        s.put(code::junctionNoUp, c, 2)
            .put(code::junctionNoUp, c + 2, 2)
            .verticalWire(c, 3, 3)
            .put(code::cornerUpRight, c, 4)
            .horizontalWire(4, c + 1, c + 1)
            .put(code::cornerUpLeft, c + 2, 4)
            .verticalWire(c + 2, 3, 3);
    }
    return s.grid();
}

SchematicGrid groundedComb(int teeth) {
    const int edge = 4 + 2 * teeth;
    if (teeth < 1 || edge > kGridColumns) throw std::invalid_argument("groundedComb: too many");
    Sketch s;
    s.put(code::cornerDownRight, 2, 2)
        .put(code::verticalSource, 1, 3)
        .verticalWire(2, 7, 7)
        .put(code::cornerUpRight, 2, 8)
        .horizontalWire(2, 3, edge - 1)
        .horizontalWire(8, 3, edge - 1)
        .put(code::cornerDownLeft, edge, 2)
        .verticalWire(edge, 3, 7)
        .put(code::verticalResistor, edge, 4)
        .put(code::cornerUpLeft, edge, 8);
    for (int i = 0; i < teeth; ++i)
        s.put(code::junctionNoUp, 4 + 2 * i, 2).put(code::ground, 4 + 2 * i, 3);
    return s.grid();
}

SchematicGrid junctionGrid(int columns, int rows) {
    constexpr int kLeft = 6, kTop = 2;
    const int bottom = kTop + 2 * (rows - 1);
    if (columns < 2 || rows < 4 || kLeft + 2 * (columns - 1) > kGridColumns || bottom > kGridRows)
        throw std::invalid_argument("junctionGrid: size out of range");
    Sketch s;
    s.put(code::cornerDownRight, 2, kTop)
        .put(code::verticalSource, 1, kTop + 1)
        .verticalWire(2, kTop + 5, bottom - 1)
        .put(code::cornerUpRight, 2, bottom)
        .horizontalWire(kTop, 3, kLeft - 1)
        .put(code::resistor, 3, kTop)
        .horizontalWire(bottom, 3, kLeft - 1);
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            const int c = kLeft + 2 * i, r = kTop + 2 * j;
            const bool up = j > 0, down = j < rows - 1, right = i < columns - 1;
            const bool left = i > 0 || !up || !down;  // the left corners join the source
            int cell = code::junctionAll;
            if (!up)
                cell = right ? code::junctionNoUp : code::cornerDownLeft;
            else if (!down)
                cell = right ? code::junctionNoDown : code::cornerUpLeft;
            else if (!right)
                cell = code::junctionNoRight;
            else if (!left)
                cell = code::junctionNoLeft;
            s.put(cell, c, r);
            if (right) s.horizontalWire(r, c + 1, c + 1);
            if (down) s.verticalWire(c, r + 1, r + 1);
        }
    }
    return s.grid();
}

std::vector<std::pair<const char*, SchematicGrid>> analysableDrawings() {
    return {
        {"loop", seriesRlcLoop()},
        {"low-pass", rcLowPass()},
        {"single ground", rcLowPassSingleGround()},
        {"bridge", wheatstoneBridge()},
        {"ladder 1", rcLadder(1)},
        {"ladder 2", rcLadder(2)},
        {"ladder 23", rcLadder(23)},
        {"ladder 34", rcLadder(34)},
        {"inverting", invertingAmplifier()},
        {"non-inverting", nonInvertingAmplifier()},
        {"active low-pass", activeLowPass()},
        {"two stages", twoInvertingStages()},
        {"left-pointing", leftPointingInvertingAmplifier()},
        {"source resistor", invertingAmplifierWithSourceResistor()},
        {"parallel pairs", parallelPairs(6)},
        {"chain", resistorChain(80)},
    };
}

}  // namespace volmira::test
