#pragma once
// An independent reference for the solver's currents: nodal analysis of the analysed network in
// 113-bit floating point. Bare-wire branches join their nodes into one; each ideal op-amp is a
// nullor (the wire between its inputs takes no current and no voltage, its output any current
// back to the reference node); the source raises the potential from the end of branch 2 to the
// end of branch 1 by Ue.
#include <array>
#include <complex>

#include "analysis/network.h"

namespace volmira::test {

struct ReferenceCurrents {
    bool solved = false;  // false: the network has no unique solution (a short, a floating part)
    // Current of branch k at index k - 1 from its start node to its end node (reversed flags
    // not applied); bare-wire branches are left 0.
    std::array<std::complex<double>, kMaxBranches> current{};
    // How far each current may be off, from the correction of one refinement step: where
    // admittances span thirty decades even 113 bits lose digits.
    std::array<double, kMaxBranches> uncertainty{};
    // Node potentials against the source's second terminal: nodes 1..N, ground N + 1, the
    // second terminal at kMaxNumberedNodes + 2.
    std::array<std::complex<double>, kMaxNumberedNodes + 3> potential{};
};

// The branches' R, L and C must hold their sums already.
ReferenceCurrents referenceCurrents(const Network& network, double frequency, double voltage);

}  // namespace volmira::test
