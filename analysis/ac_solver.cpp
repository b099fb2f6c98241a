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

// A pivot in place is kept when it reaches this share of the largest entry of its column.
constexpr double kPivotShare = 0.1;

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
    collectMeshTerms();
    for (int j = 0; j < b; ++j)
        inverseCapacitance_[j] =
            capacitance_[j] != 0 ? 1 / static_cast<long double>(capacitance_[j]) : 0;
    findWireLoops(network);
    incidenceCount_ = k + p + wireRowCount_;
    return true;
}

// Branches without impedance (bare wire) that close a loop among themselves carry a current that
// no equation fixes: a forest of them is grown, and each further wire that would close a loop in
// it gets a fixed current of 0, as does every component that bare wire bridges. The source's two
// half-branches stay out of the forest, so a wire loop through the source remains what it is, a
// short circuit; so do the op-amps' input wires, whose current their own rows fix.
void AcSolver::findWireLoops(const Network& network) {
    std::array<std::uint8_t, kMaxNumberedNodes + 2> parent;
    for (std::size_t n = 0; n < parent.size(); ++n) parent[n] = static_cast<std::uint8_t>(n);
    auto root = [&parent](int n) {
        while (parent[n] != n) n = parent[n] = parent[parent[n]];
        return n;
    };
    auto isWire = [this](int j) {
        return resistance_[j] == 0 && inductance_[j] == 0 && capacitance_[j] == 0;
    };
    std::array<bool, kMaxBranches> opAmpInput{};
    for (int p = 0; p < opAmpCount_; ++p) {
        const int input = network.opAmps[p].inputBranch;
        if (input >= 1 && input <= branchCount_) opAmpInput[input - 1] = true;
    }
    const auto nodeCount = static_cast<int>(parent.size());
    wireRowCount_ = 0;
    for (int j = 2; j < branchCount_; ++j) {
        const Branch& branch = network.branches[j];
        if (!isWire(j) || opAmpInput[j] || branch.startNode >= nodeCount ||
            branch.endNode >= nodeCount)
            continue;
        const int a = root(branch.startNode);
        const int b = root(branch.endNode);
        if (a == b)
            wireRowBranch_[wireRowCount_++] = static_cast<std::uint8_t>(j);
        else
            parent[a] = static_cast<std::uint8_t>(b);
    }
    // A component whose two ends bare wire joins carries nothing either; left to the voltage
    // law, its current would come out of sums of far larger terms.
    for (int j = 2; j < branchCount_; ++j) {
        const Branch& branch = network.branches[j];
        if (!isWire(j) && !opAmpInput[j] && branch.startNode < nodeCount &&
            branch.endNode < nodeCount && root(branch.startNode) == root(branch.endNode))
            wireRowBranch_[wireRowCount_++] = static_cast<std::uint8_t>(j);
    }
    shortCircuit_ = branchCount_ >= 2 && isWire(0) && isWire(1) &&
                    network.branches[0].endNode < nodeCount &&
                    network.branches[1].endNode < nodeCount &&
                    root(network.branches[0].endNode) == root(network.branches[1].endNode);
}

void AcSolver::collectMeshTerms() {
    for (int mesh = 0; mesh < meshCount_; ++mesh) {
        int count = 0;
        for (int j = 0; j < branchCount_; ++j) {
            if (meshRows_[mesh][j] == 0) continue;
            meshTermBranch_[mesh][count] = static_cast<std::uint8_t>(j);
            meshTermSign_[mesh][count] = meshRows_[mesh][j];
            ++count;
        }
        meshTermCount_[mesh] = static_cast<std::uint8_t>(count);
    }
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
    for (int r = 0; r < incidenceCount_; ++r) std::swap(incidence(r, a), incidence(r, b));
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
    int rows = incidenceCount_;
    for (int r = 0; r < rows; ++r) {
        double* entries = &incidence(r, 0);
        std::fill_n(entries, kIncidenceStride, 0.0);
        if (r < kclCount_ + opAmpCount_) {
            const SignRow& row = r < kclCount_ ? kclRows_[r] : opAmpRows_[r - kclCount_];
            for (int c = 0; c < b; ++c) entries[c] = row[c];
        } else {
            entries[wireRowBranch_[r - kclCount_ - opAmpCount_]] = 1;
        }
    }
    for (int c = 0; c < b; ++c) columnBranch_[c] = static_cast<std::uint8_t>(c);

    // How many meshes run through each branch. A branch in many meshes is best a chord, a
    // variable of the mesh system: as a tree branch its current, a sum of chord currents, would
    // fill every row of those meshes.
    std::array<std::uint8_t, kMaxBranches> meshUse{};
    for (int m = 0; m < meshCount_; ++m)
        for (int t = 0; t < meshTermCount_[m]; ++t) ++meshUse[meshTermBranch_[m][t]];

    const int end = (b + 3) & ~3;
    int k = 0;
    while (k < rows && k < b) {
        int tree = -1;
        for (int c = k; c < b; ++c) {
            if (std::abs(incidence(k, c)) < kPivotThreshold) continue;
            if (tree < 0 || meshUse[columnBranch_[c]] < meshUse[columnBranch_[tree]]) tree = c;
        }
        if (tree > k) swapIncidenceColumns(k, tree);
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
    chordCount_ = b - k;
    // With loops of bare wire some mesh rows repeat others; they are left over after the
    // elimination.
    return chordCount_ <= meshCount_;
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
    for (int c = 0; c < chordCount_; ++c) {
        chordBranch_[c] = columnBranch_[n + c];
        chordColumn[columnBranch_[n + c]] = static_cast<std::uint8_t>(c);
    }
    for (int k = 0; k < n; ++k) treeRow[treeBranch_[k]] = static_cast<std::uint8_t>(k);

    // Mesh m (counted from 1) is row M - m, as the equation store of the branch-current method
    // has it. The source lies between branches 1 and 2: a mesh through it gives Ue on the right.
    for (int i = 0; i < m; ++i) {
        const SignRow& signs = meshRows_[m - 1 - i];
        meshOfRow_[i] = static_cast<std::uint8_t>(m - 1 - i);
        meshSource_[i] = signs[0];
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

// Meshes drawn around the source overlap, and their system is full. The loops that each hold
// one chord (the chord and its path through the tree) are equivalent equations and in ladders
// and grids far shorter, so that the system and its factors stay sparse: the mesh rows taken
// times the inverse of their chord columns. Taken when that inverse comes out in whole numbers
// and the loops as rows of signs with fewer terms; otherwise the meshes stay.
void AcSolver::shortenMeshRows() {
    const int m = meshCount_;
    const int s = meshStride_;
    shortened_ = false;
    if (m == 0 || m != chordCount_) return;
    double* a = upperRe_.data();
    double* inverse = upperIm_.data();
    for (int i = 0; i < m; ++i) {
        for (int c = 0; c < s; ++c) {
            a[i * s + c] = c < m ? meshRows_[i][columnBranch_[incidenceCount_ + c]] : 0;
            inverse[i * s + c] = i == c ? 1 : 0;
        }
    }
    for (int k = 0; k < m; ++k) {
        int best = k;
        for (int i = k + 1; i < m; ++i)
            if (std::abs(a[i * s + k]) > std::abs(a[best * s + k])) best = i;
        if (std::abs(a[best * s + k]) < 0.5) return;  // singular, or not whole numbers
        std::swap_ranges(&a[k * s], &a[(k + 1) * s], &a[best * s]);
        std::swap_ranges(&inverse[k * s], &inverse[(k + 1) * s], &inverse[best * s]);
        const double pivot = a[k * s + k];
        const double inversePivot = 1 / pivot;
        for (int c = 0; c < s; ++c) {
            a[k * s + c] *= inversePivot;
            inverse[k * s + c] *= inversePivot;
        }
        for (int i = 0; i < m; ++i) {
            const double factor = a[i * s + k];
            if (i == k || factor == 0) continue;
            addScaledRealRow(&a[i * s], &a[k * s], -factor, s);
            addScaledRealRow(&inverse[i * s], &inverse[k * s], -factor, s);
        }
    }
    std::array<SignRow, kMaxMeshes> loops;
    int terms = 0, meshTerms = 0;
    for (int mesh = 0; mesh < m; ++mesh) meshTerms += meshTermCount_[mesh];
    for (int c = 0; c < m; ++c) {
        std::array<int, kMaxBranches> loop{};
        for (int mesh = 0; mesh < m; ++mesh) {
            const double w = inverse[c * s + mesh];
            const double whole = std::round(w);
            if (std::abs(w - whole) > 1e-9) return;
            if (whole == 0) continue;
            for (int t = 0; t < meshTermCount_[mesh]; ++t)
                loop[meshTermBranch_[mesh][t]] += static_cast<int>(whole) * meshTermSign_[mesh][t];
        }
        for (int j = 0; j < branchCount_; ++j) {
            if (std::abs(loop[j]) > 1) return;
            loops[c][j] = static_cast<std::int8_t>(loop[j]);
            terms += loop[j] != 0;
        }
        std::fill(loops[c].begin() + branchCount_, loops[c].end(), std::int8_t{0});
    }
    if (terms >= meshTerms) return;
    // Row i of the system holds the loop of chord i (collectMeshMatrices reverses the rows), so
    // that the pivots in place are the chords' own impedances.
    std::reverse_copy(loops.begin(), loops.begin() + m, loopRows_.begin());
    std::copy_n(meshRows_.begin(), m, drawnRows_.begin());
    shortened_ = true;
}

// Orders the rows and columns of the mesh system once, on a real stand-in (R + g X at a
// frequency that weighs the parts alike; g keeps R and X from cancelling by chance), with the
// pivots in place wherever they are not tiny: many entries of a mesh system cancel to 0 at
// every frequency (sums of resistances of overlapping meshes), and in this order they stay 0
// in the triangle, which each point then skips. The pivoting of each point starts from here.
void AcSolver::orderMeshSystem() {
    const int m = meshCount_;
    const int columns = chordCount_;
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
    MeshPlane& standIn = upperRe_;
    combineRows(standIn.data(), meshL_.data(), g * omega, meshInverseC_.data(), -g / omega, count);
    addScaledRealRow(standIn.data(), meshR_.data(), 1.0, count);

    std::array<std::uint8_t, kMaxMeshes> rowOrder;
    std::array<std::uint8_t, kMaxMeshes> columnOrder;
    for (int i = 0; i < m; ++i) rowOrder[i] = columnOrder[i] = static_cast<std::uint8_t>(i);
    for (int k = 0; k < columns; ++k) {
        if (std::abs(standIn[k * s + k]) < kPivotThreshold) {
            findPivot(
                k, columns, m, [&](int r, int c) { return std::abs(standIn[r * s + c]); },
                [&](int a, int b) {
                    for (int i = 0; i < m; ++i) std::swap(standIn[i * s + a], standIn[i * s + b]);
                    std::swap(columnOrder[a], columnOrder[b]);
                },
                [&](int a, int b) {
                    std::swap_ranges(&standIn[a * s], &standIn[(a + 1) * s], &standIn[b * s]);
                    std::swap(rowOrder[a], rowOrder[b]);
                });
        }
        const double pivot = standIn[k * s + k];
        if (pivot == 0) continue;
        const int first = (k + 1) & ~3;
        for (int i = k + 1; i < m; ++i) {
            const double a = standIn[i * s + k];
            if (a != 0)
                addScaledRealRow(&standIn[i * s + first], &standIn[k * s + first], -a / pivot,
                                 s - first);
        }
    }

    const std::array<std::uint8_t, kMaxMeshes> chords = chordBranch_;
    for (int c = 0; c < columns; ++c) chordBranch_[c] = chords[columnOrder[c]];
    const std::array<std::int8_t, kMaxMeshes> sources = meshSource_;
    const std::array<std::uint8_t, kMaxMeshes> meshes = meshOfRow_;
    for (int i = 0; i < m; ++i) {
        meshSource_[i] = sources[rowOrder[i]];
        meshOfRow_[i] = meshes[rowOrder[i]];
    }
    for (MeshPlane* plane : {&meshR_, &meshL_, &meshInverseC_}) {
        std::copy_n(plane->begin(), count, upperIm_.begin());
        for (int i = 0; i < m; ++i)
            for (int c = 0; c < columns; ++c)
                (*plane)[i * s + c] = upperIm_[rowOrder[i] * s + columnOrder[c]];
    }
}

bool AcSolver::prepare(const Network& network) {
    loaded_ = loadNetwork(network);
    if (!loaded_ || !reduceIncidence()) return false;
    meshStride_ = std::max(4, (chordCount_ + 3) & ~3);
    prepareTreeRows();
    shortenMeshRows();
    if (shortened_) {
        useMeshRows(loopRows_);
    } else {
        collectMeshMatrices();
        orderMeshSystem();
        preparePattern();
    }
    return true;
}

void AcSolver::useMeshRows(const std::array<SignRow, kMaxMeshes>& rows) {
    std::copy_n(rows.begin(), meshCount_, meshRows_.begin());
    collectMeshTerms();
    collectMeshMatrices();
    orderMeshSystem();
    preparePattern();
}

// The fill of the factors with every pivot in place, worked out on the pattern of the three
// matrices. In the order orderMeshSystem chose, the pivots nearly always stay in place; a point
// where one would not falls back to the dense factors.
void AcSolver::preparePattern() {
    const int m = meshCount_;
    const int s = meshStride_;
    patterned_ = false;
    if (m == 0 || m != chordCount_) return;  // rows left over: the dense factors handle them
    std::array<std::array<bool, kMaxMeshes>, kMaxMeshes> filled{};
    for (int i = 0; i < m; ++i) {
        for (int c = 0; c < m; ++c) {
            const int at = i * s + c;
            filled[i][c] = i == c || meshR_[at] != 0 || meshL_[at] != 0 || meshInverseC_[at] != 0;
        }
    }
    for (int k = 0; k < m; ++k)
        for (int i = k + 1; i < m; ++i)
            if (filled[i][k])
                for (int j = k + 1; j < m; ++j) filled[i][j] = filled[i][j] || filled[k][j];
    int entries = 0, lower = 0, upper = 0;
    for (int i = 0; i < m; ++i) {
        patternBegin_[i] = static_cast<std::uint16_t>(entries);
        lowerBegin_[i] = static_cast<std::uint16_t>(lower);
        upperBegin_[i] = static_cast<std::uint16_t>(upper);
        for (int c = 0; c < m; ++c)
            if (filled[i][c]) patternAt_[entries++] = static_cast<std::uint16_t>(i * s + c);
        for (int r = i + 1; r < m; ++r)
            if (filled[r][i]) lowerRow_[lower++] = static_cast<std::uint8_t>(r);
        for (int c = i + 1; c < m; ++c)
            if (filled[i][c]) upperColumn_[upper++] = static_cast<std::uint8_t>(c);
    }
    patternBegin_[m] = static_cast<std::uint16_t>(entries);
    lowerBegin_[m] = static_cast<std::uint16_t>(lower);
    upperBegin_[m] = static_cast<std::uint16_t>(upper);
    // Past half full, the dense factors in groups of four are as quick.
    patterned_ = 2 * entries <= m * m;
}

void AcSolver::prepareSweep(const Network& network) {
    prepared_ = true;
    preparedNoResult_ = !prepare(network);
}

// The system at this frequency, every row scaled by a power of two (exact) to a largest entry
// between 1 and 2: rows of a few milliohms and rows of teraohms then compete fairly for the
// pivots.
void AcSolver::buildMeshSystem(double omega, double voltage) {
    const int m = meshCount_;
    const int s = meshStride_;
    const int count = m * s;
    std::copy_n(meshR_.begin(), count, upperRe_.begin());
    if (anyInductance_ && anyCapacitance_) {
        combineRows(upperIm_.data(), meshL_.data(), omega, meshInverseC_.data(), -1 / omega, count);
    } else if (anyInductance_ || anyCapacitance_) {
        const MeshPlane& plane = anyInductance_ ? meshL_ : meshInverseC_;
        const double factor = anyInductance_ ? omega : -1 / omega;
        scaleRow(upperIm_.data(), plane.data(), factor, count);
    } else {
        std::fill_n(upperIm_.begin(), count, 0.0);
    }
    for (int i = 0; i < m; ++i) {
        double* re = &upperRe_[i * s];
        double* im = &upperIm_[i * s];
        double largest = 0;
        for (int c = 0; c < chordCount_; ++c) largest = std::max(largest, magnitude1(re[c], im[c]));
        const double scale =
            largest > 0 && std::isfinite(largest) ? std::ldexp(1.0, -std::ilogb(largest)) : 1.0;
        for (int c = 0; c < s; ++c) {
            re[c] *= scale;
            im[c] *= scale;
        }
        rowScale_[i] = scale;
        rightRe_[i] = meshSource_[i] * voltage * scale;
        rightIm_[i] = 0;
    }
}

// LU factors with partial pivoting by magnitude. Rows past the chord count (loops of bare wire
// make some mesh rows repeat others) end up below the triangle and are not used.
void AcSolver::factorMeshSystem(SolveStatus& status) {
    const int rows = meshCount_;
    const int columns = chordCount_;
    const int s = meshStride_;
    for (int k = 0; k < columns; ++k) {
        int best = k;
        double size = 0;
        for (int i = k; i < rows; ++i) {
            const double entry = magnitude1(upperRe_[i * s + k], upperIm_[i * s + k]);
            if (entry > size) size = entry, best = i;
        }
        // The row in place keeps the pivot when it comes near the largest: the order of the
        // meshes keeps the triangle sparse, and the refinement takes care of what a smaller
        // pivot costs.
        if (magnitude1(upperRe_[k * s + k], upperIm_[k * s + k]) >= kPivotShare * size) best = k;
        pivotRow_[k] = static_cast<std::uint8_t>(best);
        zeroPivot_[k] = !(size > 0) || !std::isfinite(size);
        for (int i = k + 1; i < rows; ++i) lowerRe_[i * s + k] = lowerIm_[i * s + k] = 0;
        if (zeroPivot_[k]) {
            ++status.zeroPivots;
            pivotGroups_[k] = 0;
            continue;
        }
        if (best != k) {
            std::swap_ranges(&upperRe_[k * s], &upperRe_[(k + 1) * s], &upperRe_[best * s]);
            std::swap_ranges(&upperIm_[k * s], &upperIm_[(k + 1) * s], &upperIm_[best * s]);
        }
        double* pr = &upperRe_[k * s];
        double* pi = &upperIm_[k * s];
        const std::complex<double> inv = reciprocal(pr[k], pi[k]);
        pivotInverseRe_[k] = inv.real();
        pivotInverseIm_[k] = inv.imag();
        pivotGroups_[k] = nonZeroGroups(pr, pi, k + 1, s);
        const ColumnRuns runs(pivotGroups_[k], k + 1);
        for (int i = k + 1; i < rows; ++i) {
            double* rr = &upperRe_[i * s];
            double* ri = &upperIm_[i * s];
            const double ar = rr[k];
            const double ai = ri[k];
            if (ar == 0 && ai == 0) continue;
            const double lr = ar * inv.real() - ai * inv.imag();
            const double li = ar * inv.imag() + ai * inv.real();
            lowerRe_[i * s + k] = lr;
            lowerIm_[i * s + k] = li;
            runs.forEach([&](int first, int count) {
                addScaledRow(rr + first, ri + first, pr + first, pi + first, -lr, -li, count);
            });
            // Left of the diagonal the triangle stays exactly 0 (the pivot row is 0 there).
            rr[k] = ri[k] = 0;
        }
    }
}

// buildMeshSystem on the pattern only: the same entries and scales, the fill set to 0.
void AcSolver::buildOnPattern(double omega, double voltage) {
    const double factorL = anyInductance_ ? omega : 0.0;
    const double factorC = anyCapacitance_ ? -1 / omega : 0.0;
    for (int i = 0; i < meshCount_; ++i) {
        double largest = 0;
        for (int e = patternBegin_[i]; e < patternBegin_[i + 1]; ++e) {
            const int at = patternAt_[e];
            const double re = meshR_[at];
            const double im = factorL * meshL_[at] + factorC * meshInverseC_[at];
            upperRe_[at] = re;
            upperIm_[at] = im;
            largest = std::max(largest, magnitude1(re, im));
        }
        const double scale =
            largest > 0 && std::isfinite(largest) ? std::ldexp(1.0, -std::ilogb(largest)) : 1.0;
        for (int e = patternBegin_[i]; e < patternBegin_[i + 1]; ++e) {
            upperRe_[patternAt_[e]] *= scale;
            upperIm_[patternAt_[e]] *= scale;
        }
        rowScale_[i] = scale;
        rightRe_[i] = meshSource_[i] * voltage * scale;
        rightIm_[i] = 0;
    }
}

// factorMeshSystem on the pattern, as long as every pivot stays in place by the same rule; the
// multipliers take the place of the entries they clear. False when a pivot would move or is 0.
bool AcSolver::factorOnPattern() {
    const int m = meshCount_;
    const int s = meshStride_;
    for (int k = 0; k < m; ++k) {
        const double pr = upperRe_[k * s + k];
        const double pi = upperIm_[k * s + k];
        double size = magnitude1(pr, pi);
        const double pivotSize = size;
        for (int e = lowerBegin_[k]; e < lowerBegin_[k + 1]; ++e) {
            const int at = lowerRow_[e] * s + k;
            size = std::max(size, magnitude1(upperRe_[at], upperIm_[at]));
        }
        if (!(size > 0) || !std::isfinite(size) || pivotSize < kPivotShare * size) return false;
        const std::complex<double> inv = reciprocal(pr, pi);
        pivotInverseRe_[k] = inv.real();
        pivotInverseIm_[k] = inv.imag();
        const double* ur = &upperRe_[k * s];
        const double* ui = &upperIm_[k * s];
        for (int e = lowerBegin_[k]; e < lowerBegin_[k + 1]; ++e) {
            double* rr = &upperRe_[lowerRow_[e] * s];
            double* ri = &upperIm_[lowerRow_[e] * s];
            const double ar = rr[k];
            const double ai = ri[k];
            const double lr = ar * inv.real() - ai * inv.imag();
            const double li = ar * inv.imag() + ai * inv.real();
            rr[k] = lr;
            ri[k] = li;
            if (ar == 0 && ai == 0) continue;
            for (int u = upperBegin_[k]; u < upperBegin_[k + 1]; ++u) {
                const int c = upperColumn_[u];
                rr[c] -= lr * ur[c] - li * ui[c];
                ri[c] -= lr * ui[c] + li * ur[c];
            }
        }
    }
    for (int k = 0; k < m; ++k) {
        pivotRow_[k] = static_cast<std::uint8_t>(k);
        zeroPivot_[k] = false;
    }
    return true;
}

void AcSolver::solveOnPattern(MeshVector& re, MeshVector& im) const {
    const int m = meshCount_;
    const int s = meshStride_;
    for (int k = 0; k < m; ++k) {
        const double yr = re[k], yi = im[k];
        if (yr == 0 && yi == 0) continue;
        for (int e = lowerBegin_[k]; e < lowerBegin_[k + 1]; ++e) {
            const int i = lowerRow_[e];
            const double lr = upperRe_[i * s + k], li = upperIm_[i * s + k];
            re[i] -= lr * yr - li * yi;
            im[i] -= lr * yi + li * yr;
        }
    }
    for (int k = m - 1; k >= 0; --k) {
        const double* ur = &upperRe_[k * s];
        const double* ui = &upperIm_[k * s];
        double sumR = re[k], sumI = im[k];
        for (int u = upperBegin_[k]; u < upperBegin_[k + 1]; ++u) {
            const int c = upperColumn_[u];
            sumR -= ur[c] * re[c] - ui[c] * im[c];
            sumI -= ur[c] * im[c] + ui[c] * re[c];
        }
        re[k] = sumR * pivotInverseRe_[k] - sumI * pivotInverseIm_[k];
        im[k] = sumR * pivotInverseIm_[k] + sumI * pivotInverseRe_[k];
    }
}

// Solves the factored system for a right-hand side given in place; the solution replaces it.
void AcSolver::solveFactored(MeshVector& re, MeshVector& im) const {
    if (patternFactors_)
        solveOnPattern(re, im);
    else
        solveDense(re, im);
}

// The columns of zero pivots come out 0.
void AcSolver::solveDense(MeshVector& re, MeshVector& im) const {
    const int rows = meshCount_;
    const int columns = chordCount_;
    const int s = meshStride_;
    for (int k = 0; k < columns; ++k) {
        std::swap(re[k], re[pivotRow_[k]]);
        std::swap(im[k], im[pivotRow_[k]]);
        const double yr = re[k], yi = im[k];
        if (yr == 0 && yi == 0) continue;
        for (int i = k + 1; i < rows; ++i) {
            const double lr = lowerRe_[i * s + k], li = lowerIm_[i * s + k];
            re[i] -= lr * yr - li * yi;
            im[i] -= lr * yi + li * yr;
        }
    }
    for (int k = columns - 1; k >= 0; --k) {
        if (zeroPivot_[k]) {
            re[k] = im[k] = 0;
            continue;
        }
        const double* ur = &upperRe_[k * s];
        const double* ui = &upperIm_[k * s];
        double sumR = re[k], sumI = im[k];
        ColumnRuns(pivotGroups_[k], k + 1).forEach([&](int first, int count) {
            for (int c = std::max(first, k + 1); c < std::min(first + count, columns); ++c) {
                sumR -= ur[c] * re[c] - ui[c] * im[c];
                sumI -= ur[c] * im[c] + ui[c] * re[c];
            }
        });
        re[k] = sumR * pivotInverseRe_[k] - sumI * pivotInverseIm_[k];
        im[k] = sumR * pivotInverseIm_[k] + sumI * pivotInverseRe_[k];
    }
}

// correction := the residual of every mesh equation, taken over the branches themselves: the
// collected mesh matrix holds rounded sums of impedances, and only a residual against the
// branches tells whether the currents satisfy the network or merely the rounded system. Scaled
// as the rows of the system.
template <class Number>
void AcSolver::residual() {
    std::array<Number, kMaxBranches> currentR, currentI;
    for (int c = 0; c < chordCount_; ++c) {
        currentR[chordBranch_[c]] = solutionRe_[c];
        currentI[chordBranch_[c]] = solutionIm_[c];
    }
    for (int k = 0; k < incidenceCount_; ++k) {
        Number sumR = 0, sumI = 0;
        for (int t = 0; t < treeTermCount_[k]; ++t) {
            sumR += treeCoefficient_[k][t] * currentR[treeChord_[k][t]];
            sumI += treeCoefficient_[k][t] * currentI[treeChord_[k][t]];
        }
        currentR[treeBranch_[k]] = sumR;
        currentI[treeBranch_[k]] = sumI;
    }
    // Each branch's voltage once; every mesh row then only adds them up. The reactances always
    // in extended precision: wL - 1/(wC) in double would repeat the rounding of the collected
    // matrix near a resonance, and a residual that repeats the system's rounding cannot see it.
    const long double omega = omega_;
    const long double inverseOmega = omega != 0 ? 1 / omega : 0;
    std::array<Number, kMaxBranches> voltageR, voltageI;
    for (int j = 0; j < branchCount_; ++j) {
        const Number r = resistance_[j];
        const auto x =
            static_cast<Number>(omega * inductance_[j] - inverseCapacitance_[j] * inverseOmega);
        voltageR[j] = r * currentR[j] - x * currentI[j];
        voltageI[j] = r * currentI[j] + x * currentR[j];
    }
    const int m = meshCount_;
    for (int i = 0; i < m; ++i) {
        const int mesh = meshOfRow_[i];
        Number sumR = static_cast<Number>(meshSource_[i]) * voltage_, sumI = 0;
        for (int t = 0; t < meshTermCount_[mesh]; ++t) {
            const int j = meshTermBranch_[mesh][t];
            const Number sign = meshTermSign_[mesh][t];
            sumR -= sign * voltageR[j];
            sumI -= sign * voltageI[j];
        }
        correctionRe_[i] = static_cast<double>(sumR * rowScale_[i]);
        correctionIm_[i] = static_cast<double>(sumI * rowScale_[i]);
    }
}

// Refinement against the residual, the last correction being the error estimate of every chord
// current. The first residual is taken in double from reactances in extended precision: its
// rounding is a few units in the last place of its terms and has nothing in common with the
// rounding of the system, so the correction it gives is the error of the currents plus that
// rounding passed through the system; when it stays below a thousandth of the trusted precision
// the currents hold far more than six digits whichever part dominates. Only when it does not are up
// to three more corrections made from residuals in extended precision, while each still changes
// digits that count.
void AcSolver::refine(SolveStatus& status) {
    const int columns = chordCount_;
    for (int step = 0; step < 4; ++step) {
        if (step == 0)
            residual<double>();
        else
            residual<long double>();
        solveFactored(correctionRe_, correctionIm_);
        double largest = 0;
        bool settled = true;
        for (int c = 0; c < columns; ++c)
            largest = std::max(largest, magnitude1(solutionRe_[c], solutionIm_[c]));
        for (int c = 0; c < columns; ++c) {
            chordError_[c] = magnitude1(correctionRe_[c], correctionIm_[c]);
            solutionRe_[c] += correctionRe_[c];
            solutionIm_[c] += correctionIm_[c];
            const double size = magnitude1(solutionRe_[c], solutionIm_[c]);
            settled = settled &&
                      chordError_[c] <= 1e-3 * kTrustedPrecision * std::max(size, 1e-2 * largest);
        }
        if (settled) break;
    }
    for (int c = 0; c < columns; ++c) {
        const bool finite = std::isfinite(solutionRe_[c]) && std::isfinite(solutionIm_[c]);
        if (zeroPivot_[c] || !finite) {
            solutionRe_[c] = solutionIm_[c] = 0;
            chordError_[c] = 0;
            ++status.undefinedCurrents;
        }
    }
}

// Every branch current from the chord currents, and its error estimate.
void AcSolver::treeCurrents(SolveStatus& status) {
    for (int c = 0; c < chordCount_; ++c) {
        currentRe_[chordBranch_[c]] = solutionRe_[c];
        currentIm_[chordBranch_[c]] = solutionIm_[c];
        currentError_[chordBranch_[c]] = chordError_[c];
    }
    for (int k = 0; k < incidenceCount_; ++k) {
        double sumR = 0, sumI = 0, error = 0;
        const int terms = treeTermCount_[k];
        for (int t = 0; t < terms; ++t) {
            const double coefficient = treeCoefficient_[k][t];
            const int chord = treeChord_[k][t];
            sumR += coefficient * currentRe_[chord];
            sumI += coefficient * currentIm_[chord];
            error += std::abs(coefficient) * currentError_[chord];
        }
        currentRe_[treeBranch_[k]] = sumR;
        currentIm_[treeBranch_[k]] = sumI;
        currentError_[treeBranch_[k]] = error;
    }
    double largest = 0;
    for (int j = 0; j < branchCount_; ++j)
        largest = std::max(largest, magnitude1(currentRe_[j], currentIm_[j]));
    for (int j = 0; j < branchCount_; ++j) {
        const double size = magnitude1(currentRe_[j], currentIm_[j]);
        if (currentError_[j] > kTrustedPrecision * std::max(size, 1e-2 * largest))
            status.imprecise = true;
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
    status.shortCircuit = shortCircuit_;
    omega_ = kTwoPi * frequency;
    voltage_ = voltage;
    solveMeshSystem(status);
    // The short loops sum impedances of their own: where one of them all but cancels (a loop of
    // L and C at resonance), a pivot can come out 0 or too poor for the refinement, where the
    // drawn meshes, whose sums take in more, keep their digits. Such a point is solved again
    // with the meshes; the loops are back in place for the next point, which therefore depends
    // on nothing but its frequency.
    if (shortened_ && (status.zeroPivots > 0 || status.undefinedCurrents > 0 || status.imprecise)) {
        useMeshRows(drawnRows_);
        status = SolveStatus{};
        status.shortCircuit = shortCircuit_;
        solveMeshSystem(status);
        useMeshRows(loopRows_);
    }
    for (int j = 0; j < branchCount_; ++j) {
        const double sign = reversed_[j] ? -1.0 : 1.0;
        out.current[j] = {sign * currentRe_[j], sign * currentIm_[j]};
    }
    std::fill(out.current.begin() + branchCount_, out.current.end(), 0.0);
    return status;
}

// Builds, factors and solves the mesh system at omega_, refines, and gives every branch current.
void AcSolver::solveMeshSystem(SolveStatus& status) {
    patternFactors_ = false;
    if (patterned_) {
        buildOnPattern(omega_, voltage_);
        patternFactors_ = factorOnPattern();
    }
    if (!patternFactors_) {
        buildMeshSystem(omega_, voltage_);
        factorMeshSystem(status);
    }
    std::copy_n(rightRe_.begin(), meshCount_, solutionRe_.begin());
    std::copy_n(rightIm_.begin(), meshCount_, solutionIm_.begin());
    solveFactored(solutionRe_, solutionIm_);
    refine(status);
    treeCurrents(status);
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
