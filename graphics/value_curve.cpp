#include "graphics/value_curve.h"

#include <cmath>

#include "analysis/value_points.h"

namespace volmira {

std::optional<ValueCurve> valueCurveFor(const Network& network, int component, int digits) {
    if (component < 1 || component > network.componentCount) return std::nullopt;
    const Component& c = network.component(component);
    const ValueRange range = defaultValueRange(c.value);
    if (!(c.value > 0) || !std::isfinite(range.to)) return std::nullopt;
    const int unit = unitCodeForComponentName(c.name);
    return ValueCurve{component, unit, formatValue(unit, digits, range.from),
                      formatValue(unit, digits, range.to)};
}

}  // namespace volmira
