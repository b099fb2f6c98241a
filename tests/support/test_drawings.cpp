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

SchematicGrid invertingAmplifier() {
    Sketch s;
    groundedSourceTurningRight(s, 2, 5);
    s.horizontalWire(5, 3, 8)
        .put(code::resistor, 4, 5)
        .put(code::junctionNoDown, 9, 5)
        .put(code::opAmpRightPlusLower, 10, 4)
        // Feedback over the op-amp.
        .verticalWire(9, 4, 4)
        .put(code::cornerDownRight, 9, 3)
        .horizontalWire(3, 10, 15)
        .put(code::resistor, 11, 3)
        .put(code::cornerDownLeft, 16, 3)
        .verticalWire(16, 4, 5)
        // Output and load.
        .horizontalWire(6, 15, 15)
        .put(code::junctionNoRight, 16, 6)
        .put(code::verticalResistor, 16, 7)
        .put(code::ground, 16, 10)
        // Plus input to ground.
        .put(code::cornerDownRight, 9, 7)
        .put(code::ground, 9, 8);
    return s.grid();
}

}  // namespace volmira::test
