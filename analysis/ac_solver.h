#pragma once
// The AC solver: branch currents of an analysed network at one frequency by the branch-current
// equations (current law, op-amp rows, voltage law around the meshes) and complex Gauss-Jordan
// elimination. Fixed-size storage; a solve allocates nothing.
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

class AcSolver {
public:
    // One complete solve at frequency f (Hz, may be 0 for networks without capacitors) and
    // source voltage ue (V, phase 0). Also writes every branch's reactance X into the network.
    SolveStatus solve(Network& network, double frequency, double voltage, BranchCurrents& out);

    // The sweep form: the incidence rows are built and reduced once by prepareSweep; each point
    // then builds and reduces only the mesh rows. Gives the same currents as solve(). Takes a
    // copy of the branch sums: prepare again after a component value changed.
    void prepareSweep(const Network& network);
    SolveStatus solveSweepPoint(double frequency, double voltage, BranchCurrents& out);

private:
    // Per row: the variables, the right-hand side and zeros, so that row operations can run in
    // groups of four past the right-hand side.
    static constexpr int kStride = kMaxBranches + 6;
    static constexpr int kMaxIncidenceRows = kMaxKclRows + kMaxOpAmps;
    using Plane = std::array<double, kMaxBranches * kStride>;

    // A non-zero entry of a sparse real row.
    struct Entry {
        std::uint8_t column;
        double value;
    };
    struct MeshTerm {
        std::uint8_t branch;
        std::int8_t sign;
    };

    bool loadNetwork(const Network& network);
    bool reactances(double frequency, BranchCurrents& out) const;
    void clearRows(int first, int last);
    void buildIncidenceRows();
    // Gauss-Jordan over the pivots firstPivot..lastPivot-1 on the rows firstRow..lastRow-1; the
    // pivot rows are not scaled, so row i ends as d_i * I_i = r_i.
    void eliminate(int firstPivot, int lastPivot, int firstRow, int lastRow, SolveStatus& status);
    // Clears column k of the rows firstRow..lastRow-1 with the non-zero pivot A[k][k].
    void clearColumn(int k, int firstRow, int lastRow);
    // Gauss-Jordan among the current-law and op-amp rows; rows that come out empty are dropped.
    // True when the independent rows and the meshes make a square system.
    bool reduceIncidence();
    void findReplacementPivot(int k, int lastRow);
    void swapColumns(int a, int b);
    void swapRows(int a, int b);
    void currentsFromDiagonal(int firstColumn, SolveStatus& status, BranchCurrents& out) const;
    void applyReferenceDirections(BranchCurrents& out) const;
    void prepareIncidenceEntries();

    double& re(int row, int column) { return re_[row * kStride + column]; }
    double& im(int row, int column) { return im_[row * kStride + column]; }

    // The network's counts and branch data, copied so a sweep needs no network.
    int branchCount_ = 0;
    int kclCount_ = 0;
    int opAmpCount_ = 0;
    int meshCount_ = 0;
    int incidenceCount_ = 0;  // K + P, then the independent ones among them
    int rowCount_ = 0;        // rows in use: b, or K + P when that is more
    std::array<double, kMaxBranches> resistance_{};
    std::array<double, kMaxBranches> inductance_{};
    std::array<double, kMaxBranches> capacitance_{};
    std::array<bool, kMaxBranches> reversed_{};
    std::array<SignRow, kMaxKclRows> kclRows_{};
    std::array<SignRow, kMaxOpAmps> opAmpRows_{};
    std::array<SignRow, kMaxMeshes> meshRows_{};

    // The equation store: row r, column c at r * kStride + c; column b is the right-hand side.
    alignas(64) Plane re_{};
    alignas(64) Plane im_{};
    // Which branch (0-based) stands in each column after column swaps.
    std::array<std::uint8_t, kMaxBranches> columnBranch_{};

    // Sweep form, fixed by prepareSweep.
    bool prepared_ = false;
    bool preparedNoResult_ = false;
    std::array<std::uint8_t, kMaxBranches> preparedColumnBranch_{};
    // Per incidence row after its reduction: the variable it determines (d * I + sum of
    // entry * I(entry column) = 0), 1 / d and the non-zero entries in the mesh columns.
    std::array<std::uint8_t, kMaxIncidenceRows> incidenceBranch_{};
    std::array<double, kMaxIncidenceRows> incidenceInverse_{};
    std::array<std::uint8_t, kMaxIncidenceRows> incidenceEntryCount_{};
    std::array<std::array<Entry, kMaxBranches>, kMaxIncidenceRows> incidenceEntries_{};
    // Position of every branch's column after the incidence reduction.
    std::array<std::uint8_t, kMaxBranches> preparedColumnOf_{};
    std::array<std::uint8_t, kMaxMeshes> meshTermCount_{};
    std::array<std::array<MeshTerm, kMaxBranches>, kMaxMeshes> meshTerms_{};
};

// The trial solve of the analysis: solves the network with reproducible pseudo-random real
// resistances and sets every branch's reversed flag from the sign of its trial current. The
// branches' R, L, C and X are left as they were.
void assignReferenceDirections(Network& network);

}  // namespace volmira
