#pragma once
// What volmira-calc prints: the branches' quantities as the program shows them or as CSV, the
// component list, and the rows of a sweep.
#include <ostream>
#include <string>
#include <string_view>

#include "analysis/network.h"
#include "analysis/quantities.h"

namespace volmira::calc {

// A number for CSV: '.' as decimal point, 17 significant digits.
std::string csvNumber(double value);

// Every branch at the table's frequency and voltage: the analysis summary, then per branch the
// eleven result field texts (with --csv: one row per branch after a header; a quantity the
// program shows as "unendlich" is written as inf or -inf, here and in the sweep rows).
void writeBranches(std::ostream& out, const Network& network, const AllBranchTable& table,
                   bool csv);

// name,row,column,kind,branch,value: one row per component.
void writeComponents(std::ostream& out, const Network& network);

// A sweep over one branch: the header, then one row per point.
void writeSweepHeader(std::ostream& out, const Network& network, int branch, bool csv);
// The value curve's CSV header: point,value and the quantity columns.
void writeValueSweepHeader(std::ostream& out);
void writeSweepRow(std::ostream& out, int point, double frequency,
                   const BranchQuantities& quantities, bool csv);

}  // namespace volmira::calc
