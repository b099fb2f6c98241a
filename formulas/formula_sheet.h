#pragma once
// The state of the formula window: the FormulaKey and the texts of the six value fields, with the
// rules for choosing a formula, committing a typed value and computing the sought quantity.
#include <array>
#include <string>
#include <string_view>

#include "formulas/formula_catalogue.h"

namespace volmira {

inline constexpr std::string_view kFormulaFailureMessage =
    "Es ist Fehler aufgetreten.  Mögliche Ursachen sind z.B.\r"
    "Division durch Null, negativer Wurzelwert o.ä.";

inline constexpr int kDefaultDisplayDigits = 5;
inline constexpr int kFieldEditDigits = 8;

struct ComputeOutcome {
    bool done = false;
    std::string message;  // why not, for the message box
};

class FormulaSheet {
  public:
    const FormulaKey& key() const { return key_; }
    const FormulaVariant& variant() const { return formulaVariant(key_); }

    // A new page or formula starts at its first variant with the first quantity sought and
    // empty fields; a new variant keeps the fields; out-of-range numbers are ignored.
    void selectPage(int page);
    void selectFormula(int formula);
    void selectVariant(int variant);
    void selectSought(int quantity);

    // Fields 1..6.
    const std::string& field(int field) const { return fields_.at(field - 1); }
    void setField(int field, std::string text) { fields_.at(field - 1) = std::move(text); }
    // Reads a typed field and writes it back formatted with its unit; an empty field stays
    // empty and one that is not a value stays as typed (false).
    bool commitField(int field);

    // Computes the sought quantity and rewrites every field of the formula with `digits`
    // significant digits. On failure the fields keep their texts.
    ComputeOutcome compute(int digits);

  private:
    void startFormula(int page, int formula);

    FormulaKey key_;
    std::array<std::string, kMaxFormulaQuantities> fields_;
};

// The digit count of the one-character field `genau`: 1..9, otherwise the default.
int displayDigits(std::string_view text);

}  // namespace volmira
