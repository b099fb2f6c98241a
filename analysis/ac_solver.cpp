#include "analysis/ac_solver.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>

namespace volmira {
namespace {

double magnitude1(double re, double im) {
    return std::abs(re) + std::abs(im);
}

// d += q * s over `count` entries, count a multiple of four: written in groups of four so that
// the compiler pairs the operations into vector instructions.
void addScaledRealRow(double* __restrict d, const double* __restrict s, double q, int count) {
    for (int c = 0; c < count; c += 4) {
        d[c] += q * s[c];
        d[c + 1] += q * s[c + 1];
        d[c + 2] += q * s[c + 2];
        d[c + 3] += q * s[c + 3];
    }
}

// The same for complex entries held as separate real and imaginary arrays.
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

// d = a * x + b * y over `count` entries, count a multiple of four.
void combineRows(double* __restrict d, const double* __restrict x, double a,
                 const double* __restrict y, double b, int count) {
    for (int c = 0; c < count; c += 4) {
        d[c] = a * x[c] + b * y[c];
        d[c + 1] = a * x[c + 1] + b * y[c + 1];
        d[c + 2] = a * x[c + 2] + b * y[c + 2];
        d[c + 3] = a * x[c + 3] + b * y[c + 3];
    }
}

// d = a * x over `count` entries, count a multiple of four.
void scaleRow(double* __restrict d, const double* __restrict x, double a, int count) {
    for (int c = 0; c < count; c += 4) {
        d[c] = a * x[c];
        d[c + 1] = a * x[c + 1];
        d[c + 2] = a * x[c + 2];
        d[c + 3] = a * x[c + 3];
    }
}

// d += q * s + q2 * s2, in that order, for complex entries as in addScaledRow. The rows start
// at a group of four in rows of a multiple of four, 32-byte aligned.
void addScaledRows(double* __restrict dr, double* __restrict di, const double* __restrict sr,
                   const double* __restrict si, double qr, double qi, const double* __restrict s2r,
                   const double* __restrict s2i, double q2r, double q2i, int count) {
    dr = static_cast<double*>(__builtin_assume_aligned(dr, 32));
    di = static_cast<double*>(__builtin_assume_aligned(di, 32));
    sr = static_cast<const double*>(__builtin_assume_aligned(sr, 32));
    si = static_cast<const double*>(__builtin_assume_aligned(si, 32));
    s2r = static_cast<const double*>(__builtin_assume_aligned(s2r, 32));
    s2i = static_cast<const double*>(__builtin_assume_aligned(s2i, 32));
    for (int c = 0; c < count; c += 2) {
        const double xr0 = sr[c], xr1 = sr[c + 1], xi0 = si[c], xi1 = si[c + 1];
        const double yr0 = s2r[c], yr1 = s2r[c + 1], yi0 = s2i[c], yi1 = s2i[c + 1];
        dr[c] = (dr[c] + (qr * xr0 - qi * xi0)) + (q2r * yr0 - q2i * yi0);
        dr[c + 1] = (dr[c + 1] + (qr * xr1 - qi * xi1)) + (q2r * yr1 - q2i * yi1);
        di[c] = (di[c] + (qr * xi0 + qi * xr0)) + (q2r * yi0 + q2i * yr0);
        di[c + 1] = (di[c + 1] + (qr * xi1 + qi * xr1)) + (q2r * yi1 + q2i * yr1);
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

constexpr std::uint8_t kNoColumn = 0xFF;

// The pivot search for a pivot (k, k) below the threshold: the first later column of row k that
// reaches it, else the first later row of column k. A pivot that is exactly 0 when neither
// exists takes the largest entry of its row, else of its column: it still divides. Column
// `columns - 1` belongs to the search too: a row whose only entry stands in the last column (a
// dead-end branch recorded last) is a sound equation.
template <class Size, class SwapColumns, class SwapRows>
void findPivot(int k, int columns, int rows, Size size, SwapColumns swapColumns,
               SwapRows swapRows) {
    for (int j = k + 1; j < columns; ++j) {
        if (size(k, j) >= kPivotThreshold) return swapColumns(k, j);
    }
    for (int j = k + 1; j < rows; ++j) {
        if (size(j, k) >= kPivotThreshold) return swapRows(k, j);
    }
    if (size(k, k) != 0) return;
    int best = -1;
    double largest = 0;
    for (int j = k + 1; j < columns; ++j)
        if (size(k, j) > largest) largest = size(k, j), best = j;
    if (best >= 0) return swapColumns(k, best);
    for (int j = k + 1; j < rows; ++j)
        if (size(j, k) > largest) largest = size(j, k), best = j;
    if (best >= 0) swapRows(k, best);
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
                       p <= kMaxOpAmps && m >= 0 && m <= kMaxMeshes;
    if (!valid) {
        branchCount_ = std::clamp(b, 0, kMaxBranches);
        return false;
    }
    branchCount_ = b;
    kclCount_ = k;
    opAmpCount_ = p;
    meshCount_ = m;
    incidenceCount_ = k + p;
    anyInductance_ = anyCapacitance_ = false;
    for (int j = 0; j < b; ++j) {
        const Branch& branch = network.branches[j];
        resistance_[j] = branch.R;
        inductance_[j] = branch.L;
        capacitance_[j] = branch.C;
        reversed_[j] = branch.reversed;
        anyInductance_ = anyInductance_ || branch.L != 0;
        anyCapacitance_ = anyCapacitance_ || branch.C != 0;
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

void AcSolver::swapIncidenceColumns(int a, int b) {
    for (int r = 0; r < kclCount_ + opAmpCount_; ++r) std::swap(incidence(r, a), incidence(r, b));
    std::swap(columnBranch_[a], columnBranch_[b]);
}

void AcSolver::swapIncidenceRows(int a, int b) {
    std::swap_ranges(&incidence(a, 0), &incidence(a, 0) + kIncidenceStride, &incidence(b, 0));
}

void AcSolver::findIncidencePivot(int k, int rows) {
    findPivot(
        k, branchCount_, rows, [this](int r, int c) { return std::abs(incidence(r, c)); },
        [this](int a, int b) { swapIncidenceColumns(a, b); },
        [this](int a, int b) { swapIncidenceRows(a, b); });
}

bool AcSolver::reduceIncidence() {
    const int b = branchCount_;
    int rows = kclCount_ + opAmpCount_;
    for (int r = 0; r < rows; ++r) {
        const SignRow& row = r < kclCount_ ? kclRows_[r] : opAmpRows_[r - kclCount_];
        double* entries = &incidence(r, 0);
        std::fill_n(entries, kIncidenceStride, 0.0);
        for (int c = 0; c < b; ++c) entries[c] = row[c];
    }
    for (int c = 0; c < b; ++c) columnBranch_[c] = static_cast<std::uint8_t>(c);

    const int end = (b + 3) & ~3;
    int k = 0;
    while (k < rows && k < b) {
        if (std::abs(incidence(k, k)) < kPivotThreshold) findIncidencePivot(k, rows);
        const double pivot = incidence(k, k);
        if (pivot == 0) {
            // Nothing is left of this row: it repeats the others (or was empty, like the row of
            // a ground node without branches) and adds no equation.
            swapIncidenceRows(k, rows - 1);
            --rows;
            continue;
        }
        // Gauss-Jordan: every other row loses its entry in column k. The pivot row is 0 left of
        // k, so the groups of four may start there.
        const double inverse = 1 / pivot;
        const int first = k & ~3;
        for (int i = 0; i < rows; ++i) {
            if (i == k || incidence(i, k) == 0) continue;
            addScaledRealRow(&incidence(i, first), &incidence(k, first), -incidence(i, k) * inverse,
                             end - first);
            incidence(i, k) = 0;
        }
        ++k;
    }
    incidenceCount_ = k;  // rows past the last column are empty as well
    return incidenceCount_ + meshCount_ == branchCount_;
}

void AcSolver::prepareTreeRows() {
    const int n = incidenceCount_;
    for (int k = 0; k < n; ++k) {
        // Row k reads d * I(tree) + sum of e * I(chord) = 0, the chords being columns n onward.
        const double inverse = 1 / incidence(k, k);
        treeBranch_[k] = columnBranch_[k];
        int count = 0;
        for (int c = n; c < branchCount_; ++c) {
            if (incidence(k, c) == 0) continue;
            treeCoefficient_[k][count] = -incidence(k, c) * inverse;
            treeChord_[k][count] = columnBranch_[c];
            ++count;
        }
        treeTermCount_[k] = static_cast<std::uint8_t>(count);
    }
}

void AcSolver::collectMeshMatrices() {
    const int n = incidenceCount_;
    const int m = meshCount_;
    const int stride = meshStride_;
    std::fill_n(meshR_.begin(), m * stride, 0.0);
    std::fill_n(meshL_.begin(), m * stride, 0.0);
    std::fill_n(meshInverseC_.begin(), m * stride, 0.0);
    std::array<std::uint8_t, kMaxBranches> chordColumn;
    std::array<std::uint8_t, kMaxBranches> treeRow;
    chordColumn.fill(kNoColumn);
    treeRow.fill(kNoColumn);
    for (int c = 0; c < m; ++c) {
        preparedChordBranch_[c] = columnBranch_[n + c];
        chordColumn[columnBranch_[n + c]] = static_cast<std::uint8_t>(c);
    }
    for (int k = 0; k < n; ++k) treeRow[treeBranch_[k]] = static_cast<std::uint8_t>(k);

    // Mesh m (counted from 1) is row M - m, as the equation store of the branch-current method
    // has it: the rows keep that order up to the pivot search.
    for (int i = 0; i < m; ++i) {
        const SignRow& signs = meshRows_[m - 1 - i];
        double* rowR = &meshR_[i * stride];
        double* rowL = &meshL_[i * stride];
        double* rowC = &meshInverseC_[i * stride];
        for (int j = 0; j < branchCount_; ++j) {
            if (signs[j] == 0) continue;
            const double r = signs[j] * resistance_[j];
            const double l = signs[j] * inductance_[j];
            const double c = capacitance_[j] != 0 ? signs[j] / capacitance_[j] : 0.0;
            if (r == 0 && l == 0 && c == 0) continue;  // a wire
            if (chordColumn[j] != kNoColumn) {
                rowR[chordColumn[j]] += r;
                rowL[chordColumn[j]] += l;
                rowC[chordColumn[j]] += c;
                continue;
            }
            const int k = treeRow[j];
            for (int t = 0; t < treeTermCount_[k]; ++t) {
                const int column = chordColumn[treeChord_[k][t]];
                const double coefficient = treeCoefficient_[k][t];
                rowR[column] += r * coefficient;
                rowL[column] += l * coefficient;
                rowC[column] += c * coefficient;
            }
        }
    }
}

// Orders the rows and columns of the mesh system once, as the pivot search of every point
// would order them: many entries of the mesh system cancel to 0 or to rounding noise at every
// frequency (sums of resistances of overlapping meshes), and their replacement would be the same
// column swaps at every point. The search runs here on a real stand-in, R + g X at a frequency
// that weighs the parts alike (g keeps R and X from cancelling by chance), and the order it ends
// with is the start of every point; there the search finds nothing to do unless a value happens
// to be tiny at that frequency. Swaps commute with the row operations, so each point computes
// what it would have computed from the unordered system with the same swaps.
void AcSolver::orderMeshSystem() {
    const int m = meshCount_;
    const int s = meshStride_;
    const int count = m * s;
    auto largest = [count](const MeshPlane& plane) {
        double size = 0;
        for (int at = 0; at < count; ++at) size = std::max(size, std::abs(plane[at]));
        return size;
    };
    const double sizeR = largest(meshR_);
    const double sizeL = largest(meshL_);
    const double sizeC = largest(meshInverseC_);
    double omega = 1;
    if (sizeL > 0 && sizeC > 0) {
        omega = std::sqrt(sizeC / sizeL);  // wL = 1/(wC)
    } else if (sizeR > 0 && sizeC > 0) {
        omega = sizeC / sizeR;  // R = 1/(wC)
    } else if (sizeR > 0 && sizeL > 0) {
        omega = sizeR / sizeL;  // R = wL
    }
    constexpr double g = 0.7548776662466927;
    combineRows(re_.data(), meshL_.data(), g * omega, meshInverseC_.data(), -g / omega, count);
    addScaledRealRow(re_.data(), meshR_.data(), 1.0, count);

    std::array<std::uint8_t, kMaxMeshes> rowOrder;
    std::array<std::uint8_t, kMaxMeshes> columnOrder;
    for (int i = 0; i < m; ++i) rowOrder[i] = columnOrder[i] = static_cast<std::uint8_t>(i);
    for (int k = 0; k < m; ++k) {
        if (std::abs(re_[k * s + k]) < kPivotThreshold) {
            findPivot(
                k, m, m, [&](int r, int c) { return std::abs(re_[r * s + c]); },
                [&](int a, int b) {
                    for (int i = 0; i < m; ++i) std::swap(re_[i * s + a], re_[i * s + b]);
                    std::swap(columnOrder[a], columnOrder[b]);
                },
                [&](int a, int b) {
                    std::swap_ranges(&re_[a * s], &re_[(a + 1) * s], &re_[b * s]);
                    std::swap(rowOrder[a], rowOrder[b]);
                });
        }
        const double pivot = re_[k * s + k];
        if (pivot == 0) continue;
        const int first = (k + 1) & ~3;
        for (int i = k + 1; i < m; ++i) {
            const double a = re_[i * s + k];
            if (a != 0)
                addScaledRealRow(&re_[i * s + first], &re_[k * s + first], -a / pivot, s - first);
        }
    }

    const std::array<std::uint8_t, kMaxMeshes> chords = preparedChordBranch_;
    for (int c = 0; c < m; ++c) preparedChordBranch_[c] = chords[columnOrder[c]];
    for (MeshPlane* plane : {&meshR_, &meshL_, &meshInverseC_}) {
        std::copy_n(plane->begin(), count, im_.begin());
        for (int i = 0; i < m; ++i)
            for (int c = 0; c < m; ++c) (*plane)[i * s + c] = im_[rowOrder[i] * s + columnOrder[c]];
    }
}

bool AcSolver::prepare(const Network& network) {
    loaded_ = loadNetwork(network);
    if (!loaded_ || !reduceIncidence()) return false;
    meshStride_ = (meshCount_ + 1 + 3) & ~3;
    prepareTreeRows();
    collectMeshMatrices();
    orderMeshSystem();
    return true;
}

void AcSolver::prepareSweep(const Network& network) {
    prepared_ = true;
    preparedNoResult_ = !prepare(network);
}

void AcSolver::buildMeshSystem(double omega, double voltage) {
    const int m = meshCount_;
    const int count = m * meshStride_;
    std::copy_n(meshR_.begin(), count, re_.begin());
    if (anyInductance_ && anyCapacitance_) {
        combineRows(im_.data(), meshL_.data(), omega, meshInverseC_.data(), -1 / omega, count);
    } else if (anyInductance_ || anyCapacitance_) {
        const MeshPlane& plane = anyInductance_ ? meshL_ : meshInverseC_;
        const double factor = anyInductance_ ? omega : -1 / omega;
        scaleRow(im_.data(), plane.data(), factor, count);
    } else {
        std::fill_n(im_.begin(), count, 0.0);
    }
    for (int i = 0; i < m; ++i) re_[i * meshStride_ + m] = voltage;
    std::copy_n(preparedChordBranch_.begin(), m, chordBranch_.begin());
}

void AcSolver::swapMeshColumns(int a, int b) {
    // The pivot rows above keep their entries of both columns: their groups of non-zero entries
    // take both groups where they had either.
    const std::uint32_t both = std::uint32_t{1} << (a >> 2) | std::uint32_t{1} << (b >> 2);
    for (int i = 0; i < a; ++i)
        if ((pivotGroups_[i] & both) != 0) pivotGroups_[i] |= both;
    for (int i = 0; i < meshCount_; ++i) {
        std::swap(re_[i * meshStride_ + a], re_[i * meshStride_ + b]);
        std::swap(im_[i * meshStride_ + a], im_[i * meshStride_ + b]);
    }
    std::swap(chordBranch_[a], chordBranch_[b]);
}

void AcSolver::swapMeshRows(int a, int b) {
    std::swap_ranges(&re_[a * meshStride_], &re_[(a + 1) * meshStride_], &re_[b * meshStride_]);
    std::swap_ranges(&im_[a * meshStride_], &im_[(a + 1) * meshStride_], &im_[b * meshStride_]);
}

void AcSolver::findMeshPivot(int k) {
    const int s = meshStride_;
    findPivot(
        k, meshCount_, meshCount_,
        [&](int r, int c) { return magnitude1(re_[r * s + c], im_[r * s + c]); },
        [this](int a, int b) { swapMeshColumns(a, b); },
        [this](int a, int b) { swapMeshRows(a, b); });
}

namespace {

// The groups of four columns of a row, from the group that holds column `from` on, that hold a
// non-zero entry: bit g for columns 4g..4g+3. The triangle of a mesh system is full of exact
// zeros (in ladders most of it: neighbouring meshes share most of their branches), and a row
// operation with a pivot row changes nothing where that row is 0.
std::uint32_t nonZeroGroups(const double* re, const double* im, int from, int end) {
    std::uint32_t groups = 0;
    for (int c = from & ~3; c < end; c += 4) {
        const bool any = re[c] != 0 || re[c + 1] != 0 || re[c + 2] != 0 || re[c + 3] != 0 ||
                         im[c] != 0 || im[c + 1] != 0 || im[c + 2] != 0 || im[c + 3] != 0;
        if (any) groups |= std::uint32_t{1} << (c >> 2);
    }
    return groups;
}

// The runs of consecutive groups in a group set, from the group that holds column `from` on.
struct ColumnRuns {
    int count = 0;
    std::array<std::uint8_t, 8> first;  // 16 groups make at most 8 runs
    std::array<std::uint8_t, 8> size;

    ColumnRuns(std::uint32_t groups, int from) {
        groups &= ~std::uint32_t{0} << (from >> 2);
        while (groups != 0) {
            const int start = std::countr_zero(groups);
            const int length = std::countr_one(groups >> start);
            first[count] = static_cast<std::uint8_t>(4 * start);
            size[count] = static_cast<std::uint8_t>(4 * length);
            ++count;
            groups &= ~(((std::uint32_t{1} << length) - 1) << start);
        }
    }
    template <class Run>
    void forEach(Run run) const {
        for (int r = 0; r < count; ++r) run(first[r], size[r]);
    }
};

}  // namespace

// Forward elimination to an upper triangle, the right-hand side (column M) along. Left of the
// diagonal nothing is read again, so the row operations may start at the group of four that
// holds the first column right of the pivot, and they leave out the groups where the pivot rows
// are 0. Pivots go in pairs where they can: each row below takes both in one pass, in the same
// order of operations as one after the other.
void AcSolver::eliminateMeshSystem(SolveStatus& status) {
    const int m = meshCount_;
    const int s = meshStride_;
    int k = 0;
    while (k < m) {
        double* pr = &re_[k * s];
        double* pi = &im_[k * s];
        if (magnitude1(pr[k], pi[k]) < kPivotThreshold) findMeshPivot(k);
        if (pr[k] == 0 && pi[k] == 0) {
            ++status.zeroPivots;
            ++k;
            continue;
        }
        const std::complex<double> inv = reciprocal(pr[k], pi[k]);
        pivotInverseRe_[k] = inv.real();
        pivotInverseIm_[k] = inv.imag();
        pivotGroups_[k] = nonZeroGroups(pr, pi, k + 1, s);
        const int next = k + 1;
        if (next == m) break;

        // Row k + 1 takes pivot k; if its own pivot then needs the search, pivot k goes to the
        // other rows alone.
        double* nr = &re_[next * s];
        double* ni = &im_[next * s];
        eliminateBelow(k, next, next + 1, inv);
        if (magnitude1(nr[next], ni[next]) < kPivotThreshold) {
            eliminateBelow(k, next + 1, m, inv);
            k = next;
            continue;
        }
        const std::complex<double> inv2 = reciprocal(nr[next], ni[next]);
        pivotInverseRe_[next] = inv2.real();
        pivotInverseIm_[next] = inv2.imag();
        pivotGroups_[next] = nonZeroGroups(nr, ni, next + 1, s);
        const ColumnRuns runs(pivotGroups_[k] | pivotGroups_[next], next + 1);
        for (int i = next + 1; i < m; ++i) {
            double* rr = &re_[i * s];
            double* ri = &im_[i * s];
            const double ar = rr[k];
            const double ai = ri[k];
            const double qr = -(ar * inv.real() - ai * inv.imag());
            const double qi = -(ar * inv.imag() + ai * inv.real());
            // Column k + 1 after pivot k, for the factor of pivot k + 1.
            const double br = rr[next] + (qr * pr[next] - qi * pi[next]);
            const double bi = ri[next] + (qr * pi[next] + qi * pr[next]);
            const double q2r = -(br * inv2.real() - bi * inv2.imag());
            const double q2i = -(br * inv2.imag() + bi * inv2.real());
            if (ar == 0 && ai == 0) {
                if (br == 0 && bi == 0) continue;
                runs.forEach([&](int first, int count) {
                    addScaledRow(rr + first, ri + first, nr + first, ni + first, q2r, q2i, count);
                });
                continue;
            }
            runs.forEach([&](int first, int count) {
                addScaledRows(rr + first, ri + first, pr + first, pi + first, qr, qi, nr + first,
                              ni + first, q2r, q2i, count);
            });
        }
        k += 2;
    }
}

// Rows firstRow..lastRow-1 take pivot k (inverse inv).
void AcSolver::eliminateBelow(int k, int firstRow, int lastRow, std::complex<double> inv) {
    const int s = meshStride_;
    const double* pr = &re_[k * s];
    const double* pi = &im_[k * s];
    const ColumnRuns runs(pivotGroups_[k], k + 1);
    for (int i = firstRow; i < lastRow; ++i) {
        double* rr = &re_[i * s];
        double* ri = &im_[i * s];
        const double ar = rr[k];
        const double ai = ri[k];
        if (ar == 0 && ai == 0) continue;
        const double qr = -(ar * inv.real() - ai * inv.imag());
        const double qi = -(ar * inv.imag() + ai * inv.real());
        runs.forEach([&](int first, int count) {
            addScaledRow(rr + first, ri + first, pr + first, pi + first, qr, qi, count);
        });
    }
}

// The chord currents from the triangle, the last first; then each tree current from them.
// Currents are kept as separate real and imaginary parts until they are complete.
void AcSolver::backSubstitute(SolveStatus& status) {
    const int m = meshCount_;
    const int s = meshStride_;
    for (int k = m - 1; k >= 0; --k) {
        const double* rr = &re_[k * s];
        const double* ri = &im_[k * s];
        // Partial sums over the solved currents right of the diagonal, in the groups of columns
        // that hold anything: one per column of a group, so that they run side by side.
        double sr0 = 0, sr1 = 0, sr2 = 0, sr3 = 0;
        double si0 = 0, si1 = 0, si2 = 0, si3 = 0;
        const double* xr = solutionRe_.data();
        const double* xi = solutionIm_.data();
        if (rr[k] != 0 || ri[k] != 0) {
            for (std::uint32_t groups = pivotGroups_[k]; groups != 0; groups &= groups - 1) {
                const int g = 4 * std::countr_zero(groups);
                if (g > k && g + 4 <= m) {
                    sr0 += rr[g] * xr[g] - ri[g] * xi[g];
                    si0 += rr[g] * xi[g] + ri[g] * xr[g];
                    sr1 += rr[g + 1] * xr[g + 1] - ri[g + 1] * xi[g + 1];
                    si1 += rr[g + 1] * xi[g + 1] + ri[g + 1] * xr[g + 1];
                    sr2 += rr[g + 2] * xr[g + 2] - ri[g + 2] * xi[g + 2];
                    si2 += rr[g + 2] * xi[g + 2] + ri[g + 2] * xr[g + 2];
                    sr3 += rr[g + 3] * xr[g + 3] - ri[g + 3] * xi[g + 3];
                    si3 += rr[g + 3] * xi[g + 3] + ri[g + 3] * xr[g + 3];
                    continue;
                }
                for (int c = std::max(g, k + 1); c < std::min(g + 4, m); ++c) {
                    sr0 += rr[c] * xr[c] - ri[c] * xi[c];
                    si0 += rr[c] * xi[c] + ri[c] * xr[c];
                }
            }
        }
        const double sumR = rr[m] - ((sr0 + sr1) + (sr2 + sr3));
        const double sumI = ri[m] - ((si0 + si1) + (si2 + si3));
        double currentR = sumR * pivotInverseRe_[k] - sumI * pivotInverseIm_[k];
        double currentI = sumR * pivotInverseIm_[k] + sumI * pivotInverseRe_[k];
        if ((rr[k] == 0 && ri[k] == 0) || !std::isfinite(currentR) || !std::isfinite(currentI)) {
            currentR = currentI = 0;
            ++status.undefinedCurrents;
        }
        solutionRe_[k] = currentR;
        solutionIm_[k] = currentI;
        currentRe_[chordBranch_[k]] = currentR;
        currentIm_[chordBranch_[k]] = currentI;
    }
    for (int k = 0; k < incidenceCount_; ++k) {
        // Two sums each, for the even and the odd terms, so that they run side by side.
        double sumR[2] = {0, 0};
        double sumI[2] = {0, 0};
        const int terms = treeTermCount_[k];
        const double* coefficient = treeCoefficient_[k].data();
        const std::uint8_t* chord = treeChord_[k].data();
        int t = 0;
        for (; t + 2 <= terms; t += 2) {
            sumR[0] += coefficient[t] * currentRe_[chord[t]];
            sumI[0] += coefficient[t] * currentIm_[chord[t]];
            sumR[1] += coefficient[t + 1] * currentRe_[chord[t + 1]];
            sumI[1] += coefficient[t + 1] * currentIm_[chord[t + 1]];
        }
        if (t < terms) {
            sumR[0] += coefficient[t] * currentRe_[chord[t]];
            sumI[0] += coefficient[t] * currentIm_[chord[t]];
        }
        currentRe_[treeBranch_[k]] = sumR[0] + sumR[1];
        currentIm_[treeBranch_[k]] = sumI[0] + sumI[1];
    }
}

SolveStatus AcSolver::solveSweepPoint(double frequency, double voltage, BranchCurrents& out) {
    SolveStatus status;
    const bool frequencyOk = prepared_ && loaded_ && reactances(frequency, out);
    if (!(prepared_ && loaded_)) out.reactance.fill(0.0);
    if (!frequencyOk || preparedNoResult_ || !std::isfinite(voltage)) {
        out.current.fill(0.0);
        status.noResult = true;
        return status;
    }
    buildMeshSystem(kTwoPi * frequency, voltage);
    eliminateMeshSystem(status);
    backSubstitute(status);
    for (int j = 0; j < branchCount_; ++j) {
        const double sign = reversed_[j] ? -1.0 : 1.0;
        out.current[j] = {sign * currentRe_[j], sign * currentIm_[j]};
    }
    std::fill(out.current.begin() + branchCount_, out.current.end(), 0.0);
    return status;
}

SolveStatus AcSolver::solve(Network& network, double frequency, double voltage,
                            BranchCurrents& out) {
    prepareSweep(network);
    const SolveStatus status = solveSweepPoint(frequency, voltage, out);
    for (int j = 0; j < branchCount_; ++j) network.branches[j].X = out.reactance[j];
    prepared_ = false;  // the sweep form is prepared on purpose only
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
