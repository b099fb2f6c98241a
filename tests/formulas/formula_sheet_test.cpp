// The formula window's state: choosing formulas, committing fields, computing and failing.
#include "formulas/formula_sheet.h"

#include <gtest/gtest.h>

#include <array>

namespace volmira {
namespace {

FormulaSheet sheetAt(int page, int formula, int variant = 1) {
    FormulaSheet sheet;
    sheet.selectPage(page);
    sheet.selectFormula(formula);
    sheet.selectVariant(variant);
    return sheet;
}

// Series resistors give their sum; the resonance shows with the digits of the "Genau" field.
TEST(FormulaSheet, ComputesTheSoughtQuantityAndFormatsEveryField) {
    struct Case {
        int page, formula;
        const char *second, *third, *digits;
        std::array<const char*, 3> fields;
    };
    // "0" is out of range: the default of five digits.
    for (const Case& c : {Case{1, 1, "100", "220", "0", {"320 Ohm", "100 Ohm", "220 Ohm"}},
                          Case{4, 5, "1u", "1m", "4", {"5,033 kHz", "1 uF", "1 mH"}}}) {
        FormulaSheet sheet = sheetAt(c.page, c.formula);
        EXPECT_EQ(sheet.key().sought, 1);
        sheet.setField(2, c.second);
        sheet.setField(3, c.third);
        ASSERT_TRUE(sheet.compute(displayDigits(c.digits)).done);
        for (int k = 1; k <= 3; ++k) EXPECT_EQ(sheet.field(k), c.fields[k - 1]);
    }
}

// A failed computation names the problem and leaves every field as it was.
TEST(FormulaSheet, FailuresKeepTheFields) {
    FormulaSheet sheet = sheetAt(1, 2);
    sheet.selectSought(2);
    sheet.setField(1, "1k");
    sheet.setField(2, "old");
    sheet.setField(3, "1k");
    ComputeOutcome outcome = sheet.compute(5);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.message, kFormulaFailureMessage);
    EXPECT_EQ(sheet.field(1), "1k");
    EXPECT_EQ(sheet.field(2), "old");

    sheet.setField(3, "abc");
    outcome = sheet.compute(5);
    EXPECT_FALSE(outcome.done);
    EXPECT_NE(outcome.message.find("Widerstand R2"), std::string::npos) << outcome.message;
}

// Eight digits, in the unit the variant gives the field.
TEST(FormulaSheet, CommittedFieldsAreFormattedInTheVariantsUnit) {
    FormulaSheet sheet;
    sheet.setField(2, "1,23456789k");
    EXPECT_TRUE(sheet.commitField(2));
    EXPECT_EQ(sheet.field(2), "1,2345679 kOhm");
    sheet.setField(3, " ");
    EXPECT_TRUE(sheet.commitField(3));
    EXPECT_EQ(sheet.field(3), "");
    sheet.setField(3, "abc");
    EXPECT_FALSE(sheet.commitField(3));
    EXPECT_EQ(sheet.field(3), "abc");
    EXPECT_EQ(fieldHintText(sheet.variant(), 3), "Werteingabe in Ohm");

    sheet = sheetAt(2, 3);
    sheet.setField(2, "50");
    ASSERT_TRUE(sheet.commitField(2));
    EXPECT_EQ(sheet.field(2), "50");  // ω: a plain number
    sheet.selectVariant(2);
    EXPECT_EQ(sheet.key().code(), 2321);
    ASSERT_TRUE(sheet.commitField(2));
    EXPECT_EQ(sheet.field(2), "50 Hz");
    EXPECT_EQ(fieldHintText(sheet.variant(), 2), "Werteingabe in Hertz [Hz]");
}

// A new formula starts empty with its first quantity sought; another variant keeps the fields.
TEST(FormulaSheet, ChoosingAFormula) {
    FormulaSheet sheet = sheetAt(4, 1, 3);
    sheet.selectSought(4);
    sheet.setField(2, "10");
    sheet.selectVariant(1);
    EXPECT_EQ(sheet.key().code(), 4111);
    EXPECT_EQ(sheet.field(2), "10");
    sheet.selectSought(5);  // the formula has three quantities
    EXPECT_EQ(sheet.key().sought, 1);
    sheet.selectFormula(2);
    EXPECT_EQ(sheet.key().code(), 4211);
    EXPECT_EQ(sheet.field(2), "");
    sheet.selectPage(3);
    EXPECT_EQ(sheet.key().code(), 3111);
}

}  // namespace
}  // namespace volmira
