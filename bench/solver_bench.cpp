// The AC solver on RC ladders of about 10, 30 and 70 branches made by the analysis from drawings:
// one complete solve, one 897-point sweep through the sweep form, and as the baseline the same
// sweep through the solver's previous sweep form (PreviousSweep below, kept only here).
// SweepRatios measures in the same iterations, in processor time: the sweep against 897
// complete solves, and the previous sweep form against the present one.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstdint>
#include <ctime>
#include <memory>
#include <stdexcept>

#include "analysis/ac_solver.h"
#include "graphics/sweep_range.h"
#include "support/analysed_ladder.h"

namespace volmira {
namespace {

// The previous sweep form: the incidence rows reduced once in the full equation store; per point
// the mesh rows written over all branch columns, cleared of the incidence columns, then complex
// Gauss-Jordan over the chord columns of full-width rows, with the column swaps of the pivot
// search at every point. (Its rarely needed last resort for exactly zero pivots is left out.)
class PreviousSweep {
  public:
    void prepare(const Network& network) {
        b_ = network.branchCount;
        meshCount_ = network.meshCount;
        int rows = network.kclCount + network.opAmpCount;
        for (int j = 0; j < b_; ++j) {
            const Branch& branch = network.branches[j];
            r_[j] = branch.R, l_[j] = branch.L, c_[j] = branch.C, reversed_[j] = branch.reversed;
        }
        re_.fill(0.0);
        im_.fill(0.0);
        for (int r = 0; r < rows; ++r) {
            const SignRow& row =
                r < network.kclCount ? network.kclRows[r] : network.opAmpRows[r - network.kclCount];
            for (int c = 0; c < b_; ++c) re(r, c) = row[c];
        }
        for (int c = 0; c < b_; ++c) columnBranch_[c] = static_cast<std::uint8_t>(c);
        if (rows > kMaxBranches) throw std::runtime_error("more rows than branches");
        rowCount_ = std::max(b_, rows);
        int k = 0;
        while (k < rows && k < b_) {
            if (size(k, k) < kPivotThreshold) replacePivot(k, rows);
            if (re(k, k) == 0 && im(k, k) == 0) {
                swapRows(k, --rows);
                continue;
            }
            clearColumn(k, 0, rows);
            ++k;
        }
        n_ = k;
        if (n_ + meshCount_ != b_) throw std::runtime_error("not a square system");
        prepared_ = columnBranch_;
        for (int c = 0; c < b_; ++c) columnOf_[columnBranch_[c]] = static_cast<std::uint8_t>(c);
        for (int k = 0; k < n_; ++k) {
            entryCount_[k] = 0;
            for (int c = n_; c < b_; ++c)
                if (re(k, c) != 0) entries_[k][entryCount_[k]++] = {c, re(k, c)};
        }
        for (int m = 0; m < meshCount_; ++m) meshRows_[m] = network.meshRows[m];
    }

    void solvePoint(double frequency, double voltage, BranchCurrents& out) {
        out.current.fill(0.0);
        const double omega = kTwoPi * frequency;
        columnBranch_ = prepared_;
        std::array<double, kMaxBranches> reactance;
        for (int j = 0; j < b_; ++j)
            reactance[j] = omega * l_[j] - (c_[j] != 0 ? 1 / (omega * c_[j]) : 0);
        for (int m = 1; m <= meshCount_; ++m) {
            const int row = b_ - m;
            std::fill_n(&re(row, 0), kStride, 0.0);
            std::fill_n(&im(row, 0), kStride, 0.0);
            for (int j = 0; j < b_; ++j) {
                if (meshRows_[m - 1][j] == 0) continue;
                re(row, columnOf_[j]) = meshRows_[m - 1][j] * r_[j];
                im(row, columnOf_[j]) = meshRows_[m - 1][j] * reactance[j];
            }
            re(row, b_) = voltage;
        }
        for (int k = 0; k < n_; ++k) {
            const double inverse = 1 / re(k, k);
            for (int row = n_; row < b_; ++row) {
                const double ar = re(row, k), ai = im(row, k);
                if (ar == 0 && ai == 0) continue;
                for (int e = 0; e < entryCount_[k]; ++e) {
                    re(row, entries_[k][e].column) -= ar * inverse * entries_[k][e].value;
                    im(row, entries_[k][e].column) -= ai * inverse * entries_[k][e].value;
                }
                re(row, k) = im(row, k) = 0;
            }
        }
        for (int k = n_; k < b_; ++k) {
            if (size(k, k) < kPivotThreshold) replacePivot(k, b_);
            if (re(k, k) != 0 || im(k, k) != 0) clearColumn(k, n_, b_);
        }
        for (int c = n_; c < b_; ++c)
            out.current[columnBranch_[c]] =
                std::complex(re(c, b_), im(c, b_)) / std::complex(re(c, c), im(c, c));
        for (int k = 0; k < n_; ++k) {
            std::complex<double> sum = 0;
            for (int e = 0; e < entryCount_[k]; ++e)
                sum += entries_[k][e].value * out.current[prepared_[entries_[k][e].column]];
            out.current[prepared_[k]] = -sum / re(k, k);
        }
        for (int j = 0; j < b_; ++j)
            if (reversed_[j]) out.current[j] = -out.current[j];
    }

  private:
    static constexpr int kStride = kMaxBranches + 6;
    struct Entry {
        int column;
        double value;
    };

    double& re(int row, int column) { return re_[row * kStride + column]; }
    double& im(int row, int column) { return im_[row * kStride + column]; }
    double size(int row, int column) {
        return std::abs(re(row, column)) + std::abs(im(row, column));
    }

    void replacePivot(int k, int lastRow) {
        for (int j = k + 1; j < b_; ++j) {
            if (size(k, j) < kPivotThreshold) continue;
            for (int r = 0; r < rowCount_; ++r) {
                std::swap(re(r, k), re(r, j));
                std::swap(im(r, k), im(r, j));
            }
            std::swap(columnBranch_[k], columnBranch_[j]);
            return;
        }
        for (int j = k + 1; j < lastRow; ++j) {
            if (size(j, k) >= kPivotThreshold) return swapRows(k, j);
        }
    }
    void swapRows(int a, int b) {
        std::swap_ranges(&re(a, 0), &re(a, 0) + kStride, &re(b, 0));
        std::swap_ranges(&im(a, 0), &im(a, 0) + kStride, &im(b, 0));
    }
    void clearColumn(int k, int firstRow, int lastRow) {
        const std::complex<double> inverse = 1.0 / std::complex(re(k, k), im(k, k));
        for (int i = firstRow; i < lastRow; ++i) {
            if (i == k || (re(i, k) == 0 && im(i, k) == 0)) continue;
            const std::complex<double> q = -std::complex(re(i, k), im(i, k)) * inverse;
            // Columns k + 1 to the right-hand side in groups of four, into the padding.
            double* dr = &re(i, k + 1);
            double* di = &im(i, k + 1);
            const double* sr = &re(k, k + 1);
            const double* si = &im(k, k + 1);
            for (int c = 0; c < b_ - k; c += 4) {
                const double xr0 = sr[c], xr1 = sr[c + 1], xr2 = sr[c + 2], xr3 = sr[c + 3];
                const double xi0 = si[c], xi1 = si[c + 1], xi2 = si[c + 2], xi3 = si[c + 3];
                dr[c] += q.real() * xr0 - q.imag() * xi0;
                dr[c + 1] += q.real() * xr1 - q.imag() * xi1;
                dr[c + 2] += q.real() * xr2 - q.imag() * xi2;
                dr[c + 3] += q.real() * xr3 - q.imag() * xi3;
                di[c] += q.real() * xi0 + q.imag() * xr0;
                di[c + 1] += q.real() * xi1 + q.imag() * xr1;
                di[c + 2] += q.real() * xi2 + q.imag() * xr2;
                di[c + 3] += q.real() * xi3 + q.imag() * xr3;
            }
            re(i, k) = im(i, k) = 0;
        }
    }

    int b_ = 0, n_ = 0, meshCount_ = 0, rowCount_ = 0;
    std::array<double, kMaxBranches> r_{}, l_{}, c_{};
    std::array<bool, kMaxBranches> reversed_{};
    std::array<SignRow, kMaxMeshes> meshRows_{};
    std::array<double, kMaxBranches * kStride> re_{}, im_{};
    std::array<int, kMaxBranches> entryCount_{};
    std::array<std::array<Entry, kMaxBranches>, kMaxBranches> entries_{};
    std::array<std::uint8_t, kMaxBranches> columnBranch_{}, prepared_{}, columnOf_{};
};

using test::analysedLadder;

const SweepRange kRange = DeriveBounds(20, 20000, false);

void sweep(AcSolver& solver, const Network& network, BranchCurrents& currents) {
    solver.prepareSweep(network);
    for (int i = 0; i <= kSweepLastPoint; ++i) {
        benchmark::DoNotOptimize(
            solver.solveSweepPoint(pointFrequency(kRange, i, true), 1, currents));
        benchmark::DoNotOptimize(currents);
    }
}

void previousSweep(PreviousSweep& solver, const Network& network, BranchCurrents& currents) {
    solver.prepare(network);
    for (int i = 0; i <= kSweepLastPoint; ++i) {
        solver.solvePoint(pointFrequency(kRange, i, true), 1, currents);
        benchmark::DoNotOptimize(currents);
    }
}

double processorSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void SingleSolve(benchmark::State& state) {
    const auto network = analysedLadder(static_cast<int>(state.range(0)));
    auto solver = std::make_unique<AcSolver>();
    BranchCurrents currents;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solver->solve(*network, 1000, 1, currents));
        benchmark::DoNotOptimize(currents);
    }
    state.counters["branches"] = network->branchCount;
}

void Sweep897(benchmark::State& state) {
    const auto network = analysedLadder(static_cast<int>(state.range(0)));
    auto solver = std::make_unique<AcSolver>();
    BranchCurrents currents;
    for (auto _ : state) sweep(*solver, *network, currents);
    state.counters["branches"] = network->branchCount;
}

void PreviousSweep897(benchmark::State& state) {
    const auto network = analysedLadder(static_cast<int>(state.range(0)));
    auto solver = std::make_unique<PreviousSweep>();
    BranchCurrents currents;
    for (auto _ : state) previousSweep(*solver, *network, currents);
    state.counters["branches"] = network->branchCount;
}

// Both ratios from the same iterations, so that the load of a shared machine falls on both
// sides alike. Checks first that the two sweep forms agree.
void SweepRatios(benchmark::State& state) {
    const auto network = analysedLadder(static_cast<int>(state.range(0)));
    auto solver = std::make_unique<AcSolver>();
    auto previous = std::make_unique<PreviousSweep>();
    BranchCurrents currents, before;
    solver->prepareSweep(*network);
    previous->prepare(*network);
    for (int i = 0; i <= kSweepLastPoint; i += 16) {
        const double f = pointFrequency(kRange, i, true);
        solver->solveSweepPoint(f, 1, currents);
        previous->solvePoint(f, 1, before);
        // To the cross-check's tolerance: at some frequencies the previous form's pivots lose
        // digits (up to 1e-8 of the largest current in the 34-section ladder).
        double largest = 0;
        for (int k = 0; k < network->branchCount; ++k)
            largest = std::max(largest, std::abs(before.current[k]));
        for (int k = 0; k < network->branchCount; ++k) {
            if (std::abs(currents.current[k] - before.current[k]) > 1e-6 * largest)
                throw std::runtime_error("the sweep forms disagree");
        }
    }
    double sweeps = 0, singles = 0, previousSweeps = 0;
    for (auto _ : state) {
        const double start = processorSeconds();
        sweep(*solver, *network, currents);
        const double swept = processorSeconds();
        for (int i = 0; i <= kSweepLastPoint; ++i) {
            benchmark::DoNotOptimize(
                solver->solve(*network, pointFrequency(kRange, i, true), 1, currents));
        }
        const double solved = processorSeconds();
        previousSweep(*previous, *network, currents);
        previousSweeps += processorSeconds() - solved;
        singles += solved - swept;
        sweeps += swept - start;
    }
    state.counters["branches"] = network->branchCount;
    state.counters["sweep/(897 solves)"] = sweeps / singles;
    state.counters["previous/present sweep"] = previousSweeps / sweeps;
}

// 4, 14 and 34 sections give 9, 29 and 69 branches.
BENCHMARK(SingleSolve)->Arg(4)->Arg(14)->Arg(34)->Unit(benchmark::kMicrosecond);
BENCHMARK(Sweep897)->Arg(4)->Arg(14)->Arg(34)->Unit(benchmark::kMillisecond);
BENCHMARK(PreviousSweep897)->Arg(4)->Arg(14)->Arg(34)->Unit(benchmark::kMillisecond);
BENCHMARK(SweepRatios)->Arg(4)->Arg(14)->Arg(34)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace volmira
