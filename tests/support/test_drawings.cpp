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

void drawRows(SchematicGrid& grid, int column, int row, const std::vector<std::string>& rows) {
    for (const std::string& text : rows) {
        for (std::size_t i = 0; i < text.size(); ++i)
            grid.set(column + static_cast<int>(i), row, text[i] == ' ' ? kEmptyCell : text[i]);
        ++row;
    }
}

SchematicGrid art::gridFromArt(std::initializer_list<std::string_view> rows, int column, int row) {
    SchematicGrid grid;
    drawRows(grid, column, row, {rows.begin(), rows.end()});
    return grid;
}

namespace {

// Text rows with their first character at (column, row).
struct At {
    int column, row;
    SchematicGrid rows(std::initializer_list<std::string_view> text) const {
        return art::gridFromArt(text, column, row);
    }
};

// `text` `count` times over.
std::string times(std::string_view text, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += text;
    return out;
}

// The cells from (column, row) downwards.
void drawColumn(SchematicGrid& grid, int column, int row, std::string_view cells) {
    for (char cell : cells) grid.set(column, row++, cell);
}

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

// The source in column 2 and a resistor down column `width` + 3, rows 2..8, below the given
// rows 2..4 and joined by the bottom wire.
SchematicGrid sourceAndResistor(int width, std::vector<std::string> rows) {
    const std::string side = "2" + std::string(width, ' ') + "2";
    rows.insert(rows.end(), {"2" + std::string(width, ' ') + "x", side, side});
    rows.push_back("5" + std::string(width, '1') + "6");
    SchematicGrid grid;
    drawRows(grid, 2, 2, rows);
    return grid;
}

}  // namespace

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
    for (int row = 1; row <= kGridRows; ++row) {
        if (grid.rowBlank(row)) continue;
        const std::string_view line = grid.rowText(row);
        text += std::to_string(row) + (row < 10 ? "  " : " ");
        text += line.substr(0, line.find_last_not_of(kEmptyCell) + 1);
        text += '\n';
    }
    return text;
}

namespace art {

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
    SchematicGrid grid = rcLowPass();
    drawRows(grid, 2, 8, {"2", "51C116", "  2   ", "  I   "});
    return grid;
}

SchematicGrid rcLadder(int sections) {
    constexpr int kPerBand = 22, kBandRows = 12;
    const int bands = (sections + kPerBand - 1) / kPerBand;
    if (sections < 1 || 2 + (bands - 1) * kBandRows + 10 > kGridRows)
        throw std::invalid_argument("rcLadder: sections out of range");

    SchematicGrid grid;
    drawColumn(grid, 2, 2, "32A222I");  // the source, grounded
    for (int k = 0; k < sections; ++k) {
        const int band = k / kPerBand, i = k % kPerBand, row = 2 + band * kBandRows;
        const bool rightward = band % 2 == 0, last = k == sections - 1;
        // The node column of the section; its resistor lies on the side the rail comes from.
        const int node = rightward ? 6 + 4 * i : 94 - 4 * i;
        drawRows(grid, rightward ? node - 3 : node + 1, row, {"1x1"});
        const std::string corner = rightward ? "4" : "3";
        drawColumn(grid, node, row, last ? corner + "2G22z22I" : "C2z22I");
        if (!last && i == kPerBand - 1) {
            // Carry the rail down to the next band along the edge it has reached.
            const int edge = rightward ? 98 : 2;
            drawRows(grid, rightward ? node + 1 : edge + 1, row, {"1111111"});
            drawColumn(grid, edge, row, corner + std::string(11, '2') + (rightward ? "6" : "5"));
        }
    }
    return grid;
}

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
    // Right on row 2, left on row 4, right on row 6, back left on row 9: 32, 31 and 31 slots.
    const int first = std::min(resistors, 32), second = std::clamp(resistors - 32, 0, 31);
    const int third = resistors - first - second;
    const std::string side = "2" + std::string(96, ' ') + "2";
    return At{2, 2}.rows({
        "3" + times("1x1", first) + times("111", 32 - first) + "4",
        side,
        "A31" + times("1x1", second) + times("111", 31 - second) + "16",
        "22",
        "25" + times("1x1", third) + times("111", 31 - third) + "114",
        side,
        side,
        "5" + std::string(96, '1') + "6",
    });
}

SchematicGrid parallelPairs(int pairs) {
    const int width = 3 * pairs + 2;
    if (pairs < 1 || width + 3 > kGridColumns)
        throw std::invalid_argument("parallelPairs: too many");
    return sourceAndResistor(width,
                             {"31" + times("C1C", pairs) + "14", "2 " + times("2 2", pairs) + " 2",
                              "A " + times("516", pairs) + " 2"});
}

SchematicGrid groundedComb(int teeth) {
    const int width = 2 * teeth + 1;
    if (teeth < 1 || width + 3 > kGridColumns)
        throw std::invalid_argument("groundedComb: too many");
    return sourceAndResistor(width,
                             {"31" + times("C1", teeth) + "4", "2 " + times("2 ", teeth) + "2",
                              "A " + times("I ", teeth) + "2"});
}

SchematicGrid junctionGrid(int columns, int rows) {
    const int bottom = 2 + 2 * (rows - 1);
    if (columns < 2 || rows < 4 || 6 + 2 * (columns - 1) > kGridColumns || bottom > kGridRows)
        throw std::invalid_argument("junctionGrid: size out of range");
    // Junctions from (6, 2) on; the source joins the left corners.
    std::vector<std::string> text;
    for (int r = 2; r <= bottom; ++r) {
        const std::string left = r == 4 ? "A   " : "2   ";
        if (r % 2 == 1)
            text.push_back(left + times("2 ", columns));
        else if (r == 2)
            text.push_back("31x1" + times("C1", columns - 1) + "4");
        else if (r == bottom)
            text.push_back("5111" + times("F1", columns - 1) + "6");
        else
            text.push_back(left + "E1" + times("B1", columns - 2) + "D");
    }
    SchematicGrid grid;
    drawRows(grid, 2, 2, text);
    return grid;
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

LineList seriesLoopLines(const std::string& resistor, const std::string& capacitor) {
    SchematicGrid grid = At{11, 9}.rows({
        "31111x114",
        "2       2",
        "A       2",
        "2       z",
        "2       2",
        "2       2",
        "511111116",
    });
    SymbolList symbols;
    rebuildSymbolList(grid, symbols);
    const StoredComponent records[] = {{9, 16, 1, resistor}, {12, 19, 9, capacitor}};
    return buildNetworkLines(symbols, records, {"2 V", "5 kHz", "10 Hz", "100 kHz"});
}

}  // namespace volmira::test
