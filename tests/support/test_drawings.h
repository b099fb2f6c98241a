#pragma once
// The drawings the tests use, written as text rows (one string per grid row, blank for an empty
// cell). Where tests set values by name, the comment gives the names the analysis hands out.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "schematic/grid.h"
#include "schematic/text_file.h"

namespace volmira::test {

// Symbol codes for drawing by hand.
namespace code {
inline constexpr int resistor = 1;              // "1x1", horizontal
inline constexpr int verticalResistor = 7;      // "2x2" top to bottom
inline constexpr int verticalSource = 5;        // "2" above "A" above "2", "2"; 3 wide, 4 high
inline constexpr int ground = 22;               // "2" above "I"
inline constexpr int opAmpRightPlusUpper = 25;  // 5 x 5, pointing right, plus input above
inline constexpr int cornerDownLeft = 41;       // "4": joins bottom and left
inline constexpr int cornerUpRight = 42;        // "5": joins top and right
inline constexpr int cornerUpLeft = 43;         // "6": joins top and left
inline constexpr int junctionNoDown = 48;       // "F": up, left, right
inline constexpr int nodeCellHorizontal = 50;   // "H": left and right
}  // namespace code

// Stamps symbols into a grid.
class Sketch {
  public:
    Sketch& put(int symbolCode, int column, int row);
    // "1" or "2" cells between two columns or rows, both ends included (either order).
    Sketch& horizontalWire(int row, int fromColumn, int toColumn);
    Sketch& verticalWire(int column, int fromRow, int toRow);
    const SchematicGrid& grid() const { return grid_; }
    SchematicGrid& grid() { return grid_; }

  private:
    SchematicGrid grid_;
};

// Writes text rows into the grid with their first character at (column, row); a blank is an
// empty cell.
void drawRows(SchematicGrid& grid, int column, int row, const std::vector<std::string>& rows);

// The cells of a block as text, one line per row.
std::string area(const SchematicGrid& grid, int column, int row, int width, int height);

// The rows of the drawing that hold anything, one line each, for failure messages.
std::string drawingText(const SchematicGrid& grid);

// Series loop of source, R, L and C; no junction and no ground mark, so the analysis makes the
// source terminals nodes 2 and 3. One branch besides the two source halves: "R 1", "L 1", "C 1".
SchematicGrid seriesRlcLoop();

// RC low-pass: "R 1" from the source's upper terminal to the node mark G (the output), "C 1"
// from G to ground; the source's lower terminal is grounded as well.
SchematicGrid rcLowPass();

// The same low-pass with a bottom rail and one single ground mark hanging below a junction:
// the branch to the ground mark is a dead end and carries no current.
SchematicGrid rcLowPassSingleGround();

// RC ladder of `sections` sections (1..66): series resistor, then a shunt capacitor to ground;
// the source is grounded. Bands of 22 sections run left to right, then right to left, and so on;
// in the first band "R k" and "C k" belong to section k. 2 * sections + 1 branches from 2 on.
SchematicGrid rcLadder(int sections);

// Inverting amplifier with op-amp code 26 (plus input below): "R 1" (input) from the source to
// the inverting input's junction X (9,5), "R 2" (feedback) from X over the op-amp to the output
// junction Y (16,6), "R 3" (load) from Y to ground; the plus input is grounded. Gain -R2/R1.
SchematicGrid invertingAmplifier();

// Wheatstone bridge without ground marks: the source feeds the top node T and returns from the
// bottom node B; arms T-L "R 2", T-R "R 1", L-B "R 4", R-B "R 5", and the rung L-R "R 3".
SchematicGrid wheatstoneBridge();

// Non-inverting amplifier, op-amp code 25 (plus input above): the source drives the plus input
// directly; the minus input's junction X (11,7) has "R 3" (Rg) to ground and "R 2" (Rf) from
// the output junction Y (18,6), which drives the load "R 1" to ground. Gain 1 + R2/R3 at Y.
SchematicGrid nonInvertingAmplifier();

// Active first-order low-pass: the inverting amplifier with "C 1" (Cf) across the feedback
// resistor. Input "R 1" to X (9,7), Rf "R 2" from P (9,5) to Q (16,5), load "R 3" from Y (16,8)
// to ground. Vy / Ue = -(R2 / R1) / (1 + j w R2 C1).
SchematicGrid activeLowPass();

// Two inverting stages in a row: input "R 1" and feedback "R 2" of the first stage, then the
// first stage's output junction feeds the second stage's input "R 3" (feedback "R 4"); load
// "R 5" from the second output to ground. Gain (R2 / R1) * (R4 / R3), no phase inversion.
SchematicGrid twoInvertingStages();

// The three mirrored, names as in the originals: the source on the right, op-amps pointing left
// with output "K" on the left (code 28, plus input below; the non-inverting one's 27, above).
SchematicGrid leftPointingInvertingAmplifier();
SchematicGrid leftPointingNonInvertingAmplifier();
SchematicGrid leftPointingTwoInvertingStages();

// The inverting amplifier whose source reaches ground through a resistor in its lower lead
// ("R 2" in branch 2), so the source current returns through a component. Gain at Y:
// -Rf / (Rin + Rs) with Rin "R 1", Rs "R 2", Rf "R 3"; load "R 4".
SchematicGrid invertingAmplifierWithSourceResistor();

// A single loop through `resistors` resistors in series (1..94), laid out as a snake; one
// branch carries all of them.
SchematicGrid resistorChain(int resistors);

// A chain of `pairs` wire-only parallel pairs between the source's terminals, closed by one
// resistor: 2^pairs loops through the source (12 pairs overflow the loop store).
SchematicGrid parallelPairs(int pairs);

// A rail of `teeth` junctions, each with a wire down to a ground mark; the source's lower lead
// returns to the rail's far end through one resistor, so ground is not where the loops end and
// every path that reaches it fans out into all the other teeth.
SchematicGrid groundedComb(int teeth);

// A dense grid of wire-only branches: `columns` x `rows` junctions two cells apart, the
// source joining its top-left and bottom-left nodes; one resistor on the right edge.
SchematicGrid junctionGrid(int columns, int rows);

// Every builder above that analyses, with a short name each, the stress drawings within limits.
std::vector<std::pair<const char*, SchematicGrid>> analysableDrawings();

// A wire straight across the source beside the resistor "R 1": the mesh of wires reads 0 = Ue.
SchematicGrid shortedSource();

// The lines a save writes of the main program's small network: the source, a resistor in the
// top wire and a capacitor in the right wire, one loop without junctions; with the two values
// and 2 V, 5 kHz, 10 Hz .. 100 kHz.
LineList seriesLoopLines(const std::string& resistor = "1k", const std::string& capacitor = "100n");

// Realistic drawings for the schematic tests, placed away from the grid's corner.
namespace art {

// The text rows with their first character at (column, row).
SchematicGrid gridFromArt(std::initializer_list<std::string_view> rows, int column = 3,
                          int row = 3);
SchematicGrid rcLowPass();  // series resistor, capacitor to the grounded return wire
// Resistor and inductor from the top node, resistor across, two capacitors to the bottom node.
SchematicGrid bridge();
SchematicGrid invertingAmplifier();  // input and feedback resistor, the plus input grounded

}  // namespace art

}  // namespace volmira::test
