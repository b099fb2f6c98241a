#pragma once
// Undo and redo of the drawing: a ring of the drawings before each change. Each step also keeps
// how far the drawing had been moved, so the component records, which travel with the drawing,
// can be moved back and forth with it without undoing value entries made since.
#include <vector>

#include "schematic/grid.h"

namespace volmira {

// The sum of all moves of the drawing, in cells.
struct DrawingOffset {
    int columns = 0;
    int rows = 0;
    friend bool operator==(const DrawingOffset&, const DrawingOffset&) = default;
};

struct DrawingState {
    SchematicGrid grid;
    DrawingOffset offset;
    friend bool operator==(const DrawingState&, const DrawingState&) = default;
};

class DrawingHistory {
  public:
    static constexpr int kCapacity = 100;

    DrawingHistory() : ring_(kCapacity) {}

    // The state a change is about to replace. The steps that could be redone are forgotten; when
    // the ring is full the oldest step goes.
    void record(const DrawingState& before);
    // Exchange `current` with the step before or after it; false (nothing changed) when there is
    // none.
    bool undo(DrawingState& current);
    bool redo(DrawingState& current);
    int undoSteps() const { return undoSteps_; }
    int redoSteps() const { return redoSteps_; }
    void clear() { undoSteps_ = redoSteps_ = 0; }

  private:
    std::vector<DrawingState> ring_;  // allocated once
    int cursor_ = 0;                  // the slot of the next step recorded
    int undoSteps_ = 0;               // the slots before the cursor
    int redoSteps_ = 0;               // the slots from the cursor on
};

}  // namespace volmira
