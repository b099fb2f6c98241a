// The calculation engine with its input checks, and its branch table as German CSV.
#include "analysis/calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "analysis/german_csv.h"
#include "analysis/input_checks.h"
#include "analysis/not_computed.h"
#include "analysis/table_csv.h"
#include "schematic/symbol_list.h"
#include "support/test_drawings.h"

namespace volmira {
namespace {

// The RC low-pass analysed with R 1 = 1 kOhm and C 1 = 1 uF.
struct LowPass : Calculation {
    LowPass() {
        EXPECT_TRUE(analyse(test::rcLowPass()).ok());
        bool changed = false;
        for (int k = 1; k <= network().componentCount; ++k)
            storeValue(k, network().component(k).name[0] == 'R' ? "1k" : "1u", changed);
    }
};

TEST(Calculation, ConfirmationChecksSumsAndKeepsTheValues) {
    LowPass calc;
    bool changed = false;
    calc.storeValue(2, "0", changed);
    calc.storeValue(1, "0", changed);
    const auto problem = calc.confirmValues();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->component, 2);
    EXPECT_FALSE(calc.valuesConfirmed());

    LowPass fresh;
    ASSERT_FALSE(fresh.confirmValues());
    EXPECT_TRUE(fresh.valuesConfirmed());
    const Network& n = fresh.network();
    double r = 0, c = 0;
    for (int b = 1; b <= n.branchCount; ++b) {
        r += n.branch(b).R;
        c += n.branch(b).C;
    }
    EXPECT_EQ(r, 1000.0);
    EXPECT_DOUBLE_EQ(c, 1e-6);
    // The next analysis takes the confirmed values for the components that stayed.
    ASSERT_TRUE(fresh.analyse(test::rcLowPass()).ok());
    EXPECT_FALSE(fresh.valuesConfirmed());
    EXPECT_FALSE(fresh.network().component(1).valueText.empty());
}

TEST(Calculation, FailedAnalysisChangesNothing) {
    LowPass calc;
    ASSERT_FALSE(calc.confirmValues());
    const std::vector<StoredComponent> before = calc.records();
    SchematicGrid twoSources = test::rcLowPass();
    stamp(twoSources, 5, 60, 40);  // a second source
    EXPECT_FALSE(calc.analyse(twoSources).ok());
    EXPECT_EQ(calc.records(), before);
    EXPECT_TRUE(calc.valuesConfirmed());
    EXPECT_EQ(calc.network().componentCount, 2);
}

TEST(InputChecks, Frequency) {
    struct Case {
        double f;
        bool reactive;
        bool accepted;
        bool directCurrent;
        const char* message;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {1000, true, true, false, ""},
        {1000, false, true, false, ""},
        {0, false, true, true, ""},
        {0, true, false, false, "Frequenz ´0 Hz´ bei C/L-Bauteilen nicht erlaubt"},
        {-50, false, false, false, "Negative Frequenz ist nicht erlaubt"},
        {-50, true, false, false, "Negative Frequenz ist nicht erlaubt"},
        {nan, false, false, false, "Ungültige Frequenz"},
        {kMinFrequency, true, true, false, ""},
        {kMaxFrequency, true, true, false, ""},
        {0.9e-6, false, false, false, "Frequenz unter 1 uHz ist nicht erlaubt"},
        {1.000001e12, false, false, false, "Frequenz über 1 THz ist nicht erlaubt"},
        {3e307, false, false, false, "Frequenz über 1 THz ist nicht erlaubt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.f << (c.reactive ? " with C/L" : ""));
        const FrequencyCheck check = checkFrequencyInput(c.f, c.reactive);
        EXPECT_EQ(check.accepted, c.accepted);
        EXPECT_EQ(check.directCurrent, c.directCurrent);
        EXPECT_EQ(check.message, c.message);
    }
}

// Voltages, and sweep bounds, which are never 0: an empty message is an accepted value.
TEST(InputChecks, VoltageAndSweepBound) {
    for (const auto& [u, message] :
         {std::pair<double, const char*>{1, ""},
          {1e-9, ""},
          {kMinVoltage, ""},
          {kMaxVoltage, ""},
          {0, "Spannung ´0 V´ ist nicht erlaubt"},
          {-1, "Negative Spannung ist nicht erlaubt"},
          {0.9e-12, "Spannung unter 1 pV ist nicht erlaubt"},
          {1e300, "Spannung über 1 GV ist nicht erlaubt"},
          {std::numeric_limits<double>::infinity(), "Ungültige Spannung"}}) {
        EXPECT_EQ(checkVoltageInput(u).accepted, *message == '\0') << u;
        EXPECT_EQ(checkVoltageInput(u).message, message) << u;
    }
    EXPECT_EQ(checkSweepBound(0).message, "Frequenz 0 ist nicht erlaubt");
    EXPECT_EQ(checkSweepBound(2e12).message, "Frequenz über 1 THz ist nicht erlaubt");
    EXPECT_TRUE(checkSweepBound(20).accepted);
}

// Refusals keep the previous value; a text that is no number is quoted, the other messages are
// the input checks'.
TEST(Calculation, FrequencyAndVoltageAcceptance) {
    LowPass calc;
    EXPECT_TRUE(calc.acceptFrequency(" 1,5k ").accepted);
    EXPECT_EQ(calc.frequency(), 1500.0);
    EXPECT_EQ(calc.frequencyText(), "1,5 kHz");
    EXPECT_EQ(calc.acceptFrequency("0").message, checkFrequencyInput(0, true).message);
    const InputAcceptance refused = calc.acceptFrequency("1,2,3");
    EXPECT_FALSE(refused.accepted);
    EXPECT_NE(refused.message.find("\xC2\xB4"
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
    LowPass calc;
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
    ASSERT_TRUE(calc.analyse(test::rcLowPass()).ok());
    const auto problem = calc.confirmValues();
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->component, 2);
    EXPECT_NE(problem->message.find("1,2,3"), std::string::npos);
    EXPECT_EQ(findComponent(calc.network(), "c1"), 2);
    EXPECT_EQ(findComponent(calc.network(), "L 1"), 0);
}

// The calculation mode's table as German CSV: the number form, quoting, and every branch's row.
TEST(GermanCsv, NumbersHaveADecimalCommaAndFieldsAreQuotedWhereNeeded) {
    EXPECT_EQ(germanCsvNumber(1234.5678, 8), "1234,5678");
    EXPECT_EQ(germanCsvNumber(-1.5e-9, 8), "-1,5e-09");
    EXPECT_EQ(germanCsvNumber(-1e38, 8), "-unendlich");
    EXPECT_EQ(germanCsvNumber(NotComputed, 8), "");
    std::string csv;
    appendCsvLine(csv, std::vector<std::string>{"a;b", "say \"x\"", "R 1"});
    EXPECT_EQ(csv, "\"a;b\";\"say \"\"x\"\"\";R 1\r\n");
}

TEST(TableCsv, HoldsEveryBranchAtTheTablesFrequency) {
    LowPass calc;
    ASSERT_FALSE(calc.confirmValues());
    calc.acceptFrequency("2k");
    calc.solve();
    const std::string csv = branchTableCsv(calc.network(), calc.table());
    ASSERT_EQ(csv.rfind(kCsvStart, 0), 0u);
    EXPECT_NE(csv.find("Stromzweig;Bauteile;Frequenz [Hz];Spannung [V];Strom [A]"),
              std::string::npos);
    const int branch = calc.network().component(1).branch;
    const std::string row = std::to_string(branch) + ";R 1;2000;" +
                            germanCsvNumber(calc.quantities(branch).value[0], kTableCsvDigits) +
                            ";";
    EXPECT_NE(csv.find("\r\n" + row), std::string::npos) << csv;
    EXPECT_EQ(std::ranges::count(csv, '\n'), calc.network().branchCount + 1);
}

}  // namespace
}  // namespace volmira
