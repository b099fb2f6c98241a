#pragma once
// The formulas of the collection: pages, formulas and variants, the quantities of each with their
// labels, unit codes and input captions, and the FormulaKey that selects what is shown and solved.
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace volmira {

inline constexpr int kFormulaPageCount = 4;
inline constexpr int kMaxFormulaQuantities = 6;

// page x 1000 + formula x 100 + variant x 10 + sought quantity, each counted from 1.
struct FormulaKey {
    int page = 1;
    int formula = 1;
    int variant = 1;
    int sought = 1;

    int code() const { return page * 1000 + formula * 100 + variant * 10 + sought; }
    bool operator==(const FormulaKey&) const = default;
};

// One formula in one variant: a row of the formula table.
struct FormulaVariant {
    int page;
    int formula;
    int variant;
    std::string_view title;           // on the figure
    std::string_view unitLetters;     // unit code of field i: letter - 64
    std::string_view captionLetters;  // input caption of field i: "A" is caption 1
    std::array<std::string_view, kMaxFormulaQuantities> quantityNames;
    int quantityCount;
};

std::string_view formulaPageTitle(int page);
int formulaCount(int page);
std::string_view formulaTabText(int page, int formula);
int formulaVariantCount(int page, int formula);

// All 28 formula variants in key order.
std::span<const FormulaVariant> formulaVariants();
// The variant of a key (its sought quantity does not matter); the key must be valid.
const FormulaVariant& formulaVariant(const FormulaKey& key);

// The formatter's unit code of field 1..6; a field beyond the letters is a plain number.
int fieldUnitCode(const FormulaVariant& variant, int field);
// "Werteingabe in Ohm", "Werteingabe in Hertz [Hz]" for field 1..6.
std::string fieldHintText(const FormulaVariant& variant, int field);

}  // namespace volmira
