#include "analysis/poles_zeros.h"

#include <Eigen/Dense>
#include <Eigen/Eigenvalues>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "analysis/ac_solver.h"

namespace volmira {

namespace {

using Matrix = Eigen::MatrixXd;

// Node slots: 1..N, ground N + 1, and the source's second terminal, which the analysis merges
// into node 1, kept apart.
constexpr int kSecondTerminal = kMaxNumberedNodes + 2;
constexpr int kNodeSlots = kSecondTerminal + 1;

// An eigenvalue beyond this many times the network's own rate stands for an infinite one.
constexpr double kInfiniteRatio = 1e9;
// A multiple root at 0 splits into a small star of about the cube root of the rounding: an
// eigenvalue this far below the network's rate is 0.
constexpr double kZeroRatio = 1e-7;
// A part this small beside the eigenvalue's size is rounding.
constexpr double kAxisShare = 1e-10;
// A pole and a zero this close (relative to their size, or to the network's rate near 0) cancel.
constexpr double kCancelShare = 1e-6;

constexpr std::string_view kShortedSource = "Die Spannungsquelle ist kurzgeschlossen.";
constexpr std::string_view kNoUniqueSolution =
    "Das Netzwerk hat keine eindeutige L\xC3\xB6sung (kurzgeschlossene oder freie Teile).";
constexpr std::string_view kNoCurrent =
    "Der Zweig enth\xC3\xA4lt kein Bauteil; sein Strom ist keine eigene Gr\xC3\xB6\xC3\x9F"
    "e der Gleichungen.";
constexpr std::string_view kZeroTransfer =
    "Die \xC3\x9C"
    "bertragungsfunktion zu diesem Zweig ist 0.";

class NodeGroups {
  public:
    NodeGroups() {
        for (int n = 0; n < kNodeSlots; ++n) parent_[std::size_t(n)] = n;
    }
    int root(int n) const {
        while (parent_[std::size_t(n)] != n) n = parent_[std::size_t(n)];
        return n;
    }
    void join(int a, int b) { parent_[std::size_t(root(a))] = root(b); }

  private:
    std::array<int, kNodeSlots> parent_;
};

// The equations (A + sigma B) x = b Ue with s = rate * sigma, currents scaled by an impedance
// level: both chosen from the network's values so that the entries lie near 1.
struct Pencil {
    Matrix a, b;
    Eigen::VectorXd source;
    Eigen::VectorXd output;
    double rate = 1;
};

double geometricMean(const std::vector<double>& values) {
    if (values.empty()) return 1;
    double sum = 0;
    for (double v : values) sum += std::log(v);
    return std::exp(sum / double(values.size()));
}

class PencilBuilder {
  public:
    explicit PencilBuilder(const Network& network) : network_(network) {}

    std::string_view build(int outputBranch, TransferOutput output, Pencil& pencil) {
        const int b = network_.branchCount;
        for (int p = 0; p < network_.opAmpCount; ++p)
            nullator_[std::size_t(network_.opAmps[std::size_t(p)].inputBranch - 1)] = true;
        std::vector<double> resistances, rates;
        for (int k = 1; k <= b; ++k) {
            const Branch& branch = network_.branch(k);
            if (nullator_[std::size_t(k - 1)]) continue;
            if (isWire(branch)) {
                groups_.join(ends(k).first, ends(k).second);
                continue;
            }
            if (branch.R > 0) resistances.push_back(branch.R);
        }
        const double level = geometricMean(resistances);
        for (int k = 1; k <= b; ++k) {
            const Branch& branch = network_.branch(k);
            if (nullator_[std::size_t(k - 1)] || isWire(branch)) continue;
            if (branch.L > 0) rates.push_back(level / branch.L);
            if (branch.C > 0) rates.push_back(1 / (level * branch.C));
        }
        const double rate = geometricMean(rates);
        reference_ = groups_.root(kSecondTerminal);
        if (groups_.root(1) == reference_) return kShortedSource;

        // Unknowns: the group potentials, the source current, the op-amps' output currents,
        // then per branch with components its current and, with a capacitor, its voltage.
        std::array<bool, kNodeSlots> used{};
        for (int k = 1; k <= b; ++k)
            used[std::size_t(ends(k).first)] = used[std::size_t(ends(k).second)] = true;
        index_.fill(-1);
        int n = 0;
        for (int node = 1; node < kNodeSlots; ++node) {
            const int r = groups_.root(node);
            if (used[std::size_t(node)] && r != reference_ && index_[std::size_t(r)] < 0)
                index_[std::size_t(r)] = n++;
        }
        const int sourceRow = n++;
        const int firstOpAmp = n;
        n += network_.opAmpCount;
        std::array<int, kMaxBranches> current{}, capacitor{};
        for (int k = 1; k <= b; ++k) {
            current[std::size_t(k - 1)] = capacitor[std::size_t(k - 1)] = -1;
            const Branch& branch = network_.branch(k);
            if (nullator_[std::size_t(k - 1)] || isWire(branch)) continue;
            current[std::size_t(k - 1)] = n++;
            if (branch.C > 0) capacitor[std::size_t(k - 1)] = n++;
        }
        pencil.a = Matrix::Zero(n, n);
        pencil.b = Matrix::Zero(n, n);
        pencil.source = Eigen::VectorXd::Zero(n);
        pencil.output = Eigen::VectorXd::Zero(n);
        pencil.rate = rate;
        Matrix& A = pencil.a;
        Matrix& B = pencil.b;
        auto stamp = [](Matrix& m, int row, int column, double value) {
            if (row >= 0 && column >= 0) m(row, column) += value;
        };

        // The source drives its current out of node 1 and takes it back at its second terminal.
        stamp(A, at(1), sourceRow, -1);
        stamp(A, at(kSecondTerminal), sourceRow, 1);
        stamp(A, sourceRow, at(1), 1);
        stamp(A, sourceRow, at(kSecondTerminal), -1);
        pencil.source(sourceRow) = 1;
        for (int p = 0; p < network_.opAmpCount; ++p) {
            const OpAmp& opAmp = network_.opAmps[std::size_t(p)];
            const int column = firstOpAmp + p;
            stamp(A, at(opAmp.outputNode), column, -1);
            stamp(A, at(network_.opAmpReferenceNode), column, 1);
            stamp(A, column, at(opAmp.nonInvertingNode), 1);
            stamp(A, column, at(opAmp.invertingNode), -1);
        }
        for (int k = 1; k <= b; ++k) {
            const int i = current[std::size_t(k - 1)];
            if (i < 0) continue;
            const Branch& branch = network_.branch(k);
            const auto [from, to] = ends(k);
            stamp(A, at(from), i, 1);
            stamp(A, at(to), i, -1);
            // U(from) - U(to) = (R + s L) I + Uc, and I = s C Uc.
            stamp(A, i, at(from), 1);
            stamp(A, i, at(to), -1);
            A(i, i) = -branch.R / level;
            B(i, i) = -rate * branch.L / level;
            const int c = capacitor[std::size_t(k - 1)];
            if (c < 0) continue;
            A(i, c) = -1;
            A(c, i) = 1;
            B(c, c) = -rate * level * branch.C;
        }

        if (output == TransferOutput::Current) {
            const int i = current[std::size_t(outputBranch - 1)];
            if (i < 0) return kNoCurrent;
            pencil.output(i) = 1;
        } else {
            const auto [from, to] = ends(outputBranch);
            if (at(from) >= 0) pencil.output(at(from)) += 1;
            if (at(to) >= 0) pencil.output(at(to)) -= 1;
            if (pencil.output.isZero()) return kZeroTransfer;
        }
        return {};
    }

  private:
    static bool isWire(const Branch& branch) {
        return branch.R == 0 && branch.L == 0 && branch.C == 0;
    }
    // The branch's end nodes; branch 2 leaves the source's second terminal.
    std::pair<int, int> ends(int k) const {
        const Branch& branch = network_.branch(k);
        const int start = k == 2 && branch.startNode == 1 ? kSecondTerminal : branch.startNode;
        return {start, branch.endNode};
    }
    int at(int node) const { return node > 0 ? index_[std::size_t(groups_.root(node))] : -1; }

    const Network& network_;
    NodeGroups groups_;
    int reference_ = 0;
    std::array<bool, kMaxBranches> nullator_{};
    std::array<int, kNodeSlots> index_{};
};

// Whether A + sigma B is singular for every sigma: tested at a point no network value favours.
bool singularPencil(const Matrix& a, const Matrix& b) {
    const std::complex<double> sigma(0.6180339887, 0.7548776662);
    const Eigen::MatrixXcd m =
        a.cast<std::complex<double>>() + sigma * b.cast<std::complex<double>>();
    Eigen::FullPivLU<Eigen::MatrixXcd> lu(m);
    lu.setThreshold(1e-10);
    return !lu.isInvertible();
}

// The finite eigenvalues s of (A + sigma B) x = 0, s = rate * sigma.
std::vector<Singularity> finiteEigenvalues(const Matrix& a, const Matrix& b, double rate) {
    std::vector<Singularity> out;
    if (a.rows() == 0) return out;
    Eigen::GeneralizedEigenSolver<Matrix> solver;
    solver.compute(a, Matrix(-b), false);
    const auto alphas = solver.alphas();
    const auto betas = solver.betas();
    for (Eigen::Index i = 0; i < alphas.size(); ++i) {
        const double beta = betas(i);
        if (beta == 0 || std::abs(alphas(i)) > kInfiniteRatio * std::fabs(beta)) continue;
        std::complex<double> s = rate * alphas(i) / beta;
        if (std::abs(s) < kZeroRatio * rate) s = 0;
        // Real eigenvalues come out with an imaginary part of rounding size, those on the
        // imaginary axis with such a real part.
        if (std::fabs(s.imag()) <= kAxisShare * std::abs(s)) s.imag(0);
        if (std::fabs(s.real()) <= kAxisShare * std::abs(s)) s.real(0);
        out.push_back({s, false});
    }
    std::sort(out.begin(), out.end(), [](const Singularity& x, const Singularity& y) {
        const double ax = std::abs(x.s), ay = std::abs(y.s);
        if (ax != ay) return ax < ay;
        return x.s.imag() > y.s.imag();
    });
    return out;
}

void markCancellations(PolesAndZeros& result, double rate) {
    for (Singularity& zero : result.zeros) {
        for (Singularity& pole : result.poles) {
            if (pole.cancelled) continue;
            const double scale = std::abs(pole.s) + std::abs(zero.s) + 1e-3 * rate;
            if (std::abs(pole.s - zero.s) > kCancelShare * scale) continue;
            pole.cancelled = zero.cancelled = true;
            break;
        }
    }
}

}  // namespace

PolesAndZeros polesAndZeros(const Network& network, int branch, TransferOutput output) {
    PolesAndZeros result;
    Pencil pencil;
    PencilBuilder builder(network);
    if (branch < 1 || branch > network.branchCount) {
        result.refusal = kZeroTransfer;
        return result;
    }
    if (std::string_view refusal = builder.build(branch, output, pencil); !refusal.empty()) {
        result.refusal = refusal;
        return result;
    }
    if (singularPencil(pencil.a, pencil.b)) {
        result.refusal = kNoUniqueSolution;
        return result;
    }
    // The pencil bordered by the source column and the output row: its determinant is the
    // numerator of the transfer function.
    const Eigen::Index n = pencil.a.rows();
    Matrix a = Matrix::Zero(n + 1, n + 1), b = Matrix::Zero(n + 1, n + 1);
    a.topLeftCorner(n, n) = pencil.a;
    a.topRightCorner(n, 1) = pencil.source;
    a.bottomLeftCorner(1, n) = pencil.output.transpose();
    b.topLeftCorner(n, n) = pencil.b;
    if (singularPencil(a, b)) {
        result.refusal = kZeroTransfer;
        return result;
    }
    result.poles = finiteEigenvalues(pencil.a, pencil.b, pencil.rate);
    result.zeros = finiteEigenvalues(a, b, pencil.rate);
    markCancellations(result, pencil.rate);
    return result;
}

NaturalMode naturalMode(std::complex<double> s) {
    NaturalMode mode;
    const double size = std::abs(s);
    mode.frequency = size / kTwoPi;
    mode.pair = s.imag() != 0;
    if (size > 0) {
        mode.hasDamping = true;
        mode.damping = -s.real() / size;
    }
    if (mode.pair) {
        mode.hasQuality = true;
        mode.quality =
            s.real() == 0 ? std::numeric_limits<double>::infinity() : size / (-2 * s.real());
    }
    return mode;
}

std::vector<Singularity> listedOnce(const std::vector<Singularity>& all) {
    std::vector<Singularity> out;
    for (const Singularity& x : all)
        if (x.s.imag() >= 0) out.push_back(x);
    return out;
}

}  // namespace volmira
