#pragma once
// The one frequency table of a page, as texts: up to five rows (branches) by six columns
// (frequencies), each cell a value and, with "mit Phase", a phase.
#include <array>
#include <string>

namespace volmira {

inline constexpr int kTableRows = 5;
inline constexpr int kTableColumns = 6;

struct FrequencyTable {
    int rows = 0;
    int columns = 0;
    bool withPhase = false;
    std::string quantityName;
    std::array<std::string, kTableColumns> frequencies;  // column headers
    std::array<std::string, kTableRows> labels;
    std::array<std::array<std::string, kTableColumns>, kTableRows> values;
    std::array<std::array<std::string, kTableColumns>, kTableRows> phases;
};

}  // namespace volmira
