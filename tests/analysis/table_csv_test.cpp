// The calculation mode's table as German CSV: the number form, quoting, and every branch's row.
#include "analysis/table_csv.h"

#include <gtest/gtest.h>

#include "analysis/calculation.h"
#include "analysis/german_csv.h"
#include "analysis/not_computed.h"
#include "support/test_drawings.h"
#include "support/valued_drawing.h"

namespace volmira {
namespace {

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
    Calculation calc;
    test::analyseWithValues(calc, test::rcLowPass(),
                            [](const std::string& name) { return name[0] == 'R' ? "1k" : "1u"; });
    calc.acceptFrequency("2k");
    calc.solve();
    const std::string csv = branchTableCsv(calc.network(), calc.table());
    ASSERT_EQ(csv.rfind(kCsvStart, 0), 0u);
    EXPECT_NE(csv.find("Stromzweig;Bauteile;Frequenz [Hz];Spannung [V];Strom [A]"),
              std::string::npos);
    const int branch = test::branchOf(calc, "R1");
    const std::string row = std::to_string(branch) + ";R 1;2000;" +
                            germanCsvNumber(calc.quantities(branch).value[0], kTableCsvDigits) +
                            ";";
    EXPECT_NE(csv.find("\r\n" + row), std::string::npos) << csv;
    std::size_t lines = 0;
    for (char c : csv) lines += c == '\n';
    EXPECT_EQ(lines, std::size_t(calc.network().branchCount) + 1);
}

}  // namespace
}  // namespace volmira
