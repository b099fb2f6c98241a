#include "analysis/table_csv.h"

#include <vector>

#include "analysis/german_csv.h"
#include "analysis/result_labels.h"

namespace volmira {

std::string branchTableCsv(const Network& network, const AllBranchTable& table) {
    std::string csv(kCsvStart);
    std::vector<std::string> fields{"Stromzweig", "Bauteile", "Frequenz [Hz]"};
    for (int slot = 0; slot < kQuantityCount; ++slot)
        fields.push_back(quantityTitle(static_cast<ElectricalQuantity>(slot)));
    appendCsvLine(csv, fields);
    for (int b = 1; b <= table.branchCount; ++b) {
        const BranchQuantities quantities = quantitiesFromTable(table, b);
        fields = {std::to_string(b), branchComponentNames(network, b, ", ", false),
                  germanCsvNumber(table.frequency, kTableCsvDigits)};
        for (double value : quantities.value)
            fields.push_back(germanCsvNumber(value, kTableCsvDigits));
        appendCsvLine(csv, fields);
    }
    return csv;
}

}  // namespace volmira
