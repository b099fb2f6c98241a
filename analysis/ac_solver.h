#pragma once
// The AC solver: branch currents of an analysed network at one frequency by the branch-current
// equations (current law, op-amp rows, voltage law around the meshes) and complex Gaussian
// elimination. Fixed-size storage; a solve and a sweep point allocate nothing.
#include <array>
#include <complex>
#include <cstdint>
#include <string_view>

#include "analysis/network.h"

namespace volmira {

// Shown once after a solve that met a zero pivot or gave no result.
inline constexpr std::string_view kSolverFailureMessage =
    "Es ist ein Fehler aufgetreten !\n\n"
    "In der Schaltung ist möglicherweise ein Kurzschluss oder es wurde versucht,\n"
    "einen Stromzweig mit extrem hoher bzw. niedriger Impedanz zu berechnen\n\n"
    "Die ausgegebenen Ergebnisse sind nicht korrekt !!";

inline constexpr double kTwoPi = 6.283185307179586;
// A pivot whose |Re| + |Im| is below this is replaced by a larger entry of its row or column.
inline constexpr double kPivotThreshold = 1e-7;

struct BranchCurrents {
    // Current of branch k at index k - 1, reference direction already applied (reversed flag).
    // A current the system leaves undefined is 0.
    std::array<std::complex<double>, kMaxBranches> current{};
    // Reactance X = wL - 1/(wC) of branch k at the solved frequency, at index k - 1.
    std::array<double, kMaxBranches> reactance{};
};

struct SolveStatus {
    int zeroPivots = 0;         // pivots that stayed zero after the replacement search
    int undefinedCurrents = 0;  // branches whose current came out undefined (given as 0)
    bool noResult = false;      // the system has no unique solution; currents are all 0

    // The failure message is due.
    bool failed() const { return noResult || zeroPivots > 0 || undefinedCurrents > 0; }
};

// How the solver works. The current-law and op-amp rows do not depend on the frequency: they are
// reduced among themselves once, so that each of them gives one "tree" current as a real
// combination of the remaining "chord" currents (one per mesh). Put into the mesh rows, that
// leaves M equations in the M chord currents whose matrix is A_R + j(w A_L - A_C / w), the three
// real matrices collected once from the branches' R, L and 1/C. Each frequency then costs one
// complex elimination of that M x M system and the back-substitution of the tree currents.
// Pivots below kPivotThreshold are replaced by the first later column of their row that reaches
// it, else the first later row; the order of rows and columns that this search arrives at for
// the system's lasting zeros is found once, so that points search only where a value is tiny at
// their frequency. A pivot that stays 0 is counted and skipped, and the currents it leaves
// undefined are given as 0.
class AcSolver {
  public:
    // One complete solve at frequency f (Hz, may be 0 for networks without capacitors) and
    // source voltage ue (V, phase 0). Also writes every branch's reactance X into the network.
    SolveStatus solve(Network& network, double frequency, double voltage, BranchCurrents& out);

    // The sweep form: prepareSweep does the frequency-independent work once; each point then
    // solves the mesh system at its frequency. Gives exactly the currents of solve(), which runs
    // the same two steps. Takes a copy of the branch sums: prepare again after a component value
    // changed.
    void prepareSweep(const Network& network);
    SolveStatus solveSweepPoint(double frequency, double voltage, BranchCurrents& out);

  private:
    static constexpr int kMaxIncidenceRows = kMaxKclRows + kMaxOpAmps;
    // Row strides in doubles, multiples of four so that row operations run in aligned groups of
    // four columns.
    static constexpr int kIncidenceStride = (kMaxBranches + 3) & ~3;
    static constexpr int kMaxMeshStride = (kMaxMeshes + 1 + 3) & ~3;
    using IncidencePlane = std::array<double, kMaxIncidenceRows * kIncidenceStride>;
    using MeshPlane = std::array<double, kMaxMeshes * kMaxMeshStride>;

    bool loadNetwork(const Network& network);
    bool reactances(double frequency, BranchCurrents& out) const;
    bool prepare(const Network& network);

    // The incidence rows, reduced among themselves by real Gauss-Jordan; rows that come out
    // empty are dropped. True when the independent rows and the meshes make a square system.
    bool reduceIncidence();
    void findIncidencePivot(int k, int rows);
    void swapIncidenceColumns(int a, int b);
    void swapIncidenceRows(int a, int b);
    void prepareTreeRows();

    // The mesh system in the chord currents.
    void collectMeshMatrices();
    void orderMeshSystem();
    void buildMeshSystem(double omega, double voltage);
    void eliminateMeshSystem(SolveStatus& status);
    void eliminateBelow(int k, int firstRow, int lastRow, std::complex<double> inv);
    void findMeshPivot(int k);
    void swapMeshColumns(int a, int b);
    void swapMeshRows(int a, int b);
    void backSubstitute(SolveStatus& status);

    double& incidence(int row, int column) { return incidence_[row * kIncidenceStride + column]; }

    // The network's counts and branch data, copied so a sweep needs no network.
    int branchCount_ = 0;
    int kclCount_ = 0;
    int opAmpCount_ = 0;
    int meshCount_ = 0;
    int incidenceCount_ = 0;  // K + P, then the independent ones among them
    std::array<double, kMaxBranches> resistance_{};
    std::array<double, kMaxBranches> inductance_{};
    std::array<double, kMaxBranches> capacitance_{};
    std::array<bool, kMaxBranches> reversed_{};
    std::array<SignRow, kMaxKclRows> kclRows_{};
    std::array<SignRow, kMaxOpAmps> opAmpRows_{};
    std::array<SignRow, kMaxMeshes> meshRows_{};

    // Incidence rows while they are reduced, and which branch stands in each column.
    alignas(64) IncidencePlane incidence_{};
    std::array<std::uint8_t, kMaxBranches> columnBranch_{};

    // Fixed by prepare.
    bool prepared_ = false;
    bool loaded_ = false;
    bool preparedNoResult_ = false;
    bool anyInductance_ = false;
    bool anyCapacitance_ = false;
    int meshStride_ = 4;
    // Tree row k: its branch and the coefficients of I(tree) = sum of t * I(chord branch).
    std::array<std::uint8_t, kMaxIncidenceRows> treeBranch_{};
    std::array<std::uint8_t, kMaxIncidenceRows> treeTermCount_{};
    std::array<std::array<double, kMaxMeshes>, kMaxIncidenceRows> treeCoefficient_{};
    std::array<std::array<std::uint8_t, kMaxMeshes>, kMaxIncidenceRows> treeChord_{};
    // Chord branch per column of the mesh system, and the three real matrices (right-hand side
    // column and padding 0).
    std::array<std::uint8_t, kMaxMeshes> preparedChordBranch_{};
    alignas(64) MeshPlane meshR_{};
    alignas(64) MeshPlane meshL_{};
    alignas(64) MeshPlane meshInverseC_{};

    // The mesh system of one frequency while it is eliminated.
    alignas(64) MeshPlane re_{};
    alignas(64) MeshPlane im_{};
    std::array<std::uint8_t, kMaxMeshes> chordBranch_{};
    std::array<double, kMaxMeshes> pivotInverseRe_{};
    std::array<double, kMaxMeshes> pivotInverseIm_{};
    // Per pivot row: the groups of four columns right of the pivot that hold a non-zero entry.
    std::array<std::uint32_t, kMaxMeshes> pivotGroups_{};
    alignas(64) std::array<double, kMaxMeshStride> solutionRe_{};
    alignas(64) std::array<double, kMaxMeshStride> solutionIm_{};
    std::array<double, kMaxBranches> currentRe_{};
    std::array<double, kMaxBranches> currentIm_{};
};

// The trial solve of the analysis: solves the network with reproducible pseudo-random real
// resistances and sets every branch's reversed flag from the sign of its trial current. The
// branches' R, L, C and X are left as they were.
void assignReferenceDirections(Network& network);

}  // namespace volmira
