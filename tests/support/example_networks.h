#pragma once
// The example networks shipped in examples/, drawn in code with the program's own rules: catalogue
// patterns stamped into a grid, then recognised into the symbol list that the file stores.
// tools/examples_test.cpp checks that the committed files are exactly these drawings and writes
// the file of a drawing that differs, for copying over after a change here.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "schematic/network_file.h"
#include "schematic/symbol_list.h"
#include "support/test_drawings.h"

namespace volmira::test {

// A drawing with the values of its components.
class ExampleDrawing {
public:
    ExampleDrawing& put(int code, int column, int row) {
        sketch_.put(code, column, row);
        return *this;
    }
    // Wires of `cells` cells from (column, row) rightward or downward.
    ExampleDrawing& wireRight(int column, int row, int cells) {
        sketch_.horizontalWire(row, column, column + cells - 1);
        return *this;
    }
    ExampleDrawing& wireDown(int column, int row, int cells) {
        sketch_.verticalWire(column, row, row + cells - 1);
        return *this;
    }
    // A single corner, junction or node cell by its grid character.
    ExampleDrawing& cell(char c, int column, int row) {
        constexpr std::string_view kSingleCells = "3456BCDEFIHG";
        return put(40 + static_cast<int>(kSingleCells.find(c)), column, row);
    }
    // A component (codes 1..3 horizontal, 7..9 vertical) with the pattern's top-left cell at
    // (column, row), and its value text.
    ExampleDrawing& component(int code, int column, int row, std::string valueText) {
        put(code, column, row);
        const bool vertical = code > 6;
        values_.push_back({vertical ? row + 1 : row, vertical ? column : column + 1, code,
                           std::move(valueText)});
        return *this;
    }
    // The vertical source: its "A" lies at (column + 1, row + 1).
    ExampleDrawing& source(int column, int row) { return put(code::verticalSource, column, row); }
    // A ground mark below a wire stub: stub at (column, row), mark one row lower.
    ExampleDrawing& ground(int column, int row) { return put(code::ground, column, row); }

    const SchematicGrid& grid() const { return sketch_.grid(); }
    const std::vector<StoredComponent>& values() const { return values_; }

    // The file's lines: the recognised symbol list, the component records and the four fields.
    LineList lines(const InputFields& fields) const {
        SchematicGrid grid = sketch_.grid();
        SymbolList symbols;
        rebuildSymbolList(grid, symbols);
        return buildNetworkLines(symbols, values_, fields);
    }

private:
    Sketch sketch_;
    std::vector<StoredComponent> values_;
};

struct ExampleNetwork {
    std::string fileName;
    std::function<ExampleDrawing()> draw;
    InputFields fields;
};

// An RC low-pass with its corner at 1 kHz: the output is the capacitor's branch.
inline ExampleDrawing drawLowPass() {
    ExampleDrawing s;
    s.cell('3', 5, 4).wireRight(6, 4, 1).component(1, 7, 4, "1k").wireRight(10, 4, 1);
    s.put(23, 11, 4).wireRight(14, 4, 3).cell('4', 17, 4);
    s.source(4, 5).ground(5, 9);
    s.wireDown(17, 5, 1).component(9, 17, 6, "159,155n").ground(17, 9);
    return s;
}

// A series resonant circuit R, L, C at 1 kHz; node marks give each component its own branch.
inline ExampleDrawing drawSeriesResonance() {
    ExampleDrawing s;
    s.cell('3', 5, 4).wireRight(6, 4, 1).component(1, 7, 4, "100").put(23, 10, 4);
    s.component(2, 13, 4, "100m").put(23, 16, 4).wireRight(19, 4, 2).cell('4', 21, 4);
    s.source(4, 5).ground(5, 9);
    s.wireDown(21, 5, 1).component(9, 21, 6, "253,3n").ground(21, 9);
    return s;
}

// A Wien-Robinson bridge balanced at 1 kHz: the Wien arm (R + C in series over R || C) and the
// 2:1 divider, with a 1 MOhm detector across the diagonal.
inline ExampleDrawing drawWienRobinson() {
    ExampleDrawing s;
    // Top rail from the source to both arms.
    s.cell('3', 5, 4).wireRight(6, 4, 6).cell('C', 12, 4).wireRight(13, 4, 11).cell('4', 24, 4);
    s.source(4, 5).wireDown(5, 9, 11).ground(5, 20);
    // Wien arm: series R1 + C1 down to the diagonal node, then R2 || C2 to ground.
    s.component(7, 12, 5, "10k").component(9, 12, 8, "15,915n").cell('E', 12, 11);
    s.wireDown(12, 12, 1).cell('E', 12, 13);
    s.component(7, 12, 14, "10k").wireDown(12, 17, 3).ground(12, 20);
    s.wireRight(13, 13, 2).cell('4', 15, 13);
    s.component(9, 15, 14, "15,915n").wireDown(15, 17, 3).ground(15, 20);
    // Detector across the diagonal.
    s.wireRight(13, 11, 4).component(1, 17, 11, "1M").wireRight(20, 11, 4).cell('D', 24, 11);
    // Divider arm 2k : 1k.
    s.wireDown(24, 5, 1).component(7, 24, 6, "2k").wireDown(24, 9, 2);
    s.wireDown(24, 12, 1).component(7, 24, 13, "1k").wireDown(24, 16, 4).ground(24, 20);
    return s;
}

// A band-pass of two parallel resonant circuits at about 10 kHz, coupled by a capacitor, between
// a source resistance and a load.
inline ExampleDrawing drawBandPass() {
    ExampleDrawing s;
    s.cell('3', 5, 4).wireRight(6, 4, 1).component(1, 7, 4, "10k").wireRight(10, 4, 2);
    s.cell('C', 12, 4).wireRight(13, 4, 3).component(3, 16, 4, "1,5n").wireRight(19, 4, 3);
    s.cell('C', 22, 4).wireRight(23, 4, 6).cell('4', 29, 4);
    s.source(4, 5).wireDown(5, 9, 3).ground(5, 12);
    for (int column : {12, 22}) {
        s.wireDown(column, 5, 1).cell('E', column, 6);
        s.component(8, column, 7, "10m").wireDown(column, 10, 2).ground(column, 12);
        s.wireRight(column + 1, 6, 2).cell('4', column + 3, 6);
        s.component(9, column + 3, 7, "23,8n").wireDown(column + 3, 10, 2).ground(column + 3, 12);
    }
    s.wireDown(29, 5, 2).component(7, 29, 7, "10k").wireDown(29, 10, 2).ground(29, 12);
    return s;
}

// The network of the guided demonstration: R in series with L || C.
inline ExampleDrawing drawDemo() {
    ExampleDrawing s;
    s.cell('3', 5, 4).wireRight(6, 4, 2).component(1, 8, 4, "12").wireRight(11, 4, 3);
    s.cell('C', 14, 4).wireRight(15, 4, 5).cell('4', 20, 4);
    s.wireDown(5, 5, 1).source(4, 6).wireDown(5, 10, 1).cell('5', 5, 11);
    s.wireRight(6, 11, 8).cell('F', 14, 11).wireRight(15, 11, 5).cell('6', 20, 11);
    s.wireDown(14, 5, 1).component(8, 14, 6, "3,3m").wireDown(14, 9, 2);
    s.wireDown(20, 5, 1).component(9, 20, 6, "1,5u").wireDown(20, 9, 2);
    return s;
}

// The showcase: an active band-pass with multiple feedback, centred on 1 kHz with a quality of 2
// and a gain of -1 there. R1 feeds node A; C1 from A to the op-amp's inverting input X; C2 from A
// and R2 from X back to the output Y; R3 from A to ground; a 10 kOhm load at Y.
inline ExampleDrawing drawActiveBandPass() {
    ExampleDrawing s;
    s.source(4, 10).ground(5, 14);
    s.cell('3', 5, 9).wireRight(6, 9, 1).component(1, 7, 9, "31,83k").wireRight(10, 9, 1);
    s.cell('B', 11, 9).wireRight(12, 9, 1).component(3, 13, 9, "10n").wireRight(16, 9, 3);
    s.cell('F', 19, 9).put(code::opAmpRightPlusLower, 20, 8);
    // R3 from A to ground, C2 from A over the top to the output column.
    s.wireDown(11, 10, 1).component(7, 11, 11, "4,547k").ground(11, 14);
    s.wireDown(11, 8, 1).component(9, 11, 5, "10n").wireDown(11, 4, 1).cell('3', 11, 3);
    s.wireRight(12, 3, 14).cell('4', 26, 3).wireDown(26, 4, 2);
    // R2 from X over the op-amp.
    s.wireDown(19, 7, 2).cell('3', 19, 6).wireRight(20, 6, 1).component(1, 21, 6, "63,66k");
    s.wireRight(24, 6, 2).cell('D', 26, 6).wireDown(26, 7, 3);
    // Output Y with its load; the plus input to ground.
    s.wireRight(25, 10, 1).cell('D', 26, 10).component(7, 26, 11, "10k").ground(26, 14);
    s.cell('3', 19, 11).wireDown(19, 12, 2).ground(19, 14);
    return s;
}

inline InputFields fields(std::string voltage, std::string frequency, std::string from,
                          std::string to) {
    return {std::move(voltage), std::move(frequency), std::move(from), std::move(to)};
}

inline std::vector<ExampleNetwork> exampleNetworks() {
    return {
        {"Tp1kHz.nwb", drawLowPass, fields("1 V", "1 kHz", "100 Hz", "10 kHz")},
        {"RCL.nwb", drawSeriesResonance, fields("1 V", "1 kHz", "100 Hz", "10 kHz")},
        {"Wienrob.nwb", drawWienRobinson, fields("1 V", "1 kHz", "100 Hz", "10 kHz")},
        {"Bandfilter.nwb", drawBandPass, fields("1 V", "10 kHz", "2 kHz", "50 kHz")},
        {"DEMO.NWB", drawDemo, fields("1 V", "1 kHz", "200 Hz", "20 kHz")},
        {"Volmira.nwb", drawActiveBandPass, fields("1 V", "1 kHz", "100 Hz", "10 kHz")},
    };
}

}  // namespace volmira::test
