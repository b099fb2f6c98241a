#pragma once
// The calculation mode's all-branch table as German CSV: one row per branch with its components
// and the eleven quantities at the table's frequency.
#include <string>

#include "analysis/network.h"
#include "analysis/quantities.h"

namespace volmira {

// Digits of the exported numbers: as many as the result fields show at most.
inline constexpr int kTableCsvDigits = 9;

std::string branchTableCsv(const Network& network, const AllBranchTable& table);

}  // namespace volmira
