#pragma once
// The value curve of volmira-calc (--vary): the quantities of one branch against one
// component's value at one frequency, as CSV.
#include <optional>
#include <ostream>
#include <string_view>

#include "analysis/calculation.h"
#include "tools/calc_arguments.h"
#include "tools/calc_network.h"

namespace volmira::calc {

// Writes "point,value," and the quantity columns, then one row per value of options.varyComponent
// for the branch of options.ofComponent (default: its own), solved at the engine's accepted
// frequency and voltage. Gives the refusal of a name or a range; otherwise `message` is the
// solver's message when a point met a failure or lost digits.
std::optional<Failure> writeValueCurve(std::ostream& out, Calculation& calculation,
                                       const CalcOptions& options, std::string_view& message);

}  // namespace volmira::calc
