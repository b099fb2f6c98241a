#include "graphics/parameter_mode.h"

#include <algorithm>

namespace volmira {

bool ParameterMode::pick(const Network& network, int component) {
    if (component < 1 || component > std::min(network.componentCount, kMaxComponents)) return false;
    const Component& c = network.component(component);
    const std::optional<E12Kind> kind = e12KindForComponentName(c.name);
    if (!kind) return false;
    component_ = component;
    name_ = c.name;
    kind_ = *kind;
    values_ = parameterValuesFor(memory_, name_, kind_, c.value);
    label_ = name_ + ":   Normalwert:  = " + c.valueText;
    return true;
}

void ParameterMode::clearComponent() {
    component_ = 0;
}

void ParameterMode::reset() {
    component_ = 0;
    name_.clear();
    values_.fill(NotComputed);
    label_ = kNoParameterLabel;
}

bool ParameterMode::edit(int index, std::string_view text) {
    if (!editParameterValue(values_, index, text)) return false;
    remember();
    return true;
}

void ParameterMode::take(const E12Selection& selection) {
    values_ = valuesFromSelection(selection);
    remember();
}

void ParameterMode::remember() {
    if (!name_.empty()) memory_.remember(name_, values_);
}

}  // namespace volmira
