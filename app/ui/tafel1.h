#pragma once
// `tafel1`, the drawing mode: the symbol toolbar `MausPal1` above the drawing, the side bar
// `MausPalSenk` beside it, the schematic check `Schbcheck` and "Analyse" (`analys`). The editor
// fills the two tool bars.
#include "app/ui/mode_panel.h"

class QFrame;
class QHBoxLayout;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace volmira {

class EditorController;

class Tafel1 : public ModePanel {
    Q_OBJECT
  public:
    explicit Tafel1(QWidget* parent = nullptr);

    QFrame* mausPal1() const { return mausPal1_; }
    QFrame* mausPalSenk() const { return mausPalSenk_; }
    // The layouts the editor adds its buttons to.
    QHBoxLayout* toolbarLayout() const { return toolbarLayout_; }
    QVBoxLayout* sideBarLayout() const { return sideBarLayout_; }
    QPushButton* analys() const { return analys_; }
    QToolButton* schbcheck() const { return schbcheck_; }
    void setEditor(EditorController* editor) { editor_ = editor; }

    // Leaving the drawing mode: back to the mouse pointer.
    void modeChanged(const ModeSwitch& change) override;

  private:
    QFrame* mausPal1_;
    QFrame* mausPalSenk_;
    QHBoxLayout* toolbarLayout_;
    QVBoxLayout* sideBarLayout_;
    QPushButton* analys_;
    QToolButton* schbcheck_;
    EditorController* editor_ = nullptr;
};

}  // namespace volmira
