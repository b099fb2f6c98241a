#pragma once
// `Tafel3`, the single-frequency results, standing on its shadow `sw6`; the drawing beside it
// (clicking a branch shows its quantities).
#include "app/ui/mode_panel.h"

class QVBoxLayout;

namespace volmira {

class ProbePanel;
class ResultsPanel;

class Tafel3 : public ModePanel {
    Q_OBJECT
  public:
    static constexpr int kSideWidth = 270;
    static constexpr int kShadowOffset = 5;

    explicit Tafel3(QWidget* parent = nullptr);

    // The result card, where the input fields and the eleven result fields go.
    QFrame* card() const { return card_; }
    QVBoxLayout* cardLayout() const { return cardLayout_; }
    QFrame* shadow() const { return sw6_; }
    // Puts the results onto the card.
    void setResults(ResultsPanel* results);
    // The voltage probe below the results; while it is on, presses on the drawing go to it.
    void setProbe(ProbePanel* probe);

    void modeChanged(const ModeSwitch& change) override;
    void drawingPressed(QPoint pixel) override;
    void drawingRepainted() override;
    void networkReplaced(bool analysed) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* column_;
    QFrame* sw6_;
    QFrame* card_;
    QVBoxLayout* cardLayout_;
    ResultsPanel* results_ = nullptr;
    ProbePanel* probe_ = nullptr;
};

}  // namespace volmira
