#pragma once
// The frequencies that the characteristic values are bracketed on: the points of a sweep window,
// or the user's range FqVon..FqBis when no curve is drawn.
#include <optional>
#include <string>
#include <vector>

#include "graphics/characteristic_values.h"
#include "graphics/sweep_range.h"
#include "schematic/network_file.h"

namespace volmira {

// The frequencies of points firstPoint..lastPoint that have one (above 0 Hz), ascending.
std::vector<double> windowFrequencies(const SweepRange& range, bool logarithmic);

// The normal view's range for the texts of FqVon and FqBis; unset unless a sweep would accept
// both and they rise.
SweepRange userSweepRange(const InputFields& fields);

// The values of branch k's quantity of selector `button` (FgGroesse1..9) over the user's range,
// or, when a sweep over that range would be refused, its message. Neither before the values
// are confirmed or for a branch the network lacks.
struct RangeCharacteristics {
    std::optional<CharacteristicValues> values;
    std::string refusal;
};
RangeCharacteristics userRangeCharacteristics(Calculation& calculation, const InputFields& fields,
                                              int branch, int button);

}  // namespace volmira
