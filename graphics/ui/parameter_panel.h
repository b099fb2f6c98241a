#pragma once
// `sbtafel2`, the parameter mode's panel: the switch `ParEinAus`, the explanation `NichtParPan`,
// the miniature `sbklein2` in which the parameter component is picked (marked by the red circle
// `parkreis`), the label `plab3`, and the value panel `ParBtEin` with the five values `pareg1`..
// `pareg5`, the frame `awrahm` over the selected one, `alleNeu` and the edit field `eingFeld`.
// Values are edited here and with the E12 picker; the graphic mode listens to the signals.
#include <QFrame>
#include <QLabel>
#include <array>

#include "graphics/parameter_mode.h"

class QLineEdit;
class QPushButton;
class QScrollArea;

namespace volmira {

class Calculation;
class E12Picker;

// A label that reports presses and double clicks (the value panels and `alleNeu`).
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void pressed();
    void doubleClicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class ParameterPanel : public QFrame {
    Q_OBJECT
  public:
    // `miniature` is sbklein2, the drawing at 5 pixels per cell; the panel shows it under the
    // explanation and marks the chosen component on it. Presses on it go to the component hit
    // test of the owner, which calls sbklein2MouseDown.
    ParameterPanel(ParameterMode& mode, const Calculation& calculation, E12Picker& picker,
                   QWidget* miniature, QWidget* parent = nullptr);

    QPushButton* switchButton() const { return switch_; }
    QLineEdit* editField() const { return edit_; }

    // Scrolls sbklein2 so that this pixel of it stands top left.
    void showMiniatureFrom(QPoint corner);
    // Another network switches the mode off and forgets the component.
    void networkReplaced(bool analysed);

  public slots:
    void ParEinAusClick();
    // The component under the click in sbklein2 (hit test of the miniature); 0 does nothing.
    void sbklein2MouseDown(int component);
    void pareg1MouseDown(int index);
    void alleNeuDblClick(int index);  // 0: alleNeu, else the value panel
    void alleNeuMouseDown();
    void eingFeldExit();

  signals:
    // The parameter, its values or the mode changed: run the invalidation check.
    void settingsChanged();
    // Value panel `curve` was clicked: redraw with it selected, without solving.
    void curveSelected(int curve);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QRect rightArea() const;  // the miniature's, which NichtParPan covers while off
    void layOutExplanation();
    void showValues();
    void openPicker(bool several);
    void pickerCellClicked(double value);
    void pickerAccepted();
    void pickerClosed();
    QRect valueRect(int index) const;

    ParameterMode& mode_;
    const Calculation& calculation_;
    E12Picker& picker_;
    QPushButton* switch_;
    QLabel* explanation_;  // NichtParPan
    QScrollArea* miniatureFrame_;
    QWidget* miniature_;
    QWidget* circle_;         // parkreis
    QLabel* componentLabel_;  // plab3
    QFrame* valuePanel_;      // ParBtEin
    std::array<ClickLabel*, kParameterValueCount> values_{};
    QFrame* frame_;  // awrahm
    ClickLabel* allNew_;
    QLineEdit* edit_;
    bool on_ = false;       // switched on: waiting for a component, or one is chosen
    int editIndex_ = 0;     // the value panel edited in eingFeld; 0 while picking up to five
    bool picking_ = false;  // the picker is open for the parameter values
    QString pickerText_;    // werlab as the value entry shows it
    QRect pickerTextRect_;
};

}  // namespace volmira
