#pragma once
// `tafel4`, the graphic display: the curve area (the drawing frame shows the curve image) and
// the side panel with the branch choice and the quantities. The marker `hand` blinks there
// while no curve exists, pointing to where the user starts.
#include "app/ui/mode_panel.h"

class QLabel;
class QVBoxLayout;

namespace volmira {

class Tafel4 : public ModePanel {
    Q_OBJECT
  public:
    static constexpr int kSideWidth = 250;

    explicit Tafel4(QWidget* parent = nullptr);

    QFrame* sidePanel() const { return side_; }
    QVBoxLayout* sideLayout() const { return sideLayout_; }
    QLabel* hand() const { return hand_; }

    // Set by the curve plot: a curve exists and is drawn on entering the mode instead of the
    // blinking marker.
    bool curveAvailable() const { return curveAvailable_; }
    void setCurveAvailable(bool available) { curveAvailable_ = available; }

  private:
    QFrame* side_;
    QVBoxLayout* sideLayout_;
    QLabel* hand_;
    bool curveAvailable_ = false;
};

}  // namespace volmira
