#pragma once
// The Sallen-Key low-pass of examples/SallenKey.nwb: unity-gain follower, R1 from the source to
// node A, R2 from A to the plus input B, C2 from B to ground, C1 from A back to the output Y,
// which the minus input follows; a 10 kOhm load at Y. With R1 = R2 = 10 kOhm, C1 = 22 nF and
// C2 = 10 nF: 1 / (1 + s C2 (R1 + R2) + s^2 R1 R2 C1 C2), f0 = 1073 Hz, Q = 0.742.
#include "support/example_networks.h"

namespace volmira::test {

inline ExampleDrawing drawSallenKey() {
    ExampleDrawing s;
    s.source(4, 9).ground(5, 13);
    s.cell('3', 5, 8).wireRight(6, 8, 1).component(1, 7, 8, "10k").wireRight(10, 8, 1);
    s.cell('F', 11, 8).wireRight(12, 8, 1).component(1, 13, 8, "10k").wireRight(16, 8, 1);
    s.cell('C', 17, 8).wireRight(18, 8, 1).put(code::opAmpRightPlusUpper, 19, 7);
    s.wireDown(17, 9, 1).component(9, 17, 10, "10n").ground(17, 13);
    // C1 from A over the top to the output column.
    s.wireDown(11, 7, 1).component(9, 11, 4, "22n").cell('3', 11, 3).wireRight(12, 3, 13);
    s.cell('4', 25, 3).wireDown(25, 4, 5).wireRight(24, 9, 1).cell('B', 25, 9);
    // The minus input follows the output through a wire below the op-amp.
    s.cell('3', 18, 10).wireDown(18, 11, 5).cell('5', 18, 16).wireRight(19, 16, 6);
    s.cell('6', 25, 16).wireDown(25, 10, 6);
    // The load.
    s.wireRight(26, 9, 1).cell('4', 27, 9).wireDown(27, 10, 1).component(7, 27, 11, "10k");
    s.ground(27, 14);
    return s;
}

inline ExampleNetwork sallenKeyExample() {
    return {"SallenKey.nwb", drawSallenKey, fields("1 V", "1 kHz", "100 Hz", "10 kHz")};
}

}  // namespace volmira::test
