#include "tools/calc_characteristics.h"

#include <array>
#include <cmath>
#include <vector>

#include "analysis/poles_zeros.h"
#include "analysis/value_text.h"
#include "graphics/characteristic_text.h"
#include "graphics/sweep_range.h"
#include "tools/calc_output.h"

namespace volmira::calc {

namespace {

constexpr std::array<std::string_view, kQuantityCount> kKeys{"U",    "I", "Z", "gain", "S",   "P",
                                                             "phiU", "R", "X", "Q",    "phiI"};
constexpr int kDigits = 7;

std::string csvOptional(const std::optional<double>& value) {
    return value ? csvNumber(*value) : std::string();
}

void writePoleList(std::ostream& out, const std::vector<Singularity>& all, std::string_view title) {
    out << "  " << title << ":\n";
    const std::vector<Singularity> listed = listedOnce(all);
    if (listed.empty()) out << "    keine\n";
    for (const Singularity& x : listed) {
        const NaturalMode mode = naturalMode(x.s);
        out << "    s = " << formatValue(13, kDigits, x.s.real());
        if (mode.pair) out << " \xC2\xB1 j" << formatValue(13, kDigits, x.s.imag());
        out << " 1/s   f = " << formatValue(kUnitHertz, kDigits, mode.frequency);
        if (mode.hasDamping) out << "   D = " << formatValue(13, kDigits, mode.damping);
        if (mode.hasQuality) out << "   Q = " << formatValue(13, kDigits, mode.quality);
        if (x.cancelled) out << "   (k\xC3\xBCrzt sich)";
        out << '\n';
    }
}

void writePoleRows(std::ostream& out, const std::vector<Singularity>& all, std::string_view kind,
                   std::string_view transfer) {
    for (const Singularity& x : all) {
        const NaturalMode mode = naturalMode(x.s);
        out << kind << ',' << transfer << ',' << csvNumber(x.s.real()) << ','
            << csvNumber(x.s.imag()) << ',' << csvNumber(mode.frequency) << ','
            << (mode.hasDamping ? csvNumber(mode.damping) : "") << ','
            << (mode.hasQuality ? csvNumber(mode.quality) : "") << ',' << (x.cancelled ? 1 : 0)
            << '\n';
    }
}

}  // namespace

std::optional<ElectricalQuantity> quantityForKey(std::string_view key) {
    for (std::size_t slot = 0; slot < kKeys.size(); ++slot)
        if (kKeys[slot] == key) return static_cast<ElectricalQuantity>(slot);
    return std::nullopt;
}

std::string_view writeCharacteristics(std::ostream& out, Calculation& calculation, int branch,
                                      ElectricalQuantity quantity, const SweepPoints& points,
                                      bool csv) {
    std::vector<double> range;
    for (std::size_t i = 0; i < points.point.size(); ++i)
        if (points.point[i] >= kNormalFirstPoint && points.point[i] <= kNormalLastPoint)
            range.push_back(points.frequency[i]);
    const CharacteristicValues values = branchCharacteristics(calculation, branch, quantity, range);
    if (csv) {
        out << "name,value,f_Hz\n";
        for (const CharacteristicRow& row : characteristicRows(values, kDigits))
            out << row.label << ',' << csvOptional(row.value) << ',' << csvOptional(row.frequency)
                << '\n';
    } else {
        for (const std::string& line : characteristicLines(values, branch, kDigits))
            out << line << '\n';
    }
    if (!values.unsound) return {};
    return kImpreciseResultMessage;
}

bool writePolesAndZeros(std::ostream& out, std::ostream& error, const Network& network, int branch,
                        bool csv) {
    const PolesAndZeros voltage = polesAndZeros(network, branch, TransferOutput::Voltage);
    const PolesAndZeros current = polesAndZeros(network, branch, TransferOutput::Current);
    if (!voltage.ok() && !current.ok()) {
        error << "volmira-calc: " << voltage.refusal << '\n';
        return false;
    }
    if (csv) out << "kind,transfer,re_per_s,im_per_s,f_Hz,damping,Q,cancelled\n";
    for (const auto& [result, name] :
         {std::pair{&voltage, std::string_view("U")}, std::pair{&current, std::string_view("I")}}) {
        if (csv) {
            writePoleRows(out, result->poles, "pole", name);
            writePoleRows(out, result->zeros, "zero", name);
            continue;
        }
        out << "Ue -> " << (name == "U" ? "Spannung" : "Strom") << " des Zweiges " << branch
            << ":\n";
        if (!result->ok()) {
            out << "  " << result->refusal << '\n';
            continue;
        }
        writePoleList(out, result->poles, "Polstellen");
        writePoleList(out, result->zeros, "Nullstellen");
    }
    return true;
}

}  // namespace volmira::calc
