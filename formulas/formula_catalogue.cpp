#include "formulas/formula_catalogue.h"

#include <algorithm>

namespace volmira {

namespace {

constexpr std::array<std::string_view, kFormulaPageCount> kPageTitles = {
    "Widerstände", "Kondensatoren", "Induktivitäten", "RCL-Schaltungen"};

constexpr std::array<std::array<std::string_view, 5>, kFormulaPageCount> kTabTexts = {{
    {"Reihenschaltung", "Parallelschaltung", "Leiterwiderstand"},
    {"Reihenschaltung", "Parallelschaltung", "Blindwiderstand", "Kapazität"},
    {"Reihenschaltung", "Parallelschaltung", "Blindwiderstand", "Induktivität"},
    {"RL-Parallel", "RL-Reihe", "RC-Parallel", "RC-Reihe", "Resonanzfrequenz"},
}};

constexpr std::array<int, kFormulaPageCount> kFormulaCounts = {3, 4, 4, 5};

// Input captions 1..15, picked per field by the letters "A".."O".
constexpr std::array<std::string_view, 15> kCaptions = {
    "in Ohm",
    "Henry [H]",
    "Farad [F]",
    "1/Sekunde [1/s]",
    "Hertz [Hz]",
    "Meter [m]",
    "Millimeter [mm]",
    "Quadratmeter [m²]",
    "Quadratmillimeter [mm²]",
    "[ohne Maßeinheit]",
    "[Ohm x mm² /m]",
    "[m / (Ohm x mm²)]",
    "Ampere-Sekunden [As]",
    "Volt [V]",
    "Anzahl Windungen",
};

constexpr std::string_view kTotalR = "Gesamtwiderstand Rg";
constexpr std::string_view kR1 = "Widerstand R1";
constexpr std::string_view kR2 = "Widerstand R2";
constexpr std::string_view kTotalC = "Gesamtkapazität Cg";
constexpr std::string_view kC1 = "Kapazität C1";
constexpr std::string_view kC2 = "Kapazität C2";
constexpr std::string_view kTotalL = "Gesamtinduktivität Lg";
constexpr std::string_view kL1 = "Induktivität L1";
constexpr std::string_view kL2 = "Induktivität L2";
constexpr std::string_view kC = "Kapazität C";
constexpr std::string_view kL = "Induktivität L";
constexpr std::string_view kZ = "Scheinwiderstand Z";
constexpr std::string_view kR = "Wirkwiderstand R";
constexpr std::string_view kX = "Blindwiderstand X";
constexpr std::string_view kOmega = "Kreisfrequenz ω";
constexpr std::string_view kFrequency = "Frequenz f";
constexpr std::string_view kConductor = "Widerstand eines Leiters";
constexpr std::string_view kCapacitorReactance = "Blindwiderstand des Kondensators";
constexpr std::string_view kCoilReactance = "Blindwiderstand der Spule";
constexpr std::string_view kRlParallel = "Parallelschaltung R u. L";
constexpr std::string_view kRlSeries = "Reihenschaltung R u. L";
constexpr std::string_view kRcParallel = "Parallelschaltung R u. C";
constexpr std::string_view kRcSeries = "Reihenschaltung R u. C";

// clang-format off
constexpr std::array<FormulaVariant, 28> kVariants = {{
    {1, 1, 1, "Reihenschaltung von Widerständen", "CCC", "AAA", {kTotalR, kR1, kR2}, 3},
    {1, 2, 1, "Parallelschaltung von Widerständen", "CCC", "AAA", {kTotalR, kR1, kR2}, 3},
    {1, 3, 1, kConductor, "Cafc", "AKIF",
     {"Widerstand R", "spez. Widerstand ρ", "Querschnitt A", "Länge l"}, 4},
    {1, 3, 2, kConductor, "Cafd", "AFLI",
     {"Widerstand R", "Länge l", "Leitfähigkeit γ", "Querschnitt A"}, 4},
    {2, 1, 1, "Reihenschaltung von Kondensatoren", "HHH", "CCC", {kTotalC, kC1, kC2}, 3},
    {2, 2, 1, "Parallelschaltung von Kondensatoren", "HHH", "CCC", {kTotalC, kC1, kC2}, 3},
    {2, 3, 1, kCapacitorReactance, "CeH", "ADC", {"Blindwiderstand Xc", kOmega, kC}, 3},
    {2, 3, 2, kCapacitorReactance, "CJH", "AEC", {"Blindwiderstand Xc", kFrequency, kC}, 3},
    {2, 4, 1, "Kapazität des Platten-Kondensators", "Hbaz", "CHFJ",
     {kC, "Plattenfläche A", "Plattenabstand d", "Dielektrizitätszahl εr"}, 4},
    {2, 4, 2, "Kapazität, Spannung, Ladungsmenge", "HKA", "CMN",
     {kC, "Ladungsmenge Q", "Spannung U"}, 3},
    {3, 1, 1, "Reihenschaltung von Induktivitäten", "III", "BBB", {kTotalL, kL1, kL2}, 3},
    {3, 2, 1, "Parallelschaltung von Induktivitäten", "III", "BBB", {kTotalL, kL1, kL2}, 3},
    {3, 3, 1, kCoilReactance, "CeI", "ADB", {"Blindwiderstand XL", kOmega, kL}, 3},
    {3, 3, 2, kCoilReactance, "CJI", "AEB", {"Blindwiderstand XL", kFrequency, kL}, 3},
    {3, 4, 1, "Induktivität einer Spule", "Izbaz", "BOHFJ",
     {kL, "Windungszahl N", "Spulenquerschnitt A", "Spulenlänge l", "Permeabilitätszahl µr"}, 5},
    {4, 1, 1, kRlParallel, "CCC", "AAA", {kZ, kR, kX}, 3},
    {4, 1, 2, kRlParallel, "CCeI", "AADB", {kZ, kR, kOmega, kL}, 4},
    {4, 1, 3, kRlParallel, "CCJI", "AAEB", {kZ, kR, kFrequency, kL}, 4},
    {4, 2, 1, kRlSeries, "CCC", "AAA", {kZ, kR, kX}, 3},
    {4, 2, 2, kRlSeries, "CCeI", "AADB", {kZ, kR, kOmega, kL}, 4},
    {4, 2, 3, kRlSeries, "CCJI", "AAEB", {kZ, kR, kFrequency, kL}, 4},
    {4, 3, 1, kRcParallel, "CCC", "AAA", {kZ, kR, kX}, 3},
    {4, 3, 2, kRcParallel, "CCeH", "AADC", {kZ, kR, kOmega, kC}, 4},
    {4, 3, 3, kRcParallel, "CCJH", "AAEC", {kZ, kR, kFrequency, kC}, 4},
    {4, 4, 1, kRcSeries, "CCC", "AAA", {kZ, kR, kX}, 3},
    {4, 4, 2, kRcSeries, "CCeH", "AADC", {kZ, kR, kOmega, kC}, 4},
    {4, 4, 3, kRcSeries, "CCJH", "AAEC", {kZ, kR, kFrequency, kC}, 4},
    {4, 5, 1, "Resonanzfrequenz - Schwingkreis", "JHI", "ECB", {"Resonanzfrequenz f", kC, kL}, 3},
}};
// clang-format on

constexpr int kPlainNumberCode = 58;

const FormulaVariant* findVariant(int page, int formula, int variant) {
    const auto found = std::find_if(kVariants.begin(), kVariants.end(), [&](const auto& v) {
        return v.page == page && v.formula == formula && v.variant == variant;
    });
    return found == kVariants.end() ? nullptr : &*found;
}

}  // namespace

std::string_view formulaPageTitle(int page) {
    return kPageTitles.at(page - 1);
}

int formulaCount(int page) {
    return kFormulaCounts.at(page - 1);
}

std::string_view formulaTabText(int page, int formula) {
    return kTabTexts.at(page - 1).at(formula - 1);
}

int formulaVariantCount(int page, int formula) {
    return static_cast<int>(std::count_if(kVariants.begin(), kVariants.end(), [&](const auto& v) {
        return v.page == page && v.formula == formula;
    }));
}

std::span<const FormulaVariant> formulaVariants() {
    return kVariants;
}

const FormulaVariant& formulaVariant(const FormulaKey& key) {
    return *findVariant(key.page, key.formula, key.variant);
}

int fieldUnitCode(const FormulaVariant& variant, int field) {
    const auto index = static_cast<std::size_t>(field - 1);
    if (index >= variant.unitLetters.size()) return kPlainNumberCode;
    return variant.unitLetters[index] - 64;
}

std::string fieldHintText(const FormulaVariant& variant, int field) {
    const auto index = static_cast<std::size_t>(field - 1);
    if (index >= variant.captionLetters.size()) return {};
    const std::string_view caption =
        kCaptions.at(static_cast<std::size_t>(variant.captionLetters[index] - 'A'));
    // The ohm caption carries its own "in".
    if (caption.starts_with("in ")) return "Werteingabe " + std::string(caption);
    return "Werteingabe in " + std::string(caption);
}

}  // namespace volmira
