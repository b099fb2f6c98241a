#include "tools/calc_output.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "analysis/result_labels.h"
#include "analysis/spice_export.h"
#include "analysis/topology.h"
#include "analysis/value_text.h"

namespace volmira::calc {

namespace {

// Result fields as the program shows them: at most 9 significant digits.
constexpr int kDisplayDigits = 0;

constexpr std::string_view kQuantityColumns =
    "U_V,I_A,Z_Ohm,gain_dB,S_VA,P_W,phiU_deg,R_Ohm,X_Ohm,Q_var,phiI_deg";

// Pads a UTF-8 text to `width` characters.
std::string padded(std::string_view text, std::size_t width) {
    std::size_t characters = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    std::string out(text);
    if (characters < width) out.append(width - characters, ' ');
    return out;
}

// The longest CSV number: sign, 17 digits, point, "e-308".
constexpr std::size_t kCsvNumberSize = 24;

// Writes csvNumber(value) at `at` and gives the end; room for kCsvNumberSize characters.
// to_chars prints exactly what printf's "%.16e" prints, without its cost.
char* putCsvNumber(char* at, double value) {
    return std::to_chars(at, at + kCsvNumberSize, value, std::chars_format::scientific, 16).ptr;
}

// The eleven quantities, each after a comma. Quantities stop at the display's "unendlich"
// marker (+-1e38, also the gain's minus infinity): a value there is no real one, so it is
// written as inf or -inf.
char* putCsvQuantities(char* at, const BranchQuantities& quantities) {
    for (int slot = 0; slot < kQuantityCount; ++slot) {
        *at++ = ',';
        const double value = quantities.value[slot];
        if (std::abs(value) >= -kMinusInfinity) {
            const std::string_view text = value < 0 ? "-inf" : "inf";
            at = std::copy(text.begin(), text.end(), at);
        } else {
            at = putCsvNumber(at, value);
        }
    }
    return at;
}

// Room for a row of numbers: a point or branch number, the frequency, the quantities.
using CsvLine = std::array<char, 16 + (kQuantityCount + 1) * (kCsvNumberSize + 1) + 1>;

void writeCsvQuantities(std::ostream& out, const BranchQuantities& quantities) {
    CsvLine line;
    out.write(line.data(), putCsvQuantities(line.data(), quantities) - line.data());
}

}  // namespace

std::string csvNumber(double value) {
    char buffer[kCsvNumberSize];
    return std::string(buffer, putCsvNumber(buffer, value));
}

void writeBranches(std::ostream& out, const Network& network, const AllBranchTable& table,
                   bool csv) {
    if (csv) {
        out << "branch,components,f_Hz," << kQuantityColumns << '\n';
        for (int b = 1; b <= network.branchCount; ++b) {
            out << b << ',' << branchComponentNames(network, b, "+", true) << ','
                << csvNumber(table.frequency);
            writeCsvQuantities(out, quantitiesFromTable(table, b));
            out << '\n';
        }
        return;
    }
    out << analysisStatusMessage(network) << "\n\n";
    out << "Frequenz: " << formatValue(kUnitHertz, 8, table.frequency)
        << "    Spannung: " << formatValue(kUnitVolt, 8, table.voltage) << "\n";
    for (int b = 1; b <= network.branchCount; ++b) {
        out << "\nStromzweig " << b << ": " << branchComponentNames(network, b, ", ", false)
            << '\n';
        const auto texts = resultFieldTexts(quantitiesFromTable(table, b), kDisplayDigits);
        for (int slot = 0; slot < kQuantityCount; ++slot)
            out << "  " << padded(quantityLabel(static_cast<ElectricalQuantity>(slot)), 16)
                << texts[static_cast<std::size_t>(slot)] << '\n';
    }
}

void writeComponents(std::ostream& out, const Network& network) {
    out << "name,row,column,kind,branch,value\n";
    for (int k = 1; k <= network.componentCount; ++k) {
        const Component& c = network.component(k);
        out << spiceElementName(c.name) << ',' << int{c.row} << ',' << int{c.column} << ','
            << int{c.code} << ',' << int{c.branch} << ',' << csvNumber(c.value) << '\n';
    }
}

void writeSweepHeader(std::ostream& out, const Network& network, int branch, bool csv) {
    if (csv) {
        out << "point,f_Hz," << kQuantityColumns << '\n';
        return;
    }
    out << "Stromzweig " << branch << ": " << branchComponentNames(network, branch, ", ", false)
        << '\n';
    out << padded("Punkt", 7) << padded("Frequenz", 16);
    for (int slot = 0; slot < kQuantityCount; ++slot)
        out << padded(quantityLabel(static_cast<ElectricalQuantity>(slot)), 18);
    out << '\n';
}

void writeValueSweepHeader(std::ostream& out) {
    out << "point,value," << kQuantityColumns << '\n';
}

void writeSweepRow(std::ostream& out, int point, double frequency,
                   const BranchQuantities& quantities, bool csv) {
    if (csv) {
        // One write per row: the sweep prints hundreds of them.
        CsvLine line;
        char* at = std::to_chars(line.data(), line.data() + 16, point).ptr;
        *at++ = ',';
        at = putCsvQuantities(putCsvNumber(at, frequency), quantities);
        *at++ = '\n';
        out.write(line.data(), at - line.data());
        return;
    }
    out << padded(std::to_string(point), 7) << padded(formatValue(kUnitHertz, 8, frequency), 16);
    const auto texts = resultFieldTexts(quantities, kDisplayDigits);
    for (const std::string& text : texts) out << padded(text, 18);
    out << '\n';
}

}  // namespace volmira::calc
