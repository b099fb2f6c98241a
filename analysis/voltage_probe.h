#pragma once
// The voltage between two points of the solved network. Every node's potential follows from the
// solved branch currents: across a branch the potential falls by its impedance times its current
// in the traced direction, and the source raises it by Ue from its second terminal to node 1. A
// point on a wire inside a branch lies between the components before and after it. Since the
// currents satisfy the voltage law, the result is the same along every path between two points.
#include <array>
#include <complex>
#include <optional>
#include <string>

#include "analysis/network.h"
#include "analysis/quantities.h"

namespace volmira {

// Node numbers 1..N, ground N + 1, and the source's second terminal, kept apart from node 1.
inline constexpr int kSourceReturnSlot = kMaxNumberedNodes + 2;

struct NodePotentials {
    // Against ground where there are ground marks, else against the source's second terminal.
    std::array<std::complex<double>, kSourceReturnSlot + 1> potential{};
    std::array<bool, kSourceReturnSlot + 1> known{};
};

// From the table of the last solve.
void nodePotentials(const Network& network, const AllBranchTable& table, NodePotentials& out);

// The potential of a cell walked by branch k: its start and end node, or a wire cell between its
// components; none for a cell that branch does not walk or that lies on one of its components.
std::optional<std::complex<double>> potentialAlongBranch(const Network& network,
                                                         const AllBranchTable& table,
                                                         const NodePotentials& potentials,
                                                         int branch, GridCell cell);
// The same for whichever branch walks the cell.
std::optional<std::complex<double>> potentialAt(const Network& network, const AllBranchTable& table,
                                                const NodePotentials& potentials, GridCell cell);

// A voltage as the probe shows it: magnitude, phase against Ue, and dB against Ue.
struct ProbeReading {
    double magnitude = 0;
    double phase = 0;     // degrees, -180..180
    double decibels = 0;  // kMinusInfinity for 0 V
};
ProbeReading probeReading(std::complex<double> voltage, double sourceVoltage);
// "U = 1,2346 V   φ = -12,35 °   -1,835 dB" with the display digits of the results.
std::string probeText(const ProbeReading& reading, int digits);

}  // namespace volmira
