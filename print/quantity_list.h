#pragma once
// The quantity choice of the curve and table pages (AwBox, ElArtWahl): list positions, the
// quantity slots they stand for, and which insert commands the working mode allows.
#include <array>
#include <string_view>

namespace volmira {

inline constexpr std::array<std::string_view, 9> kQuantityListEntries = {
    "Strom",          "Spannung",     "Verstärkung",   "Phase U / Ue", "Phase I / Ue",
    "Scheinleistung", "Wirkleistung", "Blindleistung", "S-Widerstand"};

// List position 0..8 to quantity slot ("Phase I / Ue" is slot 10).
int quantitySlotForListPosition(int position);
// Quantity slot 0..10 to list position; slots without an entry (7, 8) give 0.
int listPositionForSlot(int slot);
// The list text of a slot ("" for slots without an entry).
std::string_view quantityName(int slot);

struct InsertEnabling {
    bool schematic = false;
    bool componentList = false;
    bool curve = false;
    bool locus = false;
    bool table = false;
    bool characteristics = false;  // the "Kennwerte" need confirmed values
    bool tableNote = false;        // Memo2: values not confirmed yet
};

// The insert commands allowed in a working mode (1..4) with the quantity list at `position`.
InsertEnabling insertEnabling(int workingMode, int position, bool tableExists);

}  // namespace volmira
