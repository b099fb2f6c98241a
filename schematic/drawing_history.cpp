#include "schematic/drawing_history.h"

#include <algorithm>
#include <utility>

namespace volmira {

void DrawingHistory::record(const DrawingState& before) {
    ring_[std::size_t(cursor_)] = before;
    cursor_ = (cursor_ + 1) % kCapacity;
    undoSteps_ = std::min(undoSteps_ + 1, kCapacity);
    redoSteps_ = 0;
}

bool DrawingHistory::undo(DrawingState& current) {
    if (undoSteps_ == 0) return false;
    cursor_ = (cursor_ + kCapacity - 1) % kCapacity;
    std::swap(ring_[std::size_t(cursor_)], current);
    --undoSteps_;
    ++redoSteps_;
    return true;
}

bool DrawingHistory::redo(DrawingState& current) {
    if (redoSteps_ == 0) return false;
    std::swap(ring_[std::size_t(cursor_)], current);
    cursor_ = (cursor_ + 1) % kCapacity;
    ++undoSteps_;
    --redoSteps_;
    return true;
}

}  // namespace volmira
