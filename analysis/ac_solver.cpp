#include "analysis/ac_solver.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

namespace volmira {
namespace {

double magnitude1(double re, double im) { return std::abs(re) + std::abs(im); }

// d += q * s over `count` complex entries held as separate real and imaginary arrays. Runs in
// groups of four (the rows are padded for it) so that the compiler pairs the operations into
// vector instructions.
void addScaledRow(double* __restrict dr, double* __restrict di, const double* __restrict sr,
                  const double* __restrict si, double qr, double qi, int count) {
    for (int c = 0; c < count; c += 4) {
        const double xr0 = sr[c], xr1 = sr[c + 1], xr2 = sr[c + 2], xr3 = sr[c + 3];
        const double xi0 = si[c], xi1 = si[c + 1], xi2 = si[c + 2], xi3 = si[c + 3];
        dr[c] += qr * xr0 - qi * xi0;
        dr[c + 1] += qr * xr1 - qi * xi1;
        dr[c + 2] += qr * xr2 - qi * xi2;
        dr[c + 3] += qr * xr3 - qi * xi3;
        di[c] += qr * xi0 + qi * xr0;
        di[c + 1] += qr * xi1 + qi * xr1;
        di[c + 2] += qr * xi2 + qi * xr2;
        di[c + 3] += qr * xi3 + qi * xr3;
    }
}

// 1 / p for a non-zero p, scaled so that a tiny |p| does not underflow |p|^2.
std::complex<double> reciprocal(double pr, double pi) {
    double p2 = pr * pr + pi * pi;
    if (p2 >= 1e-300 && std::isfinite(p2)) return {pr / p2, -pi / p2};
    const double scale = std::max(std::abs(pr), std::abs(pi));
    pr /= scale;
    pi /= scale;
    p2 = (pr * pr + pi * pi) * scale;
    return {pr / p2, -pi / p2};
}

// r / d, or nothing when d is zero or the quotient is not a finite number.
bool divide(std::complex<double> r, std::complex<double> d, std::complex<double>& quotient) {
    if (d.real() == 0 && d.imag() == 0) return false;
    const std::complex<double> inv = reciprocal(d.real(), d.imag());
    quotient = {r.real() * inv.real() - r.imag() * inv.imag(),
                r.real() * inv.imag() + r.imag() * inv.real()};
    return std::isfinite(quotient.real()) && std::isfinite(quotient.imag());
}

// The pseudo-random trial resistances: a fixed seed, so a drawing always gets the same
// reference directions.
class TrialSequence {
public:
    int next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<int>(state_ % 29999u);
    }

private:
    std::uint32_t state_ = 0x2545F491u;
};

}  // namespace

bool AcSolver::loadNetwork(const Network& network) {
    const int b = network.branchCount;
    const int k = network.kclCount;
    const int p = network.opAmpCount;
    const int m = network.meshCount;
    // Whether the rows make a square system is known only after the incidence reduction.
    const bool valid = b >= 1 && b <= kMaxBranches && k >= 0 && k <= kMaxKclRows && p >= 0 &&
                       p <= kMaxOpAmps && m >= 0 && m <= kMaxMeshes && k + p <= kMaxBranches;
    if (!valid) {
        branchCount_ = std::clamp(b, 0, kMaxBranches);
        return false;
    }
    branchCount_ = b;
    kclCount_ = k;
    opAmpCount_ = p;
    meshCount_ = m;
    incidenceCount_ = k + p;
    rowCount_ = std::max(b, k + p);
    for (int j = 0; j < b; ++j) {
        const Branch& branch = network.branches[j];
        resistance_[j] = branch.R;
        inductance_[j] = branch.L;
        capacitance_[j] = branch.C;
        reversed_[j] = branch.reversed;
    }
    std::copy_n(network.kclRows.begin(), k, kclRows_.begin());
    std::copy_n(network.opAmpRows.begin(), p, opAmpRows_.begin());
    std::copy_n(network.meshRows.begin(), m, meshRows_.begin());
    return true;
}

bool AcSolver::reactances(double frequency, BranchCurrents& out) const {
    out.reactance.fill(0.0);
    if (!std::isfinite(frequency) || frequency < 0) return false;
    const double omega = kTwoPi * frequency;
    for (int j = 0; j < branchCount_; ++j) {
        double x = omega * inductance_[j];
        if (capacitance_[j] != 0) {
            // A capacitor blocks at f = 0: no finite reactance, no solution of this form.
            if (omega == 0) {
                out.reactance.fill(0.0);
                return false;
            }
            x -= 1.0 / (omega * capacitance_[j]);
        }
        out.reactance[j] = x;
    }
    return true;
}

void AcSolver::clearRows(int first, int last) {
    std::fill(re_.data() + first * kStride, re_.data() + last * kStride, 0.0);
    std::fill(im_.data() + first * kStride, im_.data() + last * kStride, 0.0);
}

void AcSolver::buildIncidenceRows() {
    for (int r = 0; r < incidenceCount_; ++r) {
        const SignRow& row = r < kclCount_ ? kclRows_[r] : opAmpRows_[r - kclCount_];
        for (int c = 0; c < branchCount_; ++c) re(r, c) = row[c];
    }
    for (int c = 0; c < branchCount_; ++c) columnBranch_[c] = static_cast<std::uint8_t>(c);
}

void AcSolver::swapColumns(int a, int b) {
    for (int r = 0; r < rowCount_; ++r) {
        std::swap(re(r, a), re(r, b));
        std::swap(im(r, a), im(r, b));
    }
    std::swap(columnBranch_[a], columnBranch_[b]);
}

void AcSolver::swapRows(int a, int b) {
    std::swap_ranges(&re(a, 0), &re(a, 0) + branchCount_ + 1, &re(b, 0));
    std::swap_ranges(&im(a, 0), &im(a, 0) + branchCount_ + 1, &im(b, 0));
}

void AcSolver::findReplacementPivot(int k, int lastRow) {
    const int m = branchCount_;
    // Column m - 1 belongs to the search too: a row whose only entry stands in the last column
    // (a dead-end branch recorded last) is a sound equation.
    for (int j = k + 1; j < m; ++j) {
        if (magnitude1(re(k, j), im(k, j)) >= kPivotThreshold) {
            swapColumns(k, j);
            return;
        }
    }
    for (int j = k + 1; j < lastRow; ++j) {
        if (magnitude1(re(j, k), im(j, k)) >= kPivotThreshold) {
            swapRows(k, j);
            return;
        }
    }
    if (re(k, k) != 0 || im(k, k) != 0) return;  // small, but it divides
    // An exactly zero pivot: any non-zero entry of the row or the column still gives one.
    int best = -1;
    double largest = 0;
    for (int j = k + 1; j < m; ++j) {
        const double size = magnitude1(re(k, j), im(k, j));
        if (size > largest) largest = size, best = j;
    }
    if (best >= 0) {
        swapColumns(k, best);
        return;
    }
    for (int j = k + 1; j < lastRow; ++j) {
        const double size = magnitude1(re(j, k), im(j, k));
        if (size > largest) largest = size, best = j;
    }
    if (best >= 0) swapRows(k, best);
}

void AcSolver::clearColumn(int k, int firstRow, int lastRow) {
    const std::complex<double> inv = reciprocal(re(k, k), im(k, k));
    const int count = (branchCount_ - k + 3) & ~3;  // columns k + 1 .. rhs and the padding
    for (int i = firstRow; i < lastRow; ++i) {
        if (i == k) continue;
        const double ar = re(i, k);
        const double ai = im(i, k);
        if (ar == 0 && ai == 0) continue;
        const double qr = -(ar * inv.real() - ai * inv.imag());
        const double qi = -(ar * inv.imag() + ai * inv.real());
        addScaledRow(&re(i, k + 1), &im(i, k + 1), &re(k, k + 1), &im(k, k + 1), qr, qi, count);
        re(i, k) = 0;
        im(i, k) = 0;
    }
}

void AcSolver::eliminate(int firstPivot, int lastPivot, int firstRow, int lastRow,
                         SolveStatus& status) {
    for (int k = firstPivot; k < lastPivot; ++k) {
        if (magnitude1(re(k, k), im(k, k)) < kPivotThreshold) findReplacementPivot(k, lastRow);
        if (re(k, k) == 0 && im(k, k) == 0) {
            ++status.zeroPivots;
            continue;
        }
        clearColumn(k, firstRow, lastRow);
    }
}

bool AcSolver::reduceIncidence() {
    int rows = kclCount_ + opAmpCount_;
    int k = 0;
    while (k < rows && k < branchCount_) {
        if (magnitude1(re(k, k), im(k, k)) < kPivotThreshold) findReplacementPivot(k, rows);
        if (re(k, k) == 0 && im(k, k) == 0) {
            // Nothing is left of this row: it repeats the others (or was empty, like the row of
            // a ground node without branches) and adds no equation.
            swapRows(k, rows - 1);
            --rows;
            continue;
        }
        clearColumn(k, 0, rows);
        ++k;
    }
    incidenceCount_ = k;  // rows past the last column are empty as well
    return incidenceCount_ + meshCount_ == branchCount_;
}

void AcSolver::currentsFromDiagonal(int firstColumn, SolveStatus& status,
                                    BranchCurrents& out) const {
    const int rhs = branchCount_;
    for (int c = firstColumn; c < branchCount_; ++c) {
        const int offset = c * kStride;
        std::complex<double> current;
        if (!divide({re_[offset + rhs], im_[offset + rhs]}, {re_[offset + c], im_[offset + c]},
                    current)) {
            current = 0;
            ++status.undefinedCurrents;
        }
        out.current[columnBranch_[c]] = current;
    }
}

void AcSolver::applyReferenceDirections(BranchCurrents& out) const {
    for (int j = 0; j < branchCount_; ++j)
        if (reversed_[j]) out.current[j] = -out.current[j];
}

SolveStatus AcSolver::solve(Network& network, double frequency, double voltage,
                            BranchCurrents& out) {
    SolveStatus status;
    out.current.fill(0.0);
    prepared_ = false;  // the store is reused below
    const bool loaded = loadNetwork(network);
    const bool frequencyOk = loaded && reactances(frequency, out);
    for (int j = 0; j < branchCount_; ++j) network.branches[j].X = out.reactance[j];
    if (!frequencyOk || !std::isfinite(voltage)) {
        status.noResult = true;
        return status;
    }
    const int b = branchCount_;
    clearRows(0, rowCount_);
    buildIncidenceRows();
    if (!reduceIncidence()) {
        // Too few independent equations: some currents are not determined.
        status.noResult = true;
        return status;
    }
    const int n = incidenceCount_;

    std::array<std::uint8_t, kMaxBranches> columnOf{};
    for (int c = 0; c < b; ++c) columnOf[columnBranch_[c]] = static_cast<std::uint8_t>(c);
    for (int m = 1; m <= meshCount_; ++m) {
        const int row = b - m;
        const SignRow& signs = meshRows_[m - 1];
        for (int j = 0; j < b; ++j) {
            if (signs[j] == 0) continue;
            re(row, columnOf[j]) = signs[j] * resistance_[j];
            im(row, columnOf[j]) = signs[j] * out.reactance[j];
        }
        re(row, b) = voltage;
    }
    // The mesh rows are reduced by every pivot; the incidence rows need not be: once the mesh
    // currents are known each of them gives its own variable (fewer operations, and less
    // rounding in networks whose impedances span many decades).
    eliminate(0, b, n, b, status);
    currentsFromDiagonal(n, status, out);
    for (int k = 0; k < n; ++k) {
        std::complex<double> sum = 0;
        for (int c = n; c < b; ++c) {
            if (re(k, c) != 0) sum += re(k, c) * out.current[columnBranch_[c]];
        }
        out.current[columnBranch_[k]] = -sum * reciprocal(re(k, k), 0.0).real();
    }
    applyReferenceDirections(out);
    return status;
}

void AcSolver::prepareSweep(const Network& network) {
    prepared_ = true;
    preparedNoResult_ = false;
    if (!loadNetwork(network)) {
        preparedNoResult_ = true;
        return;
    }
    const int b = branchCount_;
    clearRows(0, rowCount_);
    buildIncidenceRows();
    if (!reduceIncidence()) {
        preparedNoResult_ = true;
        return;
    }
    preparedColumnBranch_ = columnBranch_;
    for (int c = 0; c < b; ++c) preparedColumnOf_[columnBranch_[c]] = static_cast<std::uint8_t>(c);
    prepareIncidenceEntries();
    for (int m = 0; m < meshCount_; ++m) {
        int count = 0;
        for (int j = 0; j < b; ++j) {
            if (meshRows_[m][j] == 0) continue;
            meshTerms_[m][count++] = {static_cast<std::uint8_t>(j), meshRows_[m][j]};
        }
        meshTermCount_[m] = static_cast<std::uint8_t>(count);
    }
}

void AcSolver::prepareIncidenceEntries() {
    const int b = branchCount_;
    const int n = incidenceCount_;
    for (int k = 0; k < n; ++k) {
        // Incidence rows stay real; the same reciprocal as the elimination's keeps the two forms
        // equal operation for operation on the mesh rows.
        incidenceInverse_[k] = reciprocal(re(k, k), 0.0).real();
        incidenceBranch_[k] = columnBranch_[k];
        int count = 0;
        for (int c = n; c < b; ++c) {
            if (re(k, c) == 0) continue;
            incidenceEntries_[k][count++] = {static_cast<std::uint8_t>(c), re(k, c)};
        }
        incidenceEntryCount_[k] = static_cast<std::uint8_t>(count);
    }
}

SolveStatus AcSolver::solveSweepPoint(double frequency, double voltage, BranchCurrents& out) {
    SolveStatus status;
    out.current.fill(0.0);
    if (!prepared_ || preparedNoResult_) {
        out.reactance.fill(0.0);
        status.noResult = true;
        return status;
    }
    if (!reactances(frequency, out) || !std::isfinite(voltage)) {
        status.noResult = true;
        return status;
    }
    const int b = branchCount_;
    const int n = incidenceCount_;
    columnBranch_ = preparedColumnBranch_;

    // The mesh rows, then their reduction by the incidence rows in the complete solve's order of
    // operations, over the incidence rows' non-zero entries only.
    for (int m = 1; m <= meshCount_; ++m) {
        const int row = b - m;
        std::fill_n(&re(row, 0), kStride, 0.0);
        std::fill_n(&im(row, 0), kStride, 0.0);
        for (int t = 0; t < meshTermCount_[m - 1]; ++t) {
            const MeshTerm term = meshTerms_[m - 1][t];
            const int column = preparedColumnOf_[term.branch];
            re(row, column) = term.sign * resistance_[term.branch];
            im(row, column) = term.sign * out.reactance[term.branch];
        }
        re(row, b) = voltage;
        im(row, b) = 0;
    }
    for (int k = 0; k < n; ++k) {
        const double inverse = incidenceInverse_[k];
        for (int row = n; row < b; ++row) {
            const double ar = re(row, k);
            const double ai = im(row, k);
            if (ar == 0 && ai == 0) continue;
            const double qr = -(ar * inverse);
            const double qi = -(ai * inverse);
            for (int e = 0; e < incidenceEntryCount_[k]; ++e) {
                const Entry entry = incidenceEntries_[k][e];
                re(row, entry.column) += qr * entry.value;
                im(row, entry.column) += qi * entry.value;
            }
            re(row, k) = 0;
            im(row, k) = 0;
        }
    }
    eliminate(n, b, n, b, status);
    currentsFromDiagonal(n, status, out);

    // Back to the incidence rows: each gives its variable from the mesh columns' currents.
    for (int k = 0; k < n; ++k) {
        std::complex<double> sum = 0;
        for (int e = 0; e < incidenceEntryCount_[k]; ++e) {
            const Entry entry = incidenceEntries_[k][e];
            sum += entry.value * out.current[preparedColumnBranch_[entry.column]];
        }
        out.current[incidenceBranch_[k]] = -sum * incidenceInverse_[k];
    }
    applyReferenceDirections(out);
    return status;
}

void assignReferenceDirections(Network& network) {
    struct Sums {
        double R, L, C, X;
    };
    const int b = std::clamp(network.branchCount, 0, kMaxBranches);
    std::array<Sums, kMaxBranches> saved{};
    TrialSequence sequence;
    for (int j = 0; j < b; ++j) {
        Branch& branch = network.branches[j];
        saved[j] = {branch.R, branch.L, branch.C, branch.X};
        branch.R = sequence.next() + j + 1;
        branch.L = branch.C = branch.X = 0;
        branch.reversed = false;
    }
    auto solver = std::make_unique<AcSolver>();
    auto currents = std::make_unique<BranchCurrents>();
    solver->solve(network, 0.0, 1.0, *currents);
    for (int j = 0; j < b; ++j) {
        Branch& branch = network.branches[j];
        branch.reversed = currents->current[j].real() < 0;
        branch.R = saved[j].R;
        branch.L = saved[j].L;
        branch.C = saved[j].C;
        branch.X = saved[j].X;
    }
}

}  // namespace volmira
