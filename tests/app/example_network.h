#pragma once
// A small network for the tests of the main program: the source, a resistor in the top wire and
// a capacitor in the right wire, one loop without junctions. The lines are those a save writes.
#include <string>

#include "schematic/network_file.h"
#include "schematic/symbol_list.h"

namespace volmira::test {

inline SchematicGrid seriesLoopGrid() {
    SchematicGrid grid;
    stamp(grid, 5, 10, 10);  // source: "A" at (11, 11), wires above and below
    stamp(grid, 40, 11, 9);  // corner down/right
    for (int c = 12; c <= 14; ++c) stamp(grid, 4, c, 9);
    stamp(grid, 1, 15, 9);  // resistor "x" at (16, 9)
    stamp(grid, 4, 18, 9);
    stamp(grid, 41, 19, 9);  // corner down/left
    stamp(grid, 10, 19, 10);
    stamp(grid, 9, 19, 11);  // capacitor "z" at (19, 12)
    stamp(grid, 10, 19, 14);
    stamp(grid, 43, 19, 15);  // corner up/left
    for (int c = 12; c <= 18; ++c) stamp(grid, 4, c, 15);
    stamp(grid, 42, 11, 15);  // corner up/right
    stamp(grid, 10, 11, 14);
    return grid;
}

inline LineList seriesLoopLines(const std::string& resistor = "1k",
                                const std::string& capacitor = "100n") {
    SchematicGrid grid = seriesLoopGrid();
    SymbolList symbols;
    rebuildSymbolList(grid, symbols);
    const StoredComponent records[] = {{9, 16, 1, resistor}, {12, 19, 9, capacitor}};
    return buildNetworkLines(symbols, records, {"2 V", "5 kHz", "10 Hz", "100 kHz"});
}

}  // namespace volmira::test
