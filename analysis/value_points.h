#pragma once
// The component values of a value curve: the default range around the component's own value
// and evenly spaced points over a range.
#include <span>

namespace volmira {

struct ValueRange {
    double from = 0;
    double to = 0;
};

// A tenth to ten times the component's value.
inline ValueRange defaultValueRange(double value) {
    return {value / 10, value * 10};
}

// out.size() values from range.from to range.to, both ends exact, evenly spaced on a logarithmic
// or a linear scale. A point within rounding of `nominal` is `nominal` itself, so that the
// curve passes exactly through the component's own value. At least two points.
void valuePoints(ValueRange range, bool logarithmic, double nominal, std::span<double> out);

}  // namespace volmira
