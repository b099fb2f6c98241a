#include "formulas/formula_sheet.h"

#include <optional>

#include "analysis/value_text.h"
#include "formulas/formula_solver.h"

namespace volmira {

void FormulaSheet::startFormula(int page, int formula) {
    key_ = {page, formula, 1, 1};
    fields_ = {};
}

void FormulaSheet::selectPage(int page) {
    if (page >= 1 && page <= kFormulaPageCount) startFormula(page, 1);
}

void FormulaSheet::selectFormula(int formula) {
    if (formula >= 1 && formula <= formulaCount(key_.page)) startFormula(key_.page, formula);
}

void FormulaSheet::selectVariant(int variant) {
    if (variant < 1 || variant > formulaVariantCount(key_.page, key_.formula)) return;
    key_.variant = variant;
    key_.sought = 1;
    // The new variant may have fewer fields.
    for (int i = this->variant().quantityCount; i < kMaxFormulaQuantities; ++i) fields_[i].clear();
}

void FormulaSheet::selectSought(int quantity) {
    if (quantity >= 1 && quantity <= variant().quantityCount) key_.sought = quantity;
}

bool FormulaSheet::commitField(int field) {
    std::string& text = fields_.at(field - 1);
    if (text.find_first_not_of(' ') == std::string::npos) {
        text.clear();
        return true;
    }
    const std::optional<double> value = parseValue(text);
    if (!value) return false;
    text = formatValue(fieldUnitCode(variant(), field), kFieldEditDigits, *value);
    return true;
}

ComputeOutcome FormulaSheet::compute(int digits) {
    const FormulaVariant& formula = variant();
    FormulaValues values{};
    for (int i = 0; i < formula.quantityCount; ++i) {
        if (i + 1 == key_.sought) continue;
        const std::optional<double> value = parseValue(fields_[i]);
        if (!value)
            return {false, "\"" + fields_[i] + "\" ist kein Wert für " +
                               std::string(formula.quantityNames[i]) + "."};
        values[i] = *value;
    }
    const std::optional<double> result = solveFormula(key_, values);
    if (!result) return {false, std::string(kFormulaFailureMessage)};
    values[key_.sought - 1] = *result;
    for (int i = 0; i < formula.quantityCount; ++i)
        fields_[i] = formatValue(fieldUnitCode(formula, i + 1), digits, values[i]);
    return {true, {}};
}

int displayDigits(std::string_view text) {
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '9') return text[0] - '0';
    return kDefaultDisplayDigits;
}

}  // namespace volmira
