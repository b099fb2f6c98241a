#include "print/quantity_list.h"

#include "app/working_modes.h"

namespace volmira {

namespace {
constexpr std::string_view kSlotOfPosition = "103674592";  // digit 7 stands for slot 10
constexpr std::string_view kPositionOfSlot = "10825630074";
constexpr int kPhaseInputSlot = 10;
}  // namespace

int quantitySlotForListPosition(int position) {
    if (position < 0 || position >= static_cast<int>(kSlotOfPosition.size())) return 0;
    const int digit = kSlotOfPosition[static_cast<std::size_t>(position)] - '0';
    return digit == 7 ? kPhaseInputSlot : digit;
}

int listPositionForSlot(int slot) {
    if (slot < 0 || slot >= static_cast<int>(kPositionOfSlot.size())) return 0;
    return kPositionOfSlot[static_cast<std::size_t>(slot)] - '0';
}

std::string_view quantityName(int slot) {
    const int position = listPositionForSlot(slot);
    if (quantitySlotForListPosition(position) != slot) return {};
    return kQuantityListEntries[static_cast<std::size_t>(position)];
}

InsertEnabling insertEnabling(int workingMode, int position, bool tableExists) {
    InsertEnabling e;
    e.schematic = workingMode >= kModeComponents;
    e.componentList = workingMode >= kModeSingleFrequency;
    e.characteristics = e.componentList;
    e.curve = workingMode == kModeGraphic;
    // Phases and the two power parts have no meaningful locus.
    const int slot = quantitySlotForListPosition(position);
    const bool locusQuantity = slot != 6 && slot != kPhaseInputSlot && slot != 5 && slot != 9;
    e.locus = e.curve && locusQuantity;
    e.tableNote = workingMode < kModeSingleFrequency;
    e.table = !e.tableNote && !tableExists;
    return e;
}

}  // namespace volmira
