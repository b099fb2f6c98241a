#include "graphics/characteristic_values.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "graphics/brent_search.h"

namespace volmira {

namespace {

constexpr double kRadianToDegree = 57.29577951308232;
// 20 log10(sqrt 2): the -3 dB point of a gain in dB.
constexpr double kHalfPowerDecibel = 3.0102999566398120;
// Tolerances in ln f: relative accuracy of a frequency.
constexpr double kRootTolerance = 1e-11;
constexpr double kExtremeTolerance = 1e-10;
// A curve whose samples differ by less than this share is flat.
constexpr double kFlatShare = 1e-12;

bool hasCutoffs(ElectricalQuantity quantity) {
    return quantity == ElectricalQuantity::Voltage || quantity == ElectricalQuantity::Current ||
           quantity == ElectricalQuantity::Gain;
}

// The phase minus the target, wrapped into -180..180.
double phaseOffset(double phase, double target) {
    return std::remainder(phase - target, 360.0);
}

class CurveSearch {
  public:
    CurveSearch(std::span<const double> frequencies, std::span<const CurveSample> samples,
                const SampleAt& sampleAt)
        : frequencies_(frequencies), samples_(samples), sampleAt_(sampleAt) {}

    std::size_t size() const { return samples_.size(); }
    double value(std::size_t i) const { return samples_[i].value; }
    double logFrequency(std::size_t i) const { return std::log(frequencies_[i]); }
    CurveSample at(double logFrequency) const { return sampleAt_(std::exp(logFrequency)); }

    // The extreme next to sample i (sign -1: maximum, +1: minimum), refined between its
    // neighbours.
    ValueAt extreme(std::size_t i, double sign) const {
        ValueAt best{frequencies_[i], value(i)};
        const std::size_t lo = i > 0 ? i - 1 : i;
        const std::size_t hi = i + 1 < size() ? i + 1 : i;
        if (lo == hi) return best;
        const Minimum m = brentMinimum([&](double x) { return sign * at(x).value; },
                                       logFrequency(lo), logFrequency(hi), kExtremeTolerance);
        if (m.value < sign * best.value) best = {std::exp(m.x), sign * m.value};
        return best;
    }

    // Where the curve crosses `level` between samples i and i + 1.
    double crossing(std::size_t i, double level) const {
        return std::exp(brentRoot([&](double x) { return at(x).value - level; }, logFrequency(i),
                                  logFrequency(i + 1), value(i) - level, value(i + 1) - level,
                                  kRootTolerance));
    }

    // The first sample from `from` stepping by `step` that lies below `level`.
    std::optional<std::size_t> firstBelow(std::size_t from, int step, double level) const {
        for (std::size_t i = from; i < size(); i += std::size_t(step))
            if (value(i) < level) return i;
        return std::nullopt;
    }

    std::vector<double> phaseCrossings(double target) const {
        std::vector<double> found;
        auto offset = [&](const CurveSample& s) { return phaseOffset(*s.phase, target); };
        for (std::size_t i = 0; i + 1 < size(); ++i) {
            const double d0 = offset(samples_[i]), d1 = offset(samples_[i + 1]);
            const bool passes = (d0 < 0 && d1 >= 0) || (d0 > 0 && d1 <= 0);
            // A step of half a turn is the wrap of the phase, not a passing.
            if (!passes || std::fabs(d1 - d0) >= 180) continue;
            const double x = brentRoot([&](double v) { return offset(at(v)); }, logFrequency(i),
                                       logFrequency(i + 1), d0, d1, kRootTolerance);
            found.push_back(std::exp(x));
        }
        return found;
    }

  private:
    std::span<const double> frequencies_;
    std::span<const CurveSample> samples_;
    const SampleAt& sampleAt_;
};

void findCutoffs(const CurveSearch& curve, std::size_t peak, CharacteristicValues& out) {
    const double maximum = out.maximum->value;
    const double level = cutoffLevel(out.quantity, maximum);
    if (out.quantity != ElectricalQuantity::Gain && !(maximum > 0)) return;
    if (peak > 0) {
        // Stepping down from the peak: the index wraps past 0 and ends the search.
        if (auto below = curve.firstBelow(peak - 1, -1, level))
            out.lowerCutoff = curve.crossing(*below, level);
    }
    if (auto below = curve.firstBelow(peak + 1, 1, level))
        out.upperCutoff = curve.crossing(*below - 1, level);
    if (out.lowerCutoff && out.upperCutoff) {
        out.bandwidth = *out.upperCutoff - *out.lowerCutoff;
        out.centre = std::sqrt(*out.upperCutoff * *out.lowerCutoff);
        out.quality = *out.centre / *out.bandwidth;
    }
}

}  // namespace

double cutoffLevel(ElectricalQuantity quantity, double maximum) {
    return quantity == ElectricalQuantity::Gain ? maximum - kHalfPowerDecibel
                                                : maximum / std::sqrt(2.0);
}

CharacteristicValues findCharacteristics(ElectricalQuantity quantity,
                                         std::span<const double> frequencies,
                                         std::span<const CurveSample> samples,
                                         const SampleAt& sampleAt) {
    CharacteristicValues out;
    out.quantity = quantity;
    out.hasCutoffs = hasCutoffs(quantity);
    if (samples.empty() || frequencies.size() != samples.size()) return out;
    out.hasPhase = samples.front().phase.has_value();
    const CurveSearch curve(frequencies, samples, sampleAt);

    const auto [low, high] = std::minmax_element(
        samples.begin(), samples.end(),
        [](const CurveSample& a, const CurveSample& b) { return a.value < b.value; });
    const std::size_t peak = std::size_t(high - samples.begin());
    const std::size_t dip = std::size_t(low - samples.begin());
    const bool flat = high->value - low->value <=
                      kFlatShare * std::max(std::fabs(high->value), std::fabs(low->value));
    if (flat) {
        out.maximum = ValueAt{std::nullopt, high->value};
        out.minimum = ValueAt{std::nullopt, low->value};
    } else {
        out.maximum = curve.extreme(peak, -1);
        out.minimum = curve.extreme(dip, 1);
        if (out.hasCutoffs) findCutoffs(curve, peak, out);
    }
    if (out.hasPhase)
        for (std::size_t t = 0; t < kPhaseTargets.size(); ++t)
            out.phaseCrossings[t] = curve.phaseCrossings(kPhaseTargets[t]);
    return out;
}

CurveSample branchSample(const Network& network, const BranchCurrents& currents, int branch,
                         double voltage, ElectricalQuantity quantity) {
    const BranchQuantities quantities = branchQuantities(network, currents, branch, voltage);
    CurveSample sample{quantities[quantity], std::nullopt};
    const std::complex<double> i = currents.current[std::size_t(branch - 1)];
    const std::complex<double> z(network.branch(branch).R,
                                 currents.reactance[std::size_t(branch - 1)]);
    auto degrees = [](std::complex<double> c) { return std::arg(c) * kRadianToDegree; };
    switch (quantity) {
        case ElectricalQuantity::Voltage:
        case ElectricalQuantity::Gain:
        case ElectricalQuantity::VoltagePhase:
            sample.phase = degrees(i * z);
            break;
        case ElectricalQuantity::Current:
        case ElectricalQuantity::CurrentPhase:
            sample.phase = degrees(i);
            break;
        case ElectricalQuantity::Impedance:
            sample.phase = degrees(z);
            break;
        case ElectricalQuantity::ApparentPower:
            sample.phase = degrees(i * i * z);
            break;
        default:
            break;
    }
    return sample;
}

CharacteristicValues branchCharacteristics(Calculation& calculation, int branch,
                                           ElectricalQuantity quantity,
                                           std::span<const double> frequencies) {
    const Network& network = calculation.network();
    const double voltage = calculation.voltage();
    bool unsound = false;
    CurveSample solved;
    std::vector<CurveSample> samples(frequencies.size());
    auto solve = [&](std::span<const double> at, std::span<CurveSample> into) {
        const SweepOutcome outcome =
            calculation.sweep(at, [&](std::size_t i, const BranchCurrents& currents) {
                into[i] = branchSample(network, currents, branch, voltage, quantity);
                return true;
            });
        unsound = unsound || outcome.failed || outcome.imprecise;
    };
    solve(frequencies, samples);
    const SampleAt sampleAt = [&](double frequency) {
        solve(std::span(&frequency, 1), std::span(&solved, 1));
        return solved;
    };
    CharacteristicValues out = findCharacteristics(quantity, frequencies, samples, sampleAt);
    out.unsound = unsound;
    return out;
}

}  // namespace volmira
