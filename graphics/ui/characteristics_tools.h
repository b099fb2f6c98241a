#pragma once
// The graphic mode's "Kennwerte" and "Pol-/Nullstellen" buttons on the tool bar `Mauspal2`: the
// panel with the characteristic values of the shown curve, their marks on the curve (the
// resonance and the -3 dB points), and the pole-zero window of the curve's branch.
#include <QObject>
#include <QWidget>
#include <optional>

#include "graphics/characteristic_values.h"

class QToolButton;

namespace volmira {

class CharacteristicsPanel;
class GraphicPanel;
class PoleZeroWindow;
struct GraphicState;

// Painted over the curve view, transparent for the mouse: the marks of the values found for
// the branch and quantity now shown.
class CharacteristicMarks : public QWidget {
    Q_OBJECT
  public:
    CharacteristicMarks(const GraphicPanel& panel, const GraphicState& state, QWidget* curveView);
    void setValues(std::optional<CharacteristicValues> values, int branch, int button);
    const std::optional<CharacteristicValues>& values() const { return values_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const GraphicPanel& panel_;
    const GraphicState& state_;
    std::optional<CharacteristicValues> values_;
    int branch_ = 0;
    int button_ = 0;
};

class CharacteristicsTools : public QObject {
    Q_OBJECT
  public:
    CharacteristicsTools(GraphicPanel& panel, Calculation& calculation, GraphicState& state);

    QToolButton* kennwerteButton() const { return kennwerte_; }
    QToolButton* polesButton() const { return poles_; }
    CharacteristicsPanel* characteristicsPanel() const { return panel_; }
    PoleZeroWindow* poleZeroWindow() const { return window_; }
    const CharacteristicMarks* marks() const { return marks_; }

  public slots:
    void KennwerteClick();
    void PolNullClick();

  private:
    GraphicPanel& graphic_;
    Calculation& calculation_;
    GraphicState& state_;
    QToolButton* kennwerte_;
    QToolButton* poles_;
    CharacteristicsPanel* panel_;
    PoleZeroWindow* window_;
    CharacteristicMarks* marks_;
};

}  // namespace volmira
