#pragma once
// The labels of the frequency axis along the bottom of the curve plot, at pixel columns of the
// 897 points: round values on a linear axis and on a logarithmic one spanning less than a
// decade, decade labels with more multipliers the wider a decade is drawn otherwise.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "graphics/nice_ticks.h"
#include "graphics/sweep_range.h"

namespace volmira {

struct AxisLabel {
    int position = 0;  // pixel column (frequency axis) or row (y axis)
    std::string text;
    bool operator==(const AxisLabel&) const = default;
};

// Multipliers 1..9 times 24 powers of ten (1 p .. 900 G): frequencies, and the component values
// of a value curve (picofarads to gigaohms).
inline constexpr int kMaxFrequencyLabels = 9 * 24;

struct FrequencyLabels {
    std::array<AxisLabel, kMaxFrequencyLabels> labels{};
    int count = 0;

    const AxisLabel* begin() const { return labels.data(); }
    const AxisLabel* end() const { return labels.data() + count; }
    bool operator==(const FrequencyLabels& other) const {
        return std::equal(begin(), end(), other.begin(), other.end());
    }
};

// Whether multiplier m (1..9) of the decade labels is shown at `pixelsPerDecade`.
bool decadeMultiplierShown(int m, double pixelsPerDecade);

// `width` measures labels for the fit check of the round-value axes. On a value curve the powers
// of ten (or the first round value) carry the unit of its component ("1kOhm", "2k", "5k",
// "10kOhm"); frequencies are labelled without.
FrequencyLabels frequencyAxisLabels(const SweepRange& range, bool logarithmic,
                                    const TextWidth& width, std::string_view unit = {});

}  // namespace volmira
