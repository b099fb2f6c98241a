#include "graphics/nice_ticks.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "analysis/value_text.h"

namespace volmira {

namespace {

// The value in exponent form with `digits` significant digits ("1.37e-02").
std::string exponentText(double value, int digits) {
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, digits - 1);
    return std::string(buffer.data(), result.ptr);
}

void add(TickTable& table, double value) {
    if (table.count < kMaxTicks) table.ticks[static_cast<std::size_t>(table.count++)].value = value;
}

// The tick values for lo < hi at `step`; ranges crossing zero are built outward from 0, so 0
// itself is a tick.
void placeTicks(TickTable& table, double lo, double hi, double step, int intervals) {
    const double tolerance = step * 1e-9;
    if (lo < 0 && hi > 0) {
        int below = static_cast<int>(std::floor(-lo / step + 1e-9));
        below = std::min(below, kMaxTicks - 1);
        for (int k = below; k >= 1; --k) add(table, -k * step);
        add(table, 0);
        for (int k = 1; k * step <= hi + tolerance && table.count < kMaxTicks; ++k)
            add(table, k * step);
        return;
    }
    double first = std::trunc(lo / step) * step;
    if (first < lo - tolerance) first += step;
    for (int u = 0; u <= intervals; ++u) {
        double value = first + u * step;
        if (value > hi + tolerance) break;
        if (std::abs(value) < tolerance) value = 0;
        add(table, value);
    }
}

// The fewest significant digits (2..6) that keep neighbouring ticks apart.
int distinctDigits(const TickTable& table) {
    int digits = 2;
    for (; digits < 6; ++digits) {
        bool distinct = true;
        for (int i = 1; i < table.count && distinct; ++i)
            distinct = exponentText(table.ticks[static_cast<std::size_t>(i - 1)].value, digits) !=
                       exponentText(table.ticks[static_cast<std::size_t>(i)].value, digits);
        if (distinct) break;
    }
    return digits;
}

TickTable buildTicks(double lo, double hi, int intervals) {
    TickTable table;
    // Both ends below zero: the ticks of the mirrored range, negated.
    const bool mirrored = hi < 0;
    if (mirrored) std::swap(lo, hi), lo = -lo, hi = -hi;
    const double step = niceStep((hi - lo) / intervals - 1e-26);
    if (!(step > 0) || !std::isfinite(step)) return table;
    placeTicks(table, lo, hi, step, intervals);
    const int digits = distinctDigits(table);
    for (int i = 0; i < table.count; ++i) {
        Tick& tick = table.ticks[static_cast<std::size_t>(i)];
        std::string label =
            tick.value == 0 ? " 0" : formatValue(kUnitNone, digits, tick.value, true);
        while (!label.empty() && label.back() == ' ') label.pop_back();
        if (mirrored && tick.value != 0) label.insert(label.begin(), '-'), tick.value = -tick.value;
        if (label.size() > kMaxTickLabel) label.resize(kMaxTickLabel);
        tick.label = std::move(label);
    }
    if (mirrored) std::reverse(table.ticks.begin(), table.ticks.begin() + table.count);
    return table;
}

}  // namespace

double niceStep(double rawStep) {
    if (!(rawStep > 0) || !std::isfinite(rawStep)) return 0;
    // The first digit and the exponent as the 7-digit exponent form shows them.
    const std::string text = exponentText(rawStep, 7);
    const int digit = text[0] - '0';
    const std::size_t e = text.find('e');
    constexpr std::string_view kNice = "02050505101010101010";
    std::string nice(kNice.substr(static_cast<std::size_t>(2 * (digit - 1)), 2));
    nice += text.substr(e);
    double value = 0;
    std::from_chars(nice.data(), nice.data() + nice.size(), value);
    return value;
}

TickTable NiceTicks(const TickRequest& request, const TextWidth& width) {
    const double lo = request.lo, hi = request.hi;
    if (!std::isfinite(lo) || !std::isfinite(hi) || !(hi > lo) || request.intervals < 1) return {};
    const int intervals = std::min(request.intervals, kMaxTicks - 1);
    TickTable table = buildTicks(lo, hi, intervals);
    if (!request.widthCheck || !width || table.count == 0) return table;
    double sum = 0;
    for (const Tick& tick : table) sum += width(tick.label);
    const double room = sum > 0 ? request.length / (sum * request.spacing) : 1;
    if (room >= 1) return table;
    const int fewer = std::max(1, static_cast<int>(std::lround(intervals * room)));
    return buildTicks(lo, hi, fewer);
}

}  // namespace volmira
