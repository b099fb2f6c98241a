#pragma once
// `Tafel2`, the component entry: the value list and its buttons in the side panel, the drawing
// beside it (clicking a component selects its row).
#include "app/ui/mode_panel.h"
#include "app/ui/tafel3.h"

class QVBoxLayout;

namespace volmira {

class ValueEntryPanel;

class Tafel2 : public ModePanel {
    Q_OBJECT
  public:
    // As wide as the results column, so that the drawing stays in place between modes 2 and 3.
    static constexpr int kSideWidth = Tafel3::kSideWidth;

    explicit Tafel2(QWidget* parent = nullptr);

    QFrame* sidePanel() const { return side_; }
    // Puts the value entry into the side panel.
    void setValueEntry(ValueEntryPanel* entry);

    void modeChanged(const ModeSwitch& change) override;
    void drawingPressed(QPoint pixel) override;
    void drawingRepainted() override;
    void networkReplaced(bool analysed) override;

  private:
    ValueEntryPanel* entry_ = nullptr;
    QFrame* side_;
    QVBoxLayout* sideLayout_;
};

}  // namespace volmira
