#pragma once
// volmira-calc's characteristic values of one branch quantity over the file's range, and the
// poles and zeros of the transfer functions from Ue to one branch's voltage and current.
#include <optional>
#include <ostream>
#include <string_view>

#include "analysis/calculation.h"
#include "tools/calc_sweep.h"

namespace volmira::calc {

// The quantity of a --quantity key as the CSV columns name it ("U", "I", "Z", "gain", "S", "P",
// "phiU", "R", "X", "Q", "phiI").
std::optional<ElectricalQuantity> quantityForKey(std::string_view key);

// The values over the user's range (the middle half of the sweep points). Gives the solver's
// message when some solve met a failure or lost digits, else empty.
std::string_view writeCharacteristics(std::ostream& out, Calculation& calculation, int branch,
                                      ElectricalQuantity quantity, const SweepPoints& points,
                                      bool csv);

// Refuses (false, the reason on `error`) when the network's equations give none.
bool writePolesAndZeros(std::ostream& out, std::ostream& error, const Network& network, int branch,
                        bool csv);

}  // namespace volmira::calc
