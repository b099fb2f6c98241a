#pragma once
// The AC solver: branch currents of an analysed network at one frequency by the branch-current
// equations (current law, op-amp rows, voltage law around the meshes) and complex Gauss-Jordan
// elimination. Fixed-size storage; a solve allocates nothing.
#include <array>
#include <complex>

#include "analysis/network.h"

namespace volmira {

struct BranchCurrents {
    // Current of branch k at index k - 1, reference direction already applied (reversed flag).
    std::array<std::complex<double>, kMaxBranches> current{};
};

struct SolveStatus {
    int zeroPivots = 0;     // pivots that stayed zero after the replacement search
    bool noResult = false;  // the system has no solution; currents are all 0
};

class AcSolver {
public:
    // One complete solve at frequency f (Hz, may be 0 for resistor networks) and source
    // voltage ue (V, phase 0). Also writes every branch's reactance X into the network.
    SolveStatus solve(Network& network, double frequency, double voltage, BranchCurrents& out);

    // The sweep form: the incidence rows are built and reduced once by prepareSweep; each point
    // then builds and reduces only the mesh rows. Gives the same currents as solve().
    void prepareSweep(const Network& network);
    SolveStatus solveSweepPoint(double frequency, double voltage, BranchCurrents& out);

private:
    // The equation store and the prepared incidence rows live here, sized for 70 branches.
};

// The trial solve of the analysis: solves the network with reproducible pseudo-random real
// resistances and sets every branch's reversed flag from the sign of its trial current.
void assignReferenceDirections(Network& network);

}  // namespace volmira
