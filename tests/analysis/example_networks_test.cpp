// The shipped example networks: each passes the schematic check, confirms its values and solves
// cleanly over its range, and shows its purpose in its numbers at 1 kHz.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/schematic_check.h"
#include "analysis/value_text.h"
#include "support/example_files.h"
#include "support/test_drawings.h"
#include "support/valued_drawing.h"

namespace volmira {
namespace {

using Q = ElectricalQuantity;

TEST(ExampleNetworks, PassTheCheckAndSolveCleanlyOverTheirRange) {
    for (const std::string& fileName : test::kExampleFiles) {
        SCOPED_TRACE(fileName);
        const LoadedNetwork example = test::loadExample(fileName);
        const SchematicFault fault = checkSchematic(example.grid);
        EXPECT_FALSE(fault.found) << "column " << fault.column << ", row " << fault.row << "\n"
                                  << test::drawingText(example.grid);
        Calculation calc;
        ASSERT_TRUE(test::confirmExample(calc, example));
        for (int k = 1; k <= calc.network().componentCount; ++k)
            EXPECT_NE(calc.network().component(k).value, 0) << calc.network().component(k).name;
        ASSERT_TRUE(calc.acceptFrequency(example.fields.fqEinzel).accepted);
        EXPECT_EQ(calc.solve().message(), "");
        const double from = *parseValue(example.fields.fqVon);
        const double to = *parseValue(example.fields.fqBis);
        std::vector<double> range(897);
        for (std::size_t i = 0; i < range.size(); ++i)
            range[i] = from * std::pow(to / from, double(i) / double(range.size() - 1));
        EXPECT_EQ(
            calc.sweep(range, [](std::size_t, const BranchCurrents&) { return true; }).message(),
            "");
    }
}

// A branch quantity of an example at 1 kHz.
double atOneKilohertz(const char* fileName, const char* component, Q quantity) {
    Calculation calc;
    EXPECT_TRUE(test::confirmExample(calc, test::loadExample(fileName)));
    EXPECT_TRUE(calc.acceptFrequency("1k").accepted);
    EXPECT_EQ(calc.solve().message(), "");
    return calc.quantities(test::branchOf(calc, component))[quantity];
}

// The low-pass is 3 dB down, the series circuit resonates (the whole source voltage across R,
// current in phase), the Wien-Robinson bridge is balanced (its 1 MOhm detector carries almost
// nothing), the active band-pass passes its centre with a gain of -1 (in phase or in antiphase,
// as the branch's reference direction has it).
TEST(ExampleNetworks, CornerResonanceBalanceAndCentreAtOneKilohertz) {
    EXPECT_NEAR(atOneKilohertz("Tp1kHz.nwb", "C1", Q::Gain), -3.0103, 1e-3);
    EXPECT_NEAR(atOneKilohertz("Tp1kHz.nwb", "C1", Q::VoltagePhase), -45, 1e-3);
    EXPECT_NEAR(atOneKilohertz("RCL.nwb", "R1", Q::Current), 0.01, 1e-6);
    EXPECT_NEAR(atOneKilohertz("RCL.nwb", "R1", Q::CurrentPhase), 0, 0.01);
    EXPECT_NEAR(atOneKilohertz("Volmira.nwb", "R4", Q::Gain), 0, 0.01);
    EXPECT_NEAR(std::remainder(atOneKilohertz("Volmira.nwb", "R4", Q::VoltagePhase), 180.0), 0,
                0.1);

    Calculation bridge;
    ASSERT_TRUE(test::confirmExample(bridge, test::loadExample("Wienrob.nwb")));
    ASSERT_TRUE(bridge.acceptFrequency("1k").accepted);
    bridge.solve();
    int detectors = 0;
    for (int k = 1; k <= bridge.network().componentCount; ++k) {
        if (bridge.network().component(k).value != 1e6) continue;
        ++detectors;
        EXPECT_LT(bridge.quantities(bridge.network().component(k).branch)[Q::Voltage], 1e-4);
    }
    EXPECT_EQ(detectors, 1);
}

}  // namespace
}  // namespace volmira
