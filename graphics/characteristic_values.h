#pragma once
// The characteristic values of one branch quantity over a frequency range: its maximum and
// minimum, the -3 dB frequencies around the maximum with bandwidth, centre frequency and Q, and
// the frequencies where the phase passes 0, +-45, +-90 and +-180 degrees. The sweep points only
// bracket each value; it is then found by solving at exactly that frequency.
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "analysis/calculation.h"
#include "analysis/quantities.h"

namespace volmira {

// One point of a curve: the quantity's value and, for a quantity that has one, its phase in
// degrees.
struct CurveSample {
    double value = 0;
    std::optional<double> phase;
};
using SampleAt = std::function<CurveSample(double frequency)>;

// An extreme: its value and where it lies; no frequency when the curve is flat.
struct ValueAt {
    std::optional<double> frequency;
    double value = 0;
};

// The phases whose passing is looked for; +-180 is one target.
inline constexpr std::array<double, 6> kPhaseTargets{0, 45, -45, 90, -90, 180};

struct CharacteristicValues {
    ElectricalQuantity quantity = ElectricalQuantity::Voltage;
    std::optional<ValueAt> maximum;
    std::optional<ValueAt> minimum;
    // Voltage, current and gain have -3 dB points: where the curve falls to 1/sqrt 2 of its
    // maximum (3.0103 dB below it for the gain), nearest to the maximum on either side.
    bool hasCutoffs = false;
    std::optional<double> lowerCutoff;
    std::optional<double> upperCutoff;
    std::optional<double> bandwidth;  // both cutoffs found
    std::optional<double> centre;     // their geometric mean
    std::optional<double> quality;    // centre / bandwidth
    // Per entry of kPhaseTargets, every frequency where the phase passes it, ascending.
    bool hasPhase = false;
    std::array<std::vector<double>, kPhaseTargets.size()> phaseCrossings;
    // Some solve met the solver's failure or lost digits: the values are not to be trusted.
    bool unsound = false;
};

// The level of the -3 dB points below a maximum: 1/sqrt 2 of it, 3.0103 dB less for the gain.
double cutoffLevel(ElectricalQuantity quantity, double maximum);

// The values of a curve given at ascending frequencies (`samples[i]` at `frequencies[i]`);
// `sampleAt` solves at any frequency between them. Frequencies are found to about 1e-10
// relative, extremes to about 1e-8.
CharacteristicValues findCharacteristics(ElectricalQuantity quantity,
                                         std::span<const double> frequencies,
                                         std::span<const CurveSample> samples,
                                         const SampleAt& sampleAt);

// The sample of `quantity` of branch k from one solve's currents; the phase exactly from the
// complex current and impedance.
CurveSample branchSample(const Network& network, const BranchCurrents& currents, int branch,
                         double voltage, ElectricalQuantity quantity);

// The values of `quantity` of branch k over the ascending `frequencies`, every solve through the
// engine at its accepted voltage.
CharacteristicValues branchCharacteristics(Calculation& calculation, int branch,
                                           ElectricalQuantity quantity,
                                           std::span<const double> frequencies);

}  // namespace volmira
