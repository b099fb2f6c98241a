#pragma once
// "Spannung messen" in the single-frequency mode: the button `SpannungMessen` switches the probe
// on; then a click on a point of the drawing and a click on another show the voltage between
// them (magnitude, phase and dB against Ue) in `SondeAnzeige`. With ground marks every first
// click already shows that point's voltage to ground. The chosen points carry the cyan mark.
#include <QWidget>

#include "analysis/voltage_probe.h"

class QLabel;
class QPushButton;

namespace volmira {

class Calculation;
class DrawingView;

class ProbePanel : public QWidget {
    Q_OBJECT
  public:
    ProbePanel(const Calculation& calculation, DrawingView& drawing, QWidget* parent = nullptr);

    bool active() const;
    QPushButton* button() const { return button_; }
    QLabel* readout() const { return readout_; }
    void setDisplayDigits(int digits) { digits_ = digits; }

    // A press on the drawing while the probe is on (image pixels).
    void drawingPressed(QPoint pixel);
    // Off, points and readout gone: leaving the mode, a new network, a new calculation.
    void reset();

  private:
    void switched(bool on);
    void showPrompt();
    QString atFrequency() const;

    const Calculation& calculation_;
    DrawingView& drawing_;
    QPushButton* button_;
    QLabel* readout_;
    int digits_ = 5;
    std::optional<GridCell> first_;
    std::complex<double> firstPotential_;
};

}  // namespace volmira
