// Poles and zeros of the transfer function Ue -> branch quantity, against closed forms and, for
// random ladders, against the response that the independent reference solver computes.
#include "analysis/poles_zeros.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "support/example_files.h"
#include "support/random_drawings.h"
#include "support/reference_solver.h"
#include "support/test_drawings.h"
#include "support/valued_drawing.h"

namespace volmira {
namespace {

using Complex = std::complex<double>;

void expectClose(Complex actual, Complex expected, double tolerance) {
    EXPECT_LT(std::abs(actual - expected), tolerance * std::abs(expected))
        << actual << " vs " << expected;
}

// The roots of a s^2 + b s + c, the one with Im >= 0 first.
std::pair<Complex, Complex> quadraticRoots(double a, double b, double c) {
    const Complex root = std::sqrt(Complex(b * b - 4 * a * c));
    Complex x1 = (-b + root) / (2 * a), x2 = (-b - root) / (2 * a);
    if (x1.imag() < x2.imag()) std::swap(x1, x2);
    return {x1, x2};
}

// Poles and zeros of Ue -> the quantity of the named component's branch.
PolesAndZeros of(const Calculation& calc, const char* component, TransferOutput output) {
    return polesAndZeros(calc.network(), test::branchOf(calc, component), output);
}

TEST(PolesZeros, RcLowPass) {
    Calculation calc;
    ASSERT_TRUE(test::analyseWithValues(
        calc, test::rcLowPass(), [](const std::string& n) { return n[0] == 'R' ? "1k" : "1u"; }));
    const PolesAndZeros voltage = of(calc, "C1", TransferOutput::Voltage);
    ASSERT_TRUE(voltage.ok()) << voltage.refusal;
    ASSERT_EQ(voltage.poles.size(), 1u);
    expectClose(voltage.poles[0].s, -1000.0, 1e-9);
    EXPECT_TRUE(voltage.zeros.empty());
    // The current through C is s C Ue / (1 + s R C): a zero at 0.
    const PolesAndZeros current = of(calc, "C1", TransferOutput::Current);
    ASSERT_EQ(current.zeros.size(), 1u);
    EXPECT_LT(std::abs(current.zeros[0].s), 1e-9);
    const NaturalMode mode = naturalMode(current.poles[0].s);
    EXPECT_NEAR(mode.frequency, 1000 / (2 * M_PI), 1e-9);
    EXPECT_NEAR(mode.damping, 1.0, 1e-12);
    EXPECT_FALSE(mode.hasQuality);
}

TEST(PolesZeros, SeriesRlcPairDampingAndQuality) {
    Calculation calc;
    const double R = 100, L = 0.1, C = 253.3e-9;
    ASSERT_TRUE(test::analyseWithValues(calc, test::seriesRlcLoop(), [](const std::string& n) {
        return n[0] == 'R' ? "100" : n[0] == 'L' ? "100m" : "253,3n";
    }));
    const PolesAndZeros current = of(calc, "R1", TransferOutput::Current);
    ASSERT_TRUE(current.ok()) << current.refusal;
    ASSERT_EQ(current.poles.size(), 2u);
    const auto [p1, p2] = quadraticRoots(L * C, R * C, 1);
    expectClose(current.poles[0].s, p1, 1e-9);
    expectClose(current.poles[1].s, p2, 1e-9);
    ASSERT_EQ(current.zeros.size(), 1u);
    const std::vector<Singularity> listed = listedOnce(current.poles);
    ASSERT_EQ(listed.size(), 1u);
    const NaturalMode mode = naturalMode(listed[0].s);
    EXPECT_NEAR(mode.frequency * 2 * M_PI * std::sqrt(L * C), 1.0, 1e-9);
    EXPECT_NEAR(mode.quality, std::sqrt(L / C) / R, 1e-8);
}

TEST(PolesZeros, SallenKeyPolePairThroughTheOpAmp) {
    Calculation calc;
    ASSERT_TRUE(test::confirmExample(calc, test::loadExample("SallenKey.nwb")));
    const PolesAndZeros result = of(calc, "R3", TransferOutput::Voltage);
    ASSERT_TRUE(result.ok()) << result.refusal;
    const double R1 = 10e3, R2 = 10e3, C1 = 22e-9, C2 = 10e-9;
    const auto [p1, p2] = quadraticRoots(R1 * R2 * C1 * C2, C2 * (R1 + R2), 1);
    ASSERT_EQ(result.poles.size(), 2u);
    expectClose(result.poles[0].s, p1, 1e-9);
    expectClose(result.poles[1].s, p2, 1e-9);
    EXPECT_TRUE(result.zeros.empty());
    EXPECT_NEAR(naturalMode(result.poles[0].s).quality, std::sqrt(C1 * C2) * R1 / (C2 * (R1 + R2)),
                1e-9);
}

// The input current of the active low-pass is Ue / R1 whatever the feedback does: the network's
// pole at -1 / (R2 C1) meets a zero in that transfer, while the output shows it. The op-amp's
// input wire has no current of its own to transfer to.
TEST(PolesZeros, CancellingPairIsMarkedAndTheInputWireRefused) {
    Calculation calc;
    ASSERT_TRUE(test::analyseWithValues(calc, test::activeLowPass(), [](const std::string& n) {
        return n == "R 2" ? "10k" : n[0] == 'R' ? "1k" : "10n";
    }));
    const PolesAndZeros input = of(calc, "R1", TransferOutput::Current);
    ASSERT_EQ(input.poles.size(), 1u);
    ASSERT_EQ(input.zeros.size(), 1u);
    expectClose(input.poles[0].s, -1e4, 1e-9);
    EXPECT_TRUE(input.poles[0].cancelled);
    EXPECT_TRUE(input.zeros[0].cancelled);
    const PolesAndZeros output = of(calc, "R3", TransferOutput::Voltage);
    ASSERT_EQ(output.poles.size(), 1u);
    EXPECT_FALSE(output.poles[0].cancelled);
    EXPECT_TRUE(output.zeros.empty());
    const int wire = calc.network().opAmps[0].inputBranch;
    EXPECT_FALSE(polesAndZeros(calc.network(), wire, TransferOutput::Current).ok());
    EXPECT_FALSE(polesAndZeros(calc.network(), wire, TransferOutput::Voltage).ok());
}

// H(j w) = K prod(j w - z) / prod(j w - p) must match the reference solver's response at every
// frequency once K is fixed at one: a wrong, missing or extra pole or zero breaks that.
TEST(PolesZeros, RandomLaddersMatchTheReferenceResponse) {
    std::mt19937 random(2511);
    int checked = 0;
    for (int trial = 0; trial < 40; ++trial) {
        const SchematicGrid grid = test::drawLattice(test::randomLadder(random));
        std::uniform_int_distribution<int> digit(1, 99);
        Calculation calc;
        const bool valued = test::analyseWithValues(calc, grid, [&](const std::string& name) {
            const std::string number = std::to_string(digit(random));
            return name[0] == 'R' ? number + "0" : name[0] == 'L' ? number + "m" : number + "0n";
        });
        if (!valued) continue;
        const Network& network = calc.network();
        for (int k = 1; k <= network.branchCount; ++k) {
            const Branch& branch = network.branch(k);
            if (branch.R == 0 && branch.L == 0 && branch.C == 0) continue;
            const PolesAndZeros pz = polesAndZeros(network, k, TransferOutput::Voltage);
            if (!pz.ok()) continue;
            SCOPED_TRACE("trial " + std::to_string(trial) + ", branch " + std::to_string(k));
            auto measured = [&](double f) {
                const test::ReferenceCurrents ref = test::referenceCurrents(network, f, 1.0);
                const double w = 2 * M_PI * f;
                Complex z(branch.R, w * branch.L);
                if (branch.C > 0) z -= Complex(0, 1 / (w * branch.C));
                return ref.current[std::size_t(k - 1)] * z;
            };
            auto rational = [&](double f) {
                const Complex s(0, 2 * M_PI * f);
                Complex h = 1;
                for (const Singularity& z : pz.zeros) h *= s - z.s;
                for (const Singularity& p : pz.poles) h /= s - p.s;
                return h;
            };
            const Complex gain = measured(700) / rational(700);
            for (double f : {55.0, 1300.0, 4100.0, 23000.0})
                expectClose(gain * rational(f), measured(f), 1e-6);
            ++checked;
        }
    }
    EXPECT_GT(checked, 40);
}

}  // namespace
}  // namespace volmira
