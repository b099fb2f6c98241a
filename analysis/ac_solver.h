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

// Shown once after a solve that met a short circuit, a zero pivot or gave no result.
inline constexpr std::string_view kSolverFailureMessage =
    "Es ist ein Fehler aufgetreten !\n\n"
    "In der Schaltung ist möglicherweise ein Kurzschluss oder es wurde versucht,\n"
    "einen Stromzweig mit extrem hoher bzw. niedriger Impedanz zu berechnen\n\n"
    "Die ausgegebenen Ergebnisse sind nicht korrekt !!";

// Shown after a solve whose currents cannot be trusted to six digits.
inline constexpr std::string_view kImpreciseResultMessage =
    "Die Ergebnisse sind bei dieser Frequenz ungenau (Genauigkeit unter 6 Stellen).";

inline constexpr double kTwoPi = 6.283185307179586;
// A pivot of the current-law rows whose |Re| + |Im| is below this is replaced by a larger entry
// of its row or column.
inline constexpr double kPivotThreshold = 1e-7;
// A current is trusted when its estimated error is below this share of its size, or of a
// hundredth of the largest current.
inline constexpr double kTrustedPrecision = 1e-6;

struct BranchCurrents {
    // Current of branch k at index k - 1, reference direction already applied (reversed flag).
    // A current the system leaves undefined is 0.
    std::array<std::complex<double>, kMaxBranches> current{};
    // Reactance X = wL - 1/(wC) of branch k at the solved frequency, at index k - 1.
    std::array<double, kMaxBranches> reactance{};
};

struct SolveStatus {
    int zeroPivots = 0;         // pivots that came out exactly 0
    int undefinedCurrents = 0;  // branches whose current came out undefined (given as 0)
    bool noResult = false;      // the system has no unique solution; currents are all 0
    bool shortCircuit = false;  // bare wire joins the source's two terminals
    bool imprecise = false;     // some current is not good to six digits

    // The short-circuit message is due.
    bool failed() const {
        return noResult || shortCircuit || zeroPivots > 0 || undefinedCurrents > 0;
    }
    // What to tell the user after this solve; empty when the results are sound.
    std::string_view message() const {
        if (failed()) return kSolverFailureMessage;
        if (imprecise) return kImpreciseResultMessage;
        return {};
    }
};

// How the solver works. The current-law and op-amp rows do not depend on the frequency: they are
// reduced among themselves once, so that each of them gives one "tree" current as a real
// combination of the remaining "chord" currents (the branches in most meshes become chords, so
// that the sums stay short). Loops of bare wire that avoid the source carry a current that no
// equation fixes and that concerns no component: one wire of each such loop gets a fixed current
// of 0, a further row of that reduction; so does a component bridged by bare wire. Put into the
// mesh rows, that leaves M equations in the chord currents whose matrix is
// A_R + j(w A_L - A_C / w), the three real matrices collected once from the branches' R, L and
// 1/C. Where the meshes can be traded for shorter equivalent loops, one chord each, the system is
// set up from those, and its factors are worked on their sparse pattern only; a point whose
// loops lose digits is solved again with the meshes. Each frequency then scales every mesh row to a
// largest entry near 1, factors the system by elimination with partial pivoting (a pivot in place
// is kept down to a tenth of its column's largest entry), solves, refines the solution once or more
// against the residual of every mesh equation over the branches (in double, then in extended
// precision where that does not settle), and estimates from the last correction how many digits
// each current holds.
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
    static constexpr int kMaxIncidenceRows = kMaxKclRows + kMaxOpAmps + kMaxBranches;
    // Row strides in doubles, multiples of four so that row operations run in aligned groups of
    // four columns.
    static constexpr int kIncidenceStride = (kMaxBranches + 3) & ~3;
    static constexpr int kMaxMeshStride = (kMaxMeshes + 3) & ~3;
    using IncidencePlane = std::array<double, kMaxIncidenceRows * kIncidenceStride>;
    using MeshPlane = std::array<double, kMaxMeshes * kMaxMeshStride>;
    using MeshVector = std::array<double, kMaxMeshStride>;

    bool loadNetwork(const Network& network);
    void findWireLoops(const Network& network);
    bool reactances(double frequency, BranchCurrents& out) const;
    bool prepare(const Network& network);

    // The incidence rows, reduced among themselves by real Gauss-Jordan; rows that come out
    // empty are dropped. True when the mesh rows suffice for the remaining chord currents.
    bool reduceIncidence();
    void findIncidencePivot(int k, int rows);
    void swapIncidenceColumns(int a, int b);
    void swapIncidenceRows(int a, int b);
    void prepareTreeRows();

    // The mesh system in the chord currents.
    void collectMeshTerms();
    void shortenMeshRows();
    void useMeshRows(const std::array<SignRow, kMaxMeshes>& rows);
    void collectMeshMatrices();
    void orderMeshSystem();
    void buildMeshSystem(double omega, double voltage);
    void factorMeshSystem(SolveStatus& status);
    void solveFactored(MeshVector& re, MeshVector& im) const;
    void solveDense(MeshVector& re, MeshVector& im) const;
    // The same steps on the pattern of the factors with every pivot in place, found once.
    void preparePattern();
    void buildOnPattern(double omega, double voltage);
    bool factorOnPattern();
    void solveOnPattern(MeshVector& re, MeshVector& im) const;
    void refine(SolveStatus& status);
    template <class Number>
    void residual();
    void treeCurrents(SolveStatus& status);
    void solveMeshSystem(SolveStatus& status);

    double& incidence(int row, int column) { return incidence_[row * kIncidenceStride + column]; }

    // The network's counts and branch data, copied so a sweep needs no network.
    int branchCount_ = 0;
    int kclCount_ = 0;
    int opAmpCount_ = 0;
    int meshCount_ = 0;
    int wireRowCount_ = 0;
    int incidenceCount_ = 0;  // K + P + wire rows, then the independent ones among them
    int chordCount_ = 0;
    bool shortCircuit_ = false;
    std::array<double, kMaxBranches> resistance_{};
    std::array<double, kMaxBranches> inductance_{};
    std::array<double, kMaxBranches> capacitance_{};
    std::array<bool, kMaxBranches> reversed_{};
    std::array<SignRow, kMaxKclRows> kclRows_{};
    std::array<SignRow, kMaxOpAmps> opAmpRows_{};
    std::array<SignRow, kMaxMeshes> meshRows_{};  // the rows in use
    // The drawn meshes and the shorter loops equivalent to them, when there are such loops.
    bool shortened_ = false;
    std::array<SignRow, kMaxMeshes> drawnRows_{};
    std::array<SignRow, kMaxMeshes> loopRows_{};
    // The branches of each mesh with their signs, and 1/C, for the residual.
    std::array<std::uint8_t, kMaxMeshes> meshTermCount_{};
    std::array<std::array<std::uint8_t, kMaxBranches>, kMaxMeshes> meshTermBranch_{};
    std::array<SignRow, kMaxMeshes> meshTermSign_{};
    std::array<long double, kMaxBranches> inverseCapacitance_{};
    std::array<std::uint8_t, kMaxBranches> wireRowBranch_{};  // branches with a fixed current 0

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
    // Chord branch per column of the mesh system, the source's sign in each mesh row, and the
    // three real matrices (padding columns 0).
    std::array<std::uint8_t, kMaxMeshes> chordBranch_{};
    std::array<std::int8_t, kMaxMeshes> meshSource_{};
    std::array<std::uint8_t, kMaxMeshes> meshOfRow_{};  // the mesh each row stands for
    alignas(64) MeshPlane meshR_{};
    alignas(64) MeshPlane meshL_{};
    alignas(64) MeshPlane meshInverseC_{};

    // The pattern of the factors when every pivot stays in place: positions in the mesh planes
    // row by row, and per pivot k the rows below it that hold an entry in column k and the
    // columns right of it that hold one in row k. Set when the pattern is sparse enough to pay.
    bool patterned_ = false;
    bool patternFactors_ = false;  // this point's factors lie on the pattern, multipliers in place
    std::array<std::uint16_t, kMaxMeshes + 1> patternBegin_{};
    std::array<std::uint16_t, kMaxMeshes * kMaxMeshes> patternAt_{};
    std::array<std::uint16_t, kMaxMeshes + 1> lowerBegin_{};
    std::array<std::uint8_t, kMaxMeshes * kMaxMeshes> lowerRow_{};
    std::array<std::uint16_t, kMaxMeshes + 1> upperBegin_{};
    std::array<std::uint8_t, kMaxMeshes * kMaxMeshes> upperColumn_{};

    // The scaled mesh system of one frequency and its row scales; its factors: the upper
    // triangle in place of the system, the multipliers apart, the pivot row of each step.
    double omega_ = 0;
    double voltage_ = 0;
    std::array<double, kMaxMeshes> rowScale_{};
    alignas(64) MeshVector rightRe_{};
    alignas(64) MeshVector rightIm_{};
    alignas(64) MeshPlane upperRe_{};
    alignas(64) MeshPlane upperIm_{};
    alignas(64) MeshPlane lowerRe_{};
    alignas(64) MeshPlane lowerIm_{};
    std::array<std::uint8_t, kMaxMeshes> pivotRow_{};
    std::array<bool, kMaxMeshes> zeroPivot_{};
    std::array<double, kMaxMeshes> pivotInverseRe_{};
    std::array<double, kMaxMeshes> pivotInverseIm_{};
    // Per pivot row: the groups of four columns right of the pivot that hold a non-zero entry.
    std::array<std::uint32_t, kMaxMeshes> pivotGroups_{};
    // The chord currents, the correction of the last refinement and the residual.
    alignas(64) MeshVector solutionRe_{};
    alignas(64) MeshVector solutionIm_{};
    alignas(64) MeshVector correctionRe_{};
    alignas(64) MeshVector correctionIm_{};
    std::array<double, kMaxMeshes> chordError_{};
    std::array<double, kMaxBranches> currentRe_{};
    std::array<double, kMaxBranches> currentIm_{};
    std::array<double, kMaxBranches> currentError_{};
};

// The trial solve of the analysis: solves the network with reproducible pseudo-random real
// resistances and sets every branch's reversed flag from the sign of its trial current. The
// branches' R, L, C and X are left as they were.
void assignReferenceDirections(Network& network);

}  // namespace volmira
