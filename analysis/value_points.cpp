#include "analysis/value_points.h"

#include <cmath>

namespace volmira {

namespace {

// Below this relative distance a point is taken for the nominal value.
constexpr double kNominalTolerance = 1e-12;

}  // namespace

void valuePoints(ValueRange range, bool logarithmic, double nominal, std::span<double> out) {
    const std::size_t last = out.size() - 1;
    for (std::size_t i = 0; i <= last; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(last);
        double v = logarithmic ? std::exp(std::lerp(std::log(range.from), std::log(range.to), t))
                               : std::lerp(range.from, range.to, t);
        if (std::abs(v - nominal) <= kNominalTolerance * std::abs(nominal)) v = nominal;
        out[i] = v;
    }
    out.front() = range.from;
    out.back() = range.to;
}

}  // namespace volmira
