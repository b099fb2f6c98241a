#include "analysis/result_labels.h"

#include "analysis/spice_export.h"
#include "analysis/value_text.h"

namespace volmira {

std::string branchComponentNames(const Network& network, int branch, std::string_view separator,
                                 bool withoutBlank) {
    std::string names;
    for (int k = 1; k <= network.componentCount; ++k) {
        if (network.component(k).branch != branch) continue;
        if (!names.empty()) names += separator;
        const std::string& name = network.component(k).name;
        names += withoutBlank ? spiceElementName(name) : name;
    }
    return names.empty() && !withoutBlank ? "Leitung" : names;
}

std::string_view quantityLabel(ElectricalQuantity quantity) {
    if (quantity == ElectricalQuantity::Resistance) return "Wirkwiderstand";
    if (quantity == ElectricalQuantity::Reactance) return "Blindwiderstand";
    return quantityCaption(quantity);
}

std::string quantityTitle(ElectricalQuantity quantity) {
    return std::string(quantityLabel(quantity)) + " [" +
           std::string(unitText(quantityUnitCode(quantity))) + "]";
}

}  // namespace volmira
