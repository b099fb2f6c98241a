#include "analysis/component_values.h"

#include "analysis/value_text.h"

namespace volmira {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

std::string storedText(const Component& component, double value) {
    return formatValue(unitCodeForComponentName(component.name), kStoredValueDigits, value);
}

}  // namespace

StoreResult storeValueText(Component& component, std::string_view cellText) {
    const std::string_view text = trimmed(cellText);
    if (text.empty()) return StoreResult::Unchanged;
    const std::optional<double> value = parseValue(text);
    if (!value) {
        component.valueText = std::string(text);
        return StoreResult::NotANumber;
    }
    component.value = *value;
    component.valueText = storedText(component, *value);
    return StoreResult::Stored;
}

std::string unconvertibleValueMessage(std::string_view componentName, std::string_view text) {
    std::string message = "Der Wert \xE2\x80\x9E";
    message += text;
    message += "\xE2\x80\x9C von ";
    message += componentName;
    message += " ist keine g\xC3\xBCltige Zahl.";
    return message;
}

std::optional<ValueProblem> checkValuesForConfirmation(const Network& network) {
    for (int k = 1; k <= network.componentCount; ++k) {
        const Component& component = network.component(k);
        if (!parseValue(component.valueText))
            return ValueProblem{k, unconvertibleValueMessage(component.name, component.valueText)};
    }
    for (int k = 1; k <= network.componentCount; ++k) {
        const Component& component = network.component(k);
        if (component.kind() == ComponentKind::Capacitor && component.value == 0)
            return ValueProblem{k, std::string(kZeroCapacitorMessage)};
    }
    return std::nullopt;
}

void sumBranchValues(Network& network) {
    for (int b = 1; b <= network.branchCount; ++b) {
        Branch& branch = network.branch(b);
        branch.R = branch.L = branch.C = branch.X = 0;
    }
    for (int k = 1; k <= network.componentCount; ++k) {
        const Component& component = network.component(k);
        if (component.branch < 1 || component.branch > network.branchCount) continue;
        Branch& branch = network.branch(component.branch);
        switch (component.kind()) {
            case ComponentKind::Resistor:
                branch.R += component.value;
                break;
            case ComponentKind::Inductor:
                branch.L += component.value;
                break;
            case ComponentKind::Capacitor:
                // Series capacitors: 1/C = sum of 1/Ci, built up pairwise.
                branch.C = branch.C == 0
                               ? component.value
                               : branch.C * component.value / (branch.C + component.value);
                break;
        }
    }
}

void carryOverValues(Network& network, std::span<const Component> previous) {
    for (int k = 1; k <= network.componentCount; ++k) {
        Component& component = network.component(k);
        component.value = 0;
        component.valueText.clear();
        for (const Component& old : previous) {
            if (old.row != component.row || old.column != component.column ||
                old.kind() != component.kind())
                continue;
            component.value = old.value;
            if (old.value != 0) component.valueText = storedText(component, old.value);
            break;
        }
    }
}

}  // namespace volmira
