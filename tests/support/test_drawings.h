#pragma once
// Drawings built in code by stamping catalogue patterns, the way the editor places symbols.
// Each builder documents its layout with a sketch of the cells and the names the analysis gives
// to its components, so tests can set values by name.
#include <string>

#include "schematic/grid.h"

namespace volmira::test {

// Symbol codes for drawing by hand.
namespace code {
inline constexpr int resistor = 1;  // "1x1", horizontal
inline constexpr int inductor = 2;
inline constexpr int capacitor = 3;
inline constexpr int verticalResistor = 7;  // "2x2" top to bottom
inline constexpr int verticalInductor = 8;
inline constexpr int verticalCapacitor = 9;
inline constexpr int verticalSource = 5;    // "2" above "A" above "2", "2"; 3 wide, 4 high
inline constexpr int horizontalSource = 6;  // "1A11" on the middle of three rows
inline constexpr int ground = 22;           // "2" above "I"
inline constexpr int nodeOnHorizontalWire = 23;  // "1H1"
inline constexpr int nodeOnVerticalWire = 24;    // "2G2" top to bottom
// Op-amps, 5 x 5: 25/26 point right (inputs on the left), 27/28 point left. The plus input is
// the upper one for 25 and 27, the lower one for 26 and 28.
inline constexpr int opAmpRightPlusUpper = 25;
inline constexpr int opAmpRightPlusLower = 26;
inline constexpr int opAmpLeftPlusUpper = 27;
inline constexpr int opAmpLeftPlusLower = 28;
// Single cells.
inline constexpr int crossing = 11;         // "7"
inline constexpr int cornerDownRight = 40;  // "3": joins bottom and right
inline constexpr int cornerDownLeft = 41;   // "4": joins bottom and left
inline constexpr int cornerUpRight = 42;    // "5": joins top and right
inline constexpr int cornerUpLeft = 43;     // "6": joins top and left
inline constexpr int junctionAll = 44;      // "B": all four sides
inline constexpr int junctionNoUp = 45;     // "C": left, right, down
inline constexpr int junctionNoRight = 46;  // "D": up, down, left
inline constexpr int junctionNoLeft = 47;   // "E": up, down, right
inline constexpr int junctionNoDown = 48;   // "F": up, left, right
inline constexpr int groundCell = 49;       // "I"
}  // namespace code

// Stamps symbols into a grid.
class Sketch {
public:
    Sketch& put(int symbolCode, int column, int row);
    // "1" cells from one column to another on a row, both ends included (either order).
    Sketch& horizontalWire(int row, int fromColumn, int toColumn);
    // "2" cells from one row to another in a column, both ends included (either order).
    Sketch& verticalWire(int column, int fromRow, int toRow);
    const SchematicGrid& grid() const { return grid_; }
    SchematicGrid& grid() { return grid_; }

private:
    SchematicGrid grid_;
};

// The rows of the drawing that hold anything, one line each, for failure messages.
std::string drawingText(const SchematicGrid& grid);

// Series loop of source, R, L and C; no junction and no ground mark, so the analysis makes the
// source terminals nodes 2 and 3. One branch besides the two source halves: "R 1", "L 1", "C 1".
//
//     3 1x1 1y1 4
//     2         2
//     A         z
//     2         2
//     2         2
//     5 1 1 1 1 6
SchematicGrid seriesRlcLoop();

// RC low-pass: "R 1" in series from the source's upper terminal to the node mark G, "C 1" from
// G to ground; the source's lower terminal is grounded as well.
//
//     3 1x1 1 4
//     2       2
//     A       G     <- output node
//     2       2
//     2       2
//     2       z
//     I       2
//             2
//             I
SchematicGrid rcLowPass();

// The same low-pass with a bottom rail and one single ground mark hanging below a junction:
// the branch to the ground mark is a dead end and carries no current.
//
//     3 1x1 1 4
//     2       2
//     A       G
//     2       2
//     2       2
//     2       z
//     2       2
//     5 1 C 1 6
//         2
//         I
SchematicGrid rcLowPassSingleGround();

// RC ladder of `sections` sections (1..66): series resistor, then a shunt capacitor to ground.
// The source's lower terminal is grounded. Sections run left to right on the first band
// (22 sections per band), right to left on the second, and so on; within the first band,
// "R k" and "C k" belong to section k. Branches: 2 * sections + 1 from two sections on.
//
//     3 1x1 C 1x1 C ... 1x1 4
//     2     2     2         2
//     A     z     z         G   <- output node of the last section
//     2     2     2         2
//     2     2     2         2
//     2     I     I         z
//     I                     2 ...
SchematicGrid rcLadder(int sections);

// Inverting amplifier with op-amp code 26 (plus input below): "R 1" (input) from the source to
// the inverting input's junction X, "R 2" (feedback) from X over the op-amp to the output
// junction Y, "R 3" (load) from Y to ground; the plus input is grounded. Gain -R2/R1 at Y.
//
//     col 2       9          16
//         .  .  .  .  .  .  .  3  1  1  x  1  1  1  4      row 3
//         .  .  .  .  .  .  .  2  .  .  .  .  .  .  2
//         3  1  1  x  1  1  1  F  1  1  4  .  .  .  2      row 5: X = F
//         2  .  .  .  .  .  .  .  .  .  2  #  J  1  D      row 6: Y = D
//         A  .  .  .  .  .  .  3  1  1  6  =  .  .  2
//         2  .  .  .  .  .  .  2  .  .  .  .  .  .  x
//         2  .  .  .  .  .  .  I  .  .  .  .  .  .  2
//         2  .  .  .  .  .  .  .  .  .  .  .  .  .  2
//         I  .  .  .  .  .  .  .  .  .  .  .  .  .  I      row 11
SchematicGrid invertingAmplifier();

}  // namespace volmira::test
