#pragma once
// `tafel4`, the graphic display: the curve area (the tool bar `Mauspal2`, the y axis `yblock`
// and the drawing frame, which shows the curve image `Bild1` in this mode, and the readout) and
// the side panel with the branch choice, the quantities and the range. The marker `hand`
// blinks there while no curve exists, pointing to where the user starts.
#include "app/ui/mode_panel.h"

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace volmira {

class GraphicPanel;
struct Workspace;

class Tafel4 : public ModePanel {
    Q_OBJECT
  public:
    static constexpr int kSideWidth = 480;

    explicit Tafel4(Workspace& workspace, QWidget* parent = nullptr);

    QFrame* sidePanel() const { return side_; }
    QVBoxLayout* sideLayout() const { return sideLayout_; }
    QLabel* hand() const { return hand_; }
    GraphicPanel* graphic() const { return graphic_; }

    // A curve exists: it is drawn on entering the mode instead of the blinking marker.
    bool curveAvailable() const;

    void modeChanged(const ModeSwitch& change) override;
    void networkReplaced(bool analysed) override;

  private:
    Workspace& ws_;
    QFrame* side_;
    QVBoxLayout* sideLayout_;
    QLabel* hand_;
    GraphicPanel* graphic_;
    // While the mode is shown, the frame shows Bild1 and the drawing waits here.
    QScrollArea* frame_ = nullptr;
    QWidget* drawing_ = nullptr;
};

}  // namespace volmira
