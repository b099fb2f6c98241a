#include "analysis/calculation.h"

#include <gtest/gtest.h>

#include <vector>

#include "schematic/symbol_list.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

// The RC low-pass analysed with R 1 = 1 kOhm and C 1 = 1 uF.
struct LowPass {
    Calculation calc;
    LowPass() {
        EXPECT_TRUE(calc.analyse(test::rcLowPass()).ok());
        bool changed = false;
        for (int k = 1; k <= calc.network().componentCount; ++k)
            calc.storeValue(k, calc.network().component(k).name[0] == 'R' ? "1k" : "1u", changed);
    }
};

TEST(Calculation, ConfirmationChecksSumsAndKeepsTheValues) {
    LowPass lp;
    Calculation& calc = lp.calc;
    bool changed = false;
    calc.storeValue(2, "0", changed);
    calc.storeValue(1, "0", changed);
    const auto problem = calc.confirmValues();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->component, 2);
    EXPECT_FALSE(calc.valuesConfirmed());

    LowPass fresh;
    ASSERT_FALSE(fresh.calc.confirmValues());
    EXPECT_TRUE(fresh.calc.valuesConfirmed());
    const Network& n = fresh.calc.network();
    double r = 0, c = 0;
    for (int b = 1; b <= n.branchCount; ++b) {
        r += n.branch(b).R;
        c += n.branch(b).C;
    }
    EXPECT_EQ(r, 1000.0);
    EXPECT_DOUBLE_EQ(c, 1e-6);
    // The next analysis takes the confirmed values for the components that stayed.
    ASSERT_TRUE(fresh.calc.analyse(test::rcLowPass()).ok());
    EXPECT_FALSE(fresh.calc.valuesConfirmed());
    EXPECT_FALSE(fresh.calc.network().component(1).valueText.empty());
}

TEST(Calculation, FailedAnalysisChangesNothing) {
    LowPass lp;
    Calculation& calc = lp.calc;
    ASSERT_FALSE(calc.confirmValues());
    const std::vector<StoredComponent> before = calc.records();
    SchematicGrid twoSources = test::rcLowPass();
    stamp(twoSources, 5, 60, 40);  // a second source
    EXPECT_FALSE(calc.analyse(twoSources).ok());
    EXPECT_EQ(calc.records(), before);
    EXPECT_TRUE(calc.valuesConfirmed());
    EXPECT_EQ(calc.network().componentCount, 2);
}

TEST(Calculation, FrequencyAndVoltageAcceptance) {
    LowPass lp;
    Calculation& calc = lp.calc;
    EXPECT_TRUE(calc.acceptFrequency(" 1,5k ").accepted);
    EXPECT_EQ(calc.frequency(), 1500.0);
    EXPECT_EQ(calc.frequencyText(), "1,5 kHz");
    // Refusals keep the previous value; a text that is no number is quoted, the other
    // messages are the input checks'.
    for (const char* text : {"0", "1,2,3"}) {
        const InputAcceptance refused = calc.acceptFrequency(text);
        EXPECT_FALSE(refused.accepted);
        EXPECT_FALSE(refused.message.empty());
    }
    EXPECT_NE(calc.acceptFrequency("1,2,3").message.find("\xC2\xB4"
                                                         "1,2,3\xC2\xB4"),
              std::string::npos);
    EXPECT_EQ(calc.frequency(), 1500.0);
    EXPECT_NE(calc.acceptVoltage("abc").message.find("abc"), std::string::npos);
    EXPECT_FALSE(calc.acceptVoltage("0").accepted);
    EXPECT_TRUE(calc.acceptVoltage("2,5").accepted);
    EXPECT_EQ(calc.voltage(), 2.5);
    EXPECT_EQ(calc.voltageText(), "2,5 V");

    // A network of resistors takes 0 Hz; once capacitors come, the next refusal falls back
    // to 1 kHz rather than keep a frequency the network no longer allows.
    Calculation resistors;
    SchematicGrid divider = test::rcLowPass();
    for (int row = 1; row <= kGridRows; ++row)
        for (int column = 1; column <= kGridColumns; ++column)
            if (divider.at(column, row) == 'z') divider.set(column, row, 'x');
    ASSERT_TRUE(resistors.analyse(divider).ok());
    EXPECT_TRUE(resistors.acceptFrequency("0").accepted);
    EXPECT_TRUE(resistors.directVoltage());
    ASSERT_TRUE(resistors.analyse(test::rcLowPass()).ok());
    EXPECT_FALSE(resistors.acceptFrequency("-5").accepted);
    EXPECT_EQ(resistors.frequency(), kDefaultFrequency);
    EXPECT_FALSE(resistors.directVoltage());
}

TEST(Calculation, SweepGivesTheSolvesPointsAndStopsWhenAsked) {
    LowPass lp;
    Calculation& calc = lp.calc;
    ASSERT_FALSE(calc.confirmValues());
    const std::vector<double> frequencies{100.0, 1000.0, 10000.0};
    const int branch = calc.network().component(1).branch;
    std::vector<double> magnitudes;
    const SweepOutcome all = calc.sweep(frequencies, [&](std::size_t, const BranchCurrents& c) {
        magnitudes.push_back(currentPolar(c.current[std::size_t(branch - 1)]).magnitude);
        return true;
    });
    EXPECT_EQ(all.pointsDone, 3u);
    EXPECT_FALSE(all.stopped);
    EXPECT_TRUE(all.message().empty());
    // Each point is the single-frequency solve at that frequency.
    const char* texts[] = {"100", "1k", "10k"};
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        ASSERT_TRUE(calc.acceptFrequency(texts[i]).accepted);
        calc.solve();
        EXPECT_NEAR(calc.table().current[std::size_t(branch - 1)].magnitude, magnitudes[i],
                    1e-12 * magnitudes[i]);
    }
    const SweepOutcome stopped =
        calc.sweep(frequencies, [](std::size_t index, const BranchCurrents&) { return index < 1; });
    EXPECT_EQ(stopped.pointsDone, 2u);
    EXPECT_TRUE(stopped.stopped);
}

TEST(Calculation, RecordsOfAFileKeepAnUnconvertibleTextForTheConfirmation) {
    Calculation calc;
    ASSERT_TRUE(calc.analyse(test::rcLowPass()).ok());
    std::vector<StoredComponent> records = calc.records();
    records[0].valueText = "1k";
    records[1].valueText = "1,2,3";
    calc.adoptRecords(records);
    EXPECT_EQ(calc.records(), records);
    ASSERT_TRUE(calc.analyse(test::rcLowPass()).ok());
    const auto problem = calc.confirmValues();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->component, 2);
    EXPECT_NE(problem->message.find("1,2,3"), std::string::npos);
    EXPECT_EQ(findComponent(calc.network(), "c1"), 2);
    EXPECT_EQ(findComponent(calc.network(), "L 1"), 0);
}

}  // namespace
}  // namespace volmira
