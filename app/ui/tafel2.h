#pragma once
// `Tafel2`, the component entry: the value list and its buttons in the side panel, the drawing
// beside it (clicking a component selects its row).
#include "app/ui/mode_panel.h"

class QVBoxLayout;

namespace volmira {

class Tafel2 : public ModePanel {
    Q_OBJECT
  public:
    static constexpr int kSideWidth = 260;

    explicit Tafel2(QWidget* parent = nullptr);

    QFrame* sidePanel() const { return side_; }
    QVBoxLayout* sideLayout() const { return sideLayout_; }

  private:
    QFrame* side_;
    QVBoxLayout* sideLayout_;
};

}  // namespace volmira
