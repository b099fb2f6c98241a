#include "support/test_drawings.h"

#include <algorithm>
#include <stdexcept>

#include "schematic/network_file.h"
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

namespace {

template <typename Rows>
void writeRows(SchematicGrid& grid, int column, int row, const Rows& rows) {
    for (std::string_view text : rows) {
        for (std::size_t i = 0; i < text.size(); ++i)
            grid.set(column + static_cast<int>(i), row, text[i] == ' ' ? kEmptyCell : text[i]);
        ++row;
    }
}

// Text rows with their first character at (column, row).
struct At {
    int column, row;
    SchematicGrid rows(std::initializer_list<std::string_view> text) const {
        SchematicGrid grid;
        writeRows(grid, column, row, text);
        return grid;
    }
};

}  // namespace

void drawRows(SchematicGrid& grid, int column, int row, const std::vector<std::string>& rows) {
    writeRows(grid, column, row, rows);
}

std::string area(const SchematicGrid& grid, int column, int row, int width, int height) {
    std::string out;
    for (int r = row; r < row + height; ++r) {
        for (int c = column; c < column + width; ++c) out += grid.at(c, r);
        out += '\n';
    }
    return out;
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

namespace art {

SchematicGrid gridFromArt(std::initializer_list<std::string_view> rows, int column, int row) {
    return At{column, row}.rows(rows);
}

SchematicGrid rcLowPass() {
    return gridFromArt({
        "3111x1111C1111",
        "2        2",
        "A        z",
        "2        2",
        "2        2",
        "5111C1111F1111",
        "    2",
        "    I",
    });
}

SchematicGrid bridge() {
    return At{5, 10}.rows({
        "31111111C111111114",
        "2       2        2",
        "A       x        y",
        "2       2        2",
        "2       E111x1111D",
        "2       2        2",
        "2       z        z",
        "2       2        2",
        "51111111F111111116",
    });
}

SchematicGrid invertingAmplifier() {
    return At{20, 40}.rows({
        "         3111x1114",
        "         2       2",
        "         2       2",
        " 3111x111F11400  2",
        " 2        002#J11F111",
        " A      31116=0",
        " 2      2 00000",
        " 2      I",
        " I",
    });
}

}  // namespace art

SchematicGrid seriesRlcLoop() {
    return At{2, 2}.rows({
        "31x11y14",
        "2      2",
        "A      z",
        "2      2",
        "2      2",
        "51111116",
    });
}

SchematicGrid rcLowPass() {
    return At{2, 2}.rows({
        "31x114",
        "2    2",
        "A    G",
        "2    2",
        "2    2",
        "2    2",
        "I    z",
        "     2",
        "     2",
        "     I",
    });
}

SchematicGrid rcLowPassSingleGround() {
    return At{2, 2}.rows({
        "31x114",
        "2    2",
        "A    G",
        "2    2",
        "2    2",
        "2    2",
        "2    z",
        "51C116",
        "  2",
        "  I",
    });
}

namespace {

// The vertical source with its upper terminal turning right on `row`: corner at (column, row),
// the "A" three rows further down, a ground mark below the lower terminal.
void groundedSourceTurningRight(Sketch& s, int column, int row) {
    s.put(code::cornerDownRight, column, row)
        .put(code::verticalSource, column - 1, row + 1)
        .put(code::ground, column, row + 5);
}

}  // namespace

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

// The inverting amplifier with its feedback wire on `top`.
SchematicGrid invertingAmplifierFrom(int top) {
    return At{2, top}.rows({
        "       311x1114",
        "       2      2",
        "311x111F114   2",
        "2         2#J1D",
        "A      3116=  2",
        "2      2      x",
        "2      I      2",
        "2             2",
        "I             I",
    });
}

}  // namespace

SchematicGrid invertingAmplifier() {
    return invertingAmplifierFrom(3);
}

SchematicGrid wheatstoneBridge() {
    return At{2, 2}.rows({
        "311111C1114",
        "2     2   2",
        "A     x   x",
        "2     2   2",
        "2     E1x1D",
        "2     2   2",
        "2     x   x",
        "2     2   2",
        "511111F1116",
    });
}

SchematicGrid nonInvertingAmplifier() {
    return At{2, 5}.rows({
        "3111111111114",
        "2           2#J1C14",
        "A    31x1C116<  2 2",
        "2    2   2      2 x",
        "2    I   511x1116 2",
        "2                 2",
        "I                 I",
    });
}

SchematicGrid activeLowPass() {
    SchematicGrid grid = invertingAmplifierFrom(5);
    drawRows(grid, 9, 3, {"311z1114", "2      2", "E11x111D"});
    return grid;
}

SchematicGrid twoInvertingStages() {
    return At{2, 3}.rows({
        "       311x1114",
        "       2      2      311x1114",
        "311x111F114   2      2      2",
        "2         2#J1F11x111F114   2",
        "A      3116=            2#J1D",
        "2      2             3116=  2",
        "2      I             2      x",
        "2                    I      2",
        "I                           2",
        "                            I",
    });
}

SchematicGrid leftPointingInvertingAmplifier() {
    return At{4, 3}.rows({
        "3111x114",
        "2      2",
        "2   311F111x114",
        "E1K 2#        2",
        "2  ?5114      A",
        "x      2      2",
        "2      I      2",
        "2             2",
        "I             I",
    });
}

SchematicGrid leftPointingNonInvertingAmplifier() {
    return At{4, 5}.rows({
        "      3111111111114",
        "31C1K 2#          2",
        "2 2  >511C1x14    A",
        "x 2      2   2    2",
        "2 5111x116   I    2",
        "2                 2",
        "I                 I",
    });
}

SchematicGrid leftPointingTwoInvertingStages() {
    return At{10, 3}.rows({
        "              3111x114",
        "3111x114      2      2",
        "2      2      2   311F111x114",
        "2   311F111x11F1K 2#        2",
        "E1K 2#           ?5114      A",
        "2  ?5114             2      2",
        "x      2             I      2",
        "2      I                    2",
        "2                           I",
        "I",
    });
}

SchematicGrid invertingAmplifierWithSourceResistor() {
    SchematicGrid grid = invertingAmplifier();
    drawRows(grid, 2, 11, {"x", "2", "2", "I"});
    return grid;
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

SchematicGrid shortedSource() {
    return At{2, 2}.rows({
        "31C14",
        "2 2 2",
        "A 2 x",
        "2 2 2",
        "2 2 2",
        "51F16",
    });
}

SchematicGrid seriesLoopGrid() {
    return At{11, 9}.rows({
        "31111x114",
        "2       2",
        "A       2",
        "2       z",
        "2       2",
        "2       2",
        "511111116",
    });
}

LineList seriesLoopLines(const std::string& resistor, const std::string& capacitor) {
    SchematicGrid grid = seriesLoopGrid();
    SymbolList symbols;
    rebuildSymbolList(grid, symbols);
    const StoredComponent records[] = {{9, 16, 1, resistor}, {12, 19, 9, capacitor}};
    return buildNetworkLines(symbols, records, {"2 V", "5 kHz", "10 Hz", "100 kHz"});
}

}  // namespace volmira::test
