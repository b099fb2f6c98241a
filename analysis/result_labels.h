#pragma once
// Names in result listings: a branch's components and a quantity's label with its unit.
#include <string>
#include <string_view>

#include "analysis/network.h"
#include "analysis/quantities.h"

namespace volmira {

// The names of the components in branch k joined by `separator` ("R 1, C 1"); `withoutBlank`
// writes them as "R1" and gives an empty text for a bare wire, otherwise that is "Leitung".
std::string branchComponentNames(const Network& network, int branch, std::string_view separator,
                                 bool withoutBlank);

// "Spannung", ..., and for the slots without a caption "Wirkwiderstand" and "Blindwiderstand".
std::string_view quantityLabel(ElectricalQuantity quantity);

// "Spannung [V]".
std::string quantityTitle(ElectricalQuantity quantity);

}  // namespace volmira
