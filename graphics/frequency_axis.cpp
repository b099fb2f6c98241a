#include "graphics/frequency_axis.h"

#include <cmath>

namespace volmira {

namespace {

constexpr int kAxisColumns = kSweepLastPoint;

void add(FrequencyLabels& out, int position, std::string text) {
    if (out.count < kMaxFrequencyLabels)
        out.labels[static_cast<std::size_t>(out.count++)] = {position, std::move(text)};
}

int logColumn(const SweepRange& range, double frequency) {
    return static_cast<int>(
        std::lround(std::log(frequency / range.fMinExt) / std::log(range.ratioPerPoint)));
}

void roundValueLabels(FrequencyLabels& out, const SweepRange& range, bool logarithmic,
                      const TextWidth& width, std::string_view unit) {
    TickRequest request;
    request.intervals = 20;
    request.length = kAxisColumns;
    request.widthCheck = true;
    if (logarithmic) {
        request.lo = range.fMinExt;
        request.hi = range.fMaxExt;
        request.spacing = 2.0;
    } else {
        request.lo = range.fMinLin;
        request.hi = range.fMaxLin;
        request.spacing = 1.7;
    }
    for (const Tick& tick : NiceTicks(request, width)) {
        if (logarithmic && !(tick.value > 0)) continue;
        const int column =
            logarithmic ? logColumn(range, tick.value)
                        : static_cast<int>(std::lround((tick.value - range.fMinLin) * kAxisColumns /
                                                       (range.fMaxLin - range.fMinLin)));
        add(out, column, out.count == 0 ? tick.label + std::string(unit) : tick.label);
    }
}

void decadeLabels(FrequencyLabels& out, const SweepRange& range, std::string_view unit) {
    constexpr const char* kPrefixes[] = {"p", "n", "u", "m", "", "k", "M", "G"};
    constexpr const char* kZeros[] = {"", "0", "00"};
    const double pixelsPerDecade = std::log(10.0) / std::log(range.ratioPerPoint);
    // The ends themselves are labelled even when they come out a rounding step off.
    const double lowest = range.fMinExt * (1 - 1e-12), highest = range.fMaxExt * (1 + 1e-12);
    for (int m = 1; m <= 9; ++m) {
        if (!decadeMultiplierShown(m, pixelsPerDecade)) continue;
        double power = 1e-12;
        for (int group = 0; group < 8; ++group) {
            for (int zeros = 0; zeros < 3; ++zeros, power *= 10) {
                const double value = m * power;
                if (value < lowest || value > highest) continue;
                add(out, logColumn(range, value),
                    std::to_string(m) + kZeros[zeros] + kPrefixes[group] +
                        std::string(m == 1 ? unit : std::string_view{}));
            }
        }
    }
}

}  // namespace

bool decadeMultiplierShown(int m, double pixelsPerDecade) {
    switch (m) {
        case 1:
            return true;
        case 2:
        case 5:
            return pixelsPerDecade > 105;
        case 3:
            return pixelsPerDecade > 150;
        case 4:
            return pixelsPerDecade > 270;
        default:
            return m >= 6 && m <= 9 && pixelsPerDecade > 570;
    }
}

FrequencyLabels frequencyAxisLabels(const SweepRange& range, bool logarithmic,
                                    const TextWidth& width, std::string_view unit) {
    FrequencyLabels out;
    if (!range.set || !(range.ratioPerPoint > 1) || !std::isfinite(range.ratioPerPoint)) return out;
    if (!logarithmic || range.fMaxExt / range.fMinExt < 10)
        roundValueLabels(out, range, logarithmic, width, unit);
    else
        decadeLabels(out, range, unit);
    return out;
}

}  // namespace volmira
