#include "analysis/quantities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>

#include "analysis/hand_networks.h"
#include "analysis/value_text.h"

namespace volmira {
namespace {

using Q = ElectricalQuantity;
constexpr double kPi = std::numbers::pi;

TEST(Quantities, CurrentPhaseFollowsTheArctangentRule) {
    struct Case {
        double re, im, phase;
    };
    const Case cases[] =
        {
            {2, 0, 0},    {-2, 0, 180},      {-2, -0.0, 180}, {0, 3, 90},
            {0, -3, -90}, {1, 1, 45},        {-1, 1, 135},    {-1, -1, -135},
            {1, -1, -45}, {-1, 1e-300, 180}, {0, 0, 0},  // no current: no phase
        };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.re << " " << c.im);
        const CurrentPolar polar = currentPolar({c.re, c.im});
        EXPECT_NEAR(polar.phase, c.phase, 1e-12);
        EXPECT_GE(polar.phase, -180);
        EXPECT_LE(polar.phase, 180);
        EXPECT_DOUBLE_EQ(polar.magnitude, std::hypot(c.re, c.im));
    }
}

TEST(Quantities, DerivedFromCurrentAndImpedance) {
    struct Case {
        const char* name;
        double i, phiI, R, X, ue;
        // U, S, P, Q, phi U, gain, phi Z, 2 phi I + phi Z
        double u, s, p, q, phiU, gain, phiZ, phiS;
    };
    const Case cases[] = {
        {"resistor only", 2e-3, 30, 1000, 0, 1, 2, 4e-3, 4e-3, 0, 30, 6.0205999132796239, 0, 60},
        {"capacitor only", 0.5, 10, 0, -200, 10, 100, 50, 0, -50, -80, 20, -90, -70},
        {"inductor only", 0.25, -20, 0, 40, 1, 10, 2.5, 0, 2.5, 70, 20, 90, 50},
        {"R and L alike", 0.1, 0, 30, 30, 6, 3 * std::sqrt(2.0), 0.3 * std::sqrt(2.0), 0.3, 0.3, 45,
         20 * std::log10(std::sqrt(2.0) / 2), 45, 45},
        {"negative real current", 0.1, 180, 47, 0, 5, 4.7, 0.47, 0.47, 0, 180,
         20 * std::log10(4.7 / 5), 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BranchQuantities q = deriveQuantities({c.i, c.phiI}, c.R, c.X, c.ue);
        auto near = [](double actual, double expected) {
            EXPECT_NEAR(actual, expected, 1e-9 * std::abs(expected) + 1e-15);
        };
        near(q[Q::Current], c.i);
        near(q[Q::CurrentPhase], c.phiI);
        near(q[Q::Resistance], c.R);
        near(q[Q::Reactance], c.X);
        near(q[Q::Impedance], std::hypot(c.R, c.X));
        near(q[Q::Voltage], c.u);
        near(q[Q::ApparentPower], c.s);
        near(q[Q::RealPower], c.p);
        near(q[Q::ReactivePower], c.q);
        near(q[Q::VoltagePhase], c.phiU);
        near(q[Q::Gain], c.gain);
        const double degrees[] = {c.phiU, c.phiI, c.phiZ, c.phiU, c.phiS};
        for (int k = 0; k < kPhaseCellCount; ++k) near(q.phase[k], degrees[k] * 0.0174533);
    }
}

TEST(Quantities, ZeroingRulesAndPhaseRange) {
    // |U| = Ue: exactly 0 dB even when the product rounds.
    const BranchQuantities unity = deriveQuantities({1.0 / 3, 0}, 3, 0, 1);
    EXPECT_EQ(unity[Q::Gain], 0);
    // Phases that are nearly zero are zero, in degrees (slot 6) and in the radian cells.
    const BranchQuantities tiny = deriveQuantities({1, 4e-7}, 10, 0, 1);
    EXPECT_EQ(tiny[Q::VoltagePhase], 0);
    EXPECT_EQ(tiny.phase[0], 0);
    EXPECT_EQ(tiny.phase[1], 0);
    EXPECT_EQ(tiny[Q::CurrentPhase], 4e-7);  // the current's own phase slot stays as it is
    // No voltage across the branch: the gain is minus infinity.
    EXPECT_EQ(deriveQuantities({0, 0}, 100, 0, 1)[Q::Gain], kMinusInfinity);
    EXPECT_EQ(deriveQuantities({2, 45}, 0, 0, 1)[Q::Gain], kMinusInfinity);
    // Every phase lies within +-180. A capacitor whose current lags by 178.8 degrees: its voltage
    // phase is 91.2, not -268.8.
    const BranchQuantities c = deriveQuantities({0.1, -178.8}, 0, -50, 1);
    EXPECT_NEAR(c[Q::VoltagePhase], 91.2, 1e-9);
    EXPECT_NEAR(c.phase[0], 91.2 * kDegreeFactor, 1e-12);
    EXPECT_NEAR(c.phase[3], 91.2 * kDegreeFactor, 1e-12);
    EXPECT_NEAR(c.phase[4], (2 * -178.8 - 90 + 360) * kDegreeFactor, 1e-12);
    // -180 is shown as +180.
    EXPECT_EQ(deriveQuantities({1, -90}, 0, -1, 1)[Q::VoltagePhase], 180);
    EXPECT_EQ(deriveQuantities({1, 135}, 1, 1, 1)[Q::VoltagePhase], 180);
}

TEST(Quantities, ResultFieldTextsAndNothingNotFinite) {
    const BranchQuantities q = deriveQuantities({1e-3, 33.333333}, 123456, 0, 1);
    const auto nine = resultFieldTexts(q, 0);
    EXPECT_EQ(nine[7], "123,456 kOhm");
    EXPECT_EQ(nine[1], "1 mA");
    EXPECT_EQ(nine[10], "33,33 °");   // phases with 4 digits: two decimals
    EXPECT_EQ(nine[3], "41,830 dB");  // gain: three decimals, never a prefix
    EXPECT_EQ(nine[8], "0 Ohm");
    EXPECT_EQ(nine[9], "0");  // powers and currents at most 1e-15 read "0"
    const auto four = resultFieldTexts(q, 4);
    EXPECT_EQ(four[7], "123,5 kOhm");
    EXPECT_EQ(four[0], "123,5 V");

    const auto off = resultFieldTexts(deriveQuantities({0, 0}, 0, -50, 1), 0);
    EXPECT_EQ(off[3], ">> Ua=0V");
    EXPECT_EQ(off[6], "  ---");
    EXPECT_EQ(off[0], "0");
    EXPECT_EQ(off[1], "0");
    EXPECT_EQ(off[2], "50 Ohm");

    // No text ever shows a number that is not finite.
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        CurrentPolar current;
        double R, X, ue;
    };
    const Case cases[] = {{{1e200, 0}, 1e200, 0, 1},  // overflowing powers
                          {{inf, 0}, 10, 0, 1},      {{nan, nan}, 10, 10, 1}, {{1, 0}, nan, 0, 1},
                          {{1, 0}, 0, -inf, 1},      {{1, 0}, 10, 0, 0},  // no source voltage
                          {{0, 0}, 0, 0, 0}};
    for (const Case& c : cases) {
        const BranchQuantities q = deriveQuantities(c.current, c.R, c.X, c.ue);
        for (double v : q.value) EXPECT_TRUE(std::isfinite(v));
        for (double v : q.phase) EXPECT_TRUE(std::isfinite(v));
        for (const std::string& text : resultFieldTexts(q, 0)) {
            SCOPED_TRACE(text);
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(text.find("nan"), std::string::npos);
            EXPECT_EQ(text.find("inf"), std::string::npos);
            EXPECT_NE(text, "---");
        }
    }
    const auto huge = resultFieldTexts(deriveQuantities({1e200, 0}, 1e200, 0, 1), 0);
    EXPECT_EQ(huge[4], "unendlich");
}

// From a solve through the table to the quantities of a clicked branch.
TEST(Quantities, RcLowPassOutputFromTheAllBranchTable) {
    // Top 2, ground 3, output 4: R from the top to the output, C from the output to ground.
    const double R = 1000, C = 100e-9, f = 2500, ue = 2;
    Network network =
        test::toNetwork(test::completeNetwork(4, {{1, 2}, {1, 3}, {2, 4, R}, {4, 3, 0, 0, C}}));
    assignReferenceDirections(network);
    auto solver = std::make_unique<AcSolver>();
    BranchCurrents currents;
    ASSERT_FALSE(solver->solve(network, f, ue, currents).failed());
    AllBranchTable table;
    recordAllBranches(network, currents, f, ue, table);
    EXPECT_EQ(table.branchCount, 4);

    const double wrc = 2 * kPi * f * R * C;
    const BranchQuantities out = quantitiesFromTable(table, 4);
    EXPECT_NEAR(out[Q::Voltage], ue / std::sqrt(1 + wrc * wrc), 1e-9 * ue);
    EXPECT_NEAR(out[Q::Gain], -10 * std::log10(1 + wrc * wrc), 1e-9);
    EXPECT_NEAR(out[Q::VoltagePhase], -std::atan(wrc) * 180 / kPi, 1e-9);
    EXPECT_NEAR(out[Q::Reactance], -1 / (2 * kPi * f * C), 1e-6);
    EXPECT_EQ(out[Q::RealPower], 0);
    // The resistor carries the same current; its voltage leads the capacitor's by 90 degrees.
    const BranchQuantities in = quantitiesFromTable(table, 3);
    EXPECT_NEAR(in[Q::Current], out[Q::Current], 1e-15);
    EXPECT_NEAR(in[Q::VoltagePhase] - out[Q::VoltagePhase], 90, 1e-9);
    // Outside the table: nothing flows.
    EXPECT_EQ(quantitiesFromTable(table, 5)[Q::Current], 0);
    EXPECT_EQ(quantitiesFromTable(table, 0)[Q::Gain], kMinusInfinity);
}

}  // namespace
}  // namespace volmira
