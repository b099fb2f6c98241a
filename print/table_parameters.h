#pragma once
// The frequency table page: up to five branches (rows) and six frequencies (columns) with the
// quantity to show, the labels that name a branch by its components, and the table computed
// from them through the calculation engine.
#include <array>
#include <string>
#include <string_view>

#include "analysis/calculation.h"
#include "print/frequency_table.h"

namespace volmira {

struct TableRowSlot {
    int branch = 0;  // 0: empty
    std::string label;
};

struct TableParameters {
    std::array<TableRowSlot, kTableRows> rows{};
    std::array<double, kTableColumns> frequencies{};  // 0: unused
    int markedRow = 0;                                // 0-based
    int markedColumn = 0;
    int quantityPosition = 0;  // in the quantity list
    bool withPhase = false;

    // "Tabellen-Parameter löschen": every row and column slot empty.
    void clear();
};

// The branch's components with their value texts, pieces joined with `equals` and ";  "
// ("R 1= 100 Ohm;  C 1= 1 uF"), or "Stromzweig " and the number when it holds no component.
std::string branchLabel(const Network& network, int branch, std::string_view equals);

// A table row's label: longer than 20 characters, it is cut before the first "=" at its sixth
// character or later and "=..." is appended.
std::string tableRowLabel(std::string_view label);

struct TableBuild {
    FrequencyTable table;
    int longestLabel = 0;  // characters
    int longestValue = 0;
    bool empty() const { return table.rows == 0 || table.columns == 0; }
};

// Every used row at every used column frequency, the value with 5 significant digits and, with
// "mit Phase", the phase in degrees with 4; empty slots are skipped, not left blank. The
// engine's own results (the main window's) stay as they were.
TableBuild computeFrequencyTable(Calculation& calculation, const TableParameters& parameters);

}  // namespace volmira
