#include "graphics/pole_zero_plot.h"

#include <algorithm>
#include <cmath>

namespace volmira {

namespace {

constexpr double kMargin = 1.2;  // the farthest point lies this far inside the border
constexpr int kBorder = 30;      // pixels kept free for the labels

}  // namespace

PoleZeroPlotModel layoutPoleZeroPlot(const PolesAndZeros& result, int width, int height) {
    PoleZeroPlotModel model;
    model.width = width;
    model.height = height;
    double reach = 0, right = 0;
    for (const auto* list : {&result.poles, &result.zeros})
        for (const Singularity& x : *list) {
            reach = std::max({reach, std::fabs(x.s.real()), std::fabs(x.s.imag())});
            right = std::max(right, x.s.real());
        }
    if (!(reach > 0)) reach = 1;
    reach *= kMargin;
    // Real axis from -reach to `rightEnd`, imaginary axis from -reach to reach.
    const double rightEnd = right > 0 ? reach : 0.25 * reach;
    const double scale =
        std::min((width - 2 * kBorder) / (reach + rightEnd), (height - 2 * kBorder) / (2 * reach));
    // The used stretch of the real axis is centred.
    model.originX = int(std::lround((width - (reach + rightEnd) * scale) / 2 + reach * scale));
    model.originY = height / 2;
    auto column = [&](double re) { return model.originX + int(std::lround(re * scale)); };
    auto row = [&](double im) { return model.originY - int(std::lround(im * scale)); };
    for (const Tick& t : NiceTicks({-reach, rightEnd, 6, 0, 2.0, false}))
        model.realTicks.push_back({column(t.value), t.label});
    for (const Tick& t : NiceTicks({-reach, reach, 6, 0, 2.0, false}))
        model.imaginaryTicks.push_back({row(t.value), t.label});
    for (const Singularity& p : result.poles)
        model.marks.push_back({column(p.s.real()), row(p.s.imag()), true, p.cancelled});
    for (const Singularity& z : result.zeros)
        model.marks.push_back({column(z.s.real()), row(z.s.imag()), false, z.cancelled});
    return model;
}

}  // namespace volmira
