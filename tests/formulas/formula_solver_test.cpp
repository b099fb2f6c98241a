// Every formula solved for every quantity: the first quantity is computed from the others by
// the written relation, then each quantity must come back from the rest.
#include "formulas/formula_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <random>

namespace volmira {
namespace {

using Relation = std::function<double(const FormulaValues&)>;

double parallelZ(double r, double x) {
    return r * x / std::hypot(r, x);
}
constexpr double kPi = 3.141592653589793;

// The first quantity of each formula variant, as written in the formula table.
const std::map<int, Relation>& relations() {
    static const std::map<int, Relation> table = {
        {111, [](auto& v) { return v[1] + v[2]; }},
        {121, [](auto& v) { return v[1] * v[2] / (v[1] + v[2]); }},
        {131, [](auto& v) { return v[1] * v[3] / v[2]; }},
        {132, [](auto& v) { return v[1] / (v[2] * v[3]); }},
        {211, [](auto& v) { return v[1] * v[2] / (v[1] + v[2]); }},
        {221, [](auto& v) { return v[1] + v[2]; }},
        {231, [](auto& v) { return 1 / (v[1] * v[2]); }},
        {232, [](auto& v) { return 1 / (2 * kPi * v[1] * v[2]); }},
        {241, [](auto& v) { return 8.86e-12 * v[3] * v[1] / v[2]; }},
        {242, [](auto& v) { return v[1] / v[2]; }},  // Q = C U, fields C, Q, U
        {311, [](auto& v) { return v[1] + v[2]; }},
        {321, [](auto& v) { return v[1] * v[2] / (v[1] + v[2]); }},
        {331, [](auto& v) { return v[1] * v[2]; }},
        {332, [](auto& v) { return 2 * kPi * v[1] * v[2]; }},
        {341, [](auto& v) { return 1.256e-6 * v[4] * v[1] * v[1] * v[2] / v[3]; }},
        {411, [](auto& v) { return parallelZ(v[1], v[2]); }},
        {412, [](auto& v) { return parallelZ(v[1], v[2] * v[3]); }},
        {413, [](auto& v) { return parallelZ(v[1], 2 * kPi * v[2] * v[3]); }},
        {421, [](auto& v) { return std::hypot(v[1], v[2]); }},
        {422, [](auto& v) { return std::hypot(v[1], v[2] * v[3]); }},
        {423, [](auto& v) { return std::hypot(v[1], 2 * kPi * v[2] * v[3]); }},
        {431, [](auto& v) { return parallelZ(v[1], v[2]); }},
        {432, [](auto& v) { return parallelZ(v[1], 1 / (v[2] * v[3])); }},
        {433, [](auto& v) { return parallelZ(v[1], 1 / (2 * kPi * v[2] * v[3])); }},
        {441, [](auto& v) { return std::hypot(v[1], v[2]); }},
        {442, [](auto& v) { return std::hypot(v[1], 1 / (v[2] * v[3])); }},
        {443, [](auto& v) { return std::hypot(v[1], 1 / (2 * kPi * v[2] * v[3])); }},
        {451, [](auto& v) { return 1 / (2 * kPi * std::sqrt(v[1] * v[2])); }},
    };
    return table;
}

TEST(FormulaSolver, EveryQuantityOfEveryFormulaComesBack) {
    std::mt19937 random(20);
    // One decade: wider spreads make some rearranged forms ill-conditioned (Z close to X, where
    // the root of their difference loses digits).
    std::uniform_real_distribution<double> value(1, 10);
    int checked = 0;
    for (const FormulaVariant& formula : formulaVariants()) {
        const int id = formula.page * 100 + formula.formula * 10 + formula.variant;
        ASSERT_TRUE(relations().count(id)) << id;
        for (int round = 0; round < 20; ++round) {
            FormulaValues values{};
            for (int i = 1; i < formula.quantityCount; ++i) values[i] = value(random);
            values[0] = relations().at(id)(values);
            for (int q = 1; q <= formula.quantityCount; ++q) {
                FormulaValues given = values;
                given[q - 1] = 0;
                const FormulaKey key{formula.page, formula.formula, formula.variant, q};
                const std::optional<double> solved = solveFormula(key, given);
                ASSERT_TRUE(solved) << key.code();
                EXPECT_NEAR(*solved / values[q - 1], 1, 1e-8) << key.code();
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 97 * 20);  // every FormulaKey
}

// Division by zero, the root of a negative number and overflow give no number at all.
TEST(FormulaSolver, ArithmeticFailuresGiveNothing) {
    EXPECT_FALSE(solveFormula({1, 2, 1, 2}, {100, 0, 100}));      // R1 with R2 = Rg
    EXPECT_FALSE(solveFormula({4, 2, 1, 2}, {3, 0, 4}));          // R = root(Z² - X²), X > Z
    EXPECT_FALSE(solveFormula({1, 1, 1, 1}, {0, 1e308, 1e308}));  // overflow
    EXPECT_FALSE(solveFormula({2, 3, 1, 1}, {0, 0, 1e-6}));       // Xc at ω = 0
}

}  // namespace
}  // namespace volmira
