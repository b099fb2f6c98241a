#pragma once
// Realistic drawings for the schematic tests, written as cell art: one text per grid row, blank
// for an empty cell.
#include <initializer_list>
#include <string_view>

#include "schematic/grid.h"

namespace volmira::test::art {

// Places the art with its first character at (column, row).
inline SchematicGrid gridFromArt(std::initializer_list<std::string_view> rows, int column = 3,
                                 int row = 3) {
    SchematicGrid grid;
    int r = row;
    for (std::string_view text : rows) {
        for (int i = 0; i < static_cast<int>(text.size()); ++i)
            grid.set(column + i, r, text[i] == ' ' ? kEmptyCell : text[i]);
        ++r;
    }
    return grid;
}

// Source, series resistor, capacitor to the return wire, ground mark.
inline SchematicGrid rcLowPass() {
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

// Resistor and inductor from the top node, resistor across, two capacitors to the bottom node.
inline SchematicGrid bridge() {
    return gridFromArt(
        {
            "31111111C111111114",
            "2       2        2",
            "A       x        y",
            "2       2        2",
            "2       E111x1111D",
            "2       2        2",
            "2       z        z",
            "2       2        2",
            "51111111F111111116",
        },
        5, 10);
}

// Inverting amplifier: input resistor, feedback resistor, the lower (non-inverting) input to
// ground.
inline SchematicGrid invertingAmplifier() {
    return gridFromArt(
        {
            "         3111x1114",
            "         2       2",
            "         2       2",
            " 3111x111F11400  2",
            " 2        002#J11F111",
            " A      31116=0",
            " 2      2 00000",
            " 2      I",
            " I",
        },
        20, 40);
}

}  // namespace volmira::test::art
