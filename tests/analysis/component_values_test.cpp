#include "analysis/component_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace volmira {
namespace {

// Symbol codes of the horizontal components; the vertical ones are 6 higher.
constexpr std::uint8_t kResistor = 1, kInductor = 2, kCapacitor = 3;

Component makeComponent(const char* name, std::uint8_t code, int branch, double value,
                        std::uint8_t row = 1, std::uint8_t column = 1) {
    return {row, column, code, static_cast<std::uint8_t>(branch), name, value, ""};
}

Network networkOf(int branches, const std::vector<Component>& components) {
    Network n;
    n.branchCount = branches;
    n.componentCount = static_cast<int>(components.size());
    for (std::size_t i = 0; i < components.size(); ++i) n.components[i] = components[i];
    return n;
}

TEST(SumBranchValues, SumsPerBranch) {
    Network n = networkOf(
        4,
        {makeComponent("R 1", kResistor, 1, 100), makeComponent("R 2", kResistor + 6, 1, 220),
         makeComponent("L 1", kInductor, 1, 1e-3), makeComponent("L 2", kInductor + 6, 1, 2e-3),
         makeComponent("C 1", kCapacitor, 1, 2e-6), makeComponent("C 2", kCapacitor + 6, 1, 2e-6),
         makeComponent("C 3", kCapacitor, 2, 1e-6), makeComponent("C 4", kCapacitor, 2, 2e-6),
         makeComponent("C 5", kCapacitor, 2, 3e-6), makeComponent("R 3", kResistor, 4, 0),
         // Outside the branches: ignored.
         makeComponent("R 4", kResistor, 0, 1000), makeComponent("R 5", kResistor, 5, 1000)});
    // Left-overs of an earlier confirmation and solve are replaced.
    for (Branch& b : n.branches) b.R = b.L = b.C = b.X = 99;

    sumBranchValues(n);

    EXPECT_DOUBLE_EQ(n.branch(1).R, 320);
    EXPECT_DOUBLE_EQ(n.branch(1).L, 3e-3);
    EXPECT_DOUBLE_EQ(n.branch(1).C, 1e-6);  // two 2 uF in series
    EXPECT_DOUBLE_EQ(n.branch(2).C, 6.0 / 11.0 * 1e-6);
    EXPECT_EQ(n.branch(2).R, 0);
    EXPECT_EQ(n.branch(2).L, 0);
    for (int b = 1; b <= 4; ++b) EXPECT_EQ(n.branch(b).X, 0) << b;
    // A branch without components, and one with a 0 Ohm resistor acting as a wire.
    EXPECT_EQ(n.branch(3).R, 0);
    EXPECT_EQ(n.branch(3).C, 0);
    EXPECT_EQ(n.branch(4).R, 0);
    EXPECT_EQ(n.branch(4).C, 0);
    EXPECT_LT(n.branch(5).R, 1000);  // "R 5" is summed nowhere
}

// The unit follows the kind in either direction; seven digits are kept. "4k7" reads as 4000, and
// the text shown afterwards makes that plain. An empty cell changes nothing.
TEST(StoreValueText, ParsesAndFormatsAgain) {
    struct Case {
        const char* name;
        std::uint8_t code;
        const char* cell;
        StoreResult result;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {"R 1", kResistor, "4k7", StoreResult::Stored, 4000, "4 kOhm"},
        {"R 3", kResistor, "3,14159265", StoreResult::Stored, 3.14159265, "3,141593 Ohm"},
        {"C 1", kCapacitor, "47n", StoreResult::Stored, 47e-9, "47 nF"},
        {"C 2", kCapacitor + 6, "1e-6", StoreResult::Stored, 1e-6, "1 uF"},
        {"L 1", kInductor, "0,001", StoreResult::Stored, 0.001, "1 mH"},
        {"R 1", kResistor, "", StoreResult::Unchanged, 470, "470 Ohm"},
        {"R 1", kResistor, "   ", StoreResult::Unchanged, 470, "470 Ohm"},
        {"R 1", kResistor, "\t", StoreResult::Unchanged, 470, "470 Ohm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        Component component = makeComponent(c.name, c.code, 1, 470);
        component.valueText = "470 Ohm";
        EXPECT_EQ(storeValueText(component, c.cell), c.result);
        EXPECT_EQ(component.value, c.value);
        EXPECT_EQ(component.valueText, c.text);
    }
}

// A text that does not convert stays for the confirmation, which refuses it first; zero is
// refused only for capacitors.
TEST(CheckValuesForConfirmation, UnconvertedTextThenZeroCapacitor) {
    Network n = networkOf(
        2, {makeComponent("R 1", kResistor, 1, 470), makeComponent("L 1", kInductor, 1, 0),
            makeComponent("R 2", kResistor, 2, 0), makeComponent("C 1", kCapacitor + 6, 2, 0)});
    n.component(1).valueText = "470 Ohm";
    EXPECT_EQ(storeValueText(n.component(1), " 1,2,3 "), StoreResult::NotANumber);
    EXPECT_EQ(n.component(1).value, 470);
    EXPECT_EQ(n.component(1).valueText, "1,2,3");
    const std::optional<ValueProblem> problem = checkValuesForConfirmation(n);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->component, 1);
    EXPECT_EQ(problem->message,
              "Der Wert \xE2\x80\x9E"
              "1,2,3\xE2\x80\x9C von R 1 ist keine g\xC3\xBCltige Zahl.");

    EXPECT_EQ(storeValueText(n.component(1), "1k"), StoreResult::Stored);
    const std::optional<ValueProblem> next = checkValuesForConfirmation(n);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->component, 4);
    EXPECT_EQ(next->message, "Kondensator mit Wert 0!  Dies ist nicht erlaubt!");
    n.component(4).value = 2.2e-6;
    EXPECT_FALSE(checkValuesForConfirmation(n).has_value());
}

TEST(CarryOverValues, ByPositionAndKind) {
    std::vector<Component> previous = {makeComponent("R 1", kResistor, 1, 4700, 10, 20),
                                       makeComponent("C 1", kCapacitor, 2, 2.2e-9, 30, 40),
                                       makeComponent("L 1", kInductor, 3, 0, 50, 60),
                                       makeComponent("R 2", kResistor, 1, 1000, 70, 80)};
    previous[0].valueText = "4k7";

    Network n = networkOf(
        3, {
               makeComponent("R 1", kResistor + 6, 1, 0, 10, 20),  // same cell, now vertical
               makeComponent("L 1", kInductor, 2, 0, 30, 40),      // a capacitor was here
               makeComponent("L 2", kInductor, 3, 0, 50, 60),      // carried value 0
               makeComponent("C 1", kCapacitor, 3, 0, 70, 81),     // new place
               makeComponent("C 2", kCapacitor, 2, 0, 30, 40),  // same cell and kind as C 1 before
           });
    // What the analysis may have left in the records.
    for (int k = 1; k <= n.componentCount; ++k) {
        n.component(k).value = 5;
        n.component(k).valueText = "5";
    }

    carryOverValues(n, previous);

    const std::pair<double, const char*> expected[] = {
        {4700, "4,7 kOhm"}, {0, ""}, {0, ""}, {0, ""}, {2.2e-9, "2,2 nF"}};
    for (int k = 1; k <= n.componentCount; ++k) {
        EXPECT_EQ(n.component(k).value, expected[k - 1].first) << k;
        EXPECT_EQ(n.component(k).valueText, expected[k - 1].second) << k;
    }
}

}  // namespace
}  // namespace volmira
