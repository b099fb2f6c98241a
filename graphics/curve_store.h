#pragma once
// The solved points of the graphic mode: every quantity of every point of up to five curves, the
// phases of the first five slots, and the y range of each of the nine quantity buttons. Fixed
// size, so that a sweep allocates nothing.
#include <array>
#include <span>

#include "analysis/not_computed.h"
#include "analysis/quantities.h"

namespace volmira {

inline constexpr int kCurveCount = 5;       // curves 1..5; curve 1 outside parameter mode
inline constexpr int kStorePoints = 899;    // points 0..898
inline constexpr int kQuantityButtons = 9;  // FgGroesse1..9

inline bool isComputed(double cell) {
    return cell != NotComputed;
}

// The quantity slot of button n (1..9).
inline int selectorSlot(int button) {
    return static_cast<int>(quantityForSelector(button));
}

// Whether button n (1..9) may be shown as a locus plot: current, voltage, gain, apparent power
// and impedance.
inline bool locusAllowed(int button) {
    return button == 1 || button == 2 || button == 3 || button == 5 || button == 8;
}

// Cells [curve 1..5][slot][point 0..898], all NotComputed at first.
template <int Slots>
class PointTable {
  public:
    PointTable() { clear(); }
    double& at(int curve, int slot, int point) { return cells_[index(curve, slot, point)]; }
    double at(int curve, int slot, int point) const { return cells_[index(curve, slot, point)]; }
    // Points 0..898 of one curve's slot.
    std::span<const double> row(int curve, int slot) const {
        return std::span<const double>(cells_).subspan(index(curve, slot, 0), kStorePoints);
    }
    void clear() { cells_.fill(NotComputed); }

  private:
    static std::size_t index(int curve, int slot, int point) {
        return static_cast<std::size_t>(((curve - 1) * Slots + slot) * kStorePoints + point);
    }
    std::array<double, kCurveCount * Slots * kStorePoints> cells_;
};

// Every quantity slot 0..10.
using CurveStore = PointTable<kQuantityCount>;
// Phase angles in radians of slots 0..4.
using PhaseStore = PointTable<kPhaseCellCount>;

// signClass: which side of zero the y range lies on.
enum SignClass : unsigned char { kAtOrAboveZero = 1, kCrossesZero = 2, kBelowZero = 3 };

struct ScaleRecord {
    double lo = 0;  // the drawn y range
    double hi = 0;
    double span = 0;        // |hi - lo|
    double minSeen = 1e30;  // extremes met during sweeps
    double maxSeen = -1e35;
    unsigned char signClass = kAtOrAboveZero;
    unsigned char autoRange = 1;  // 0: a range chosen with the y-scaling tool is in force
};

// What the curve plot keeps between sweeps and redraws.
struct PlotState {
    CurveStore curves;
    PhaseStore phases;
    std::array<ScaleRecord, kQuantityButtons> scales{};  // button n at index n - 1
    int computedCount = 0;  // points solved since the last reset; 0: no curve exists

    ScaleRecord& scale(int button) { return scales[static_cast<std::size_t>(button - 1)]; }
    const ScaleRecord& scale(int button) const {
        return scales[static_cast<std::size_t>(button - 1)];
    }
};

// Empties the store and gives every scale its initial state. (The locus bounds and the tool
// buttons are reset by their owners.)
void ResetPlot(PlotState& plot);

// The unit code of the y-axis title of a quantity slot ("Blindleistung" is titled "var").
int axisUnitForSlot(int slot);

}  // namespace volmira
