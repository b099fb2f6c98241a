#pragma once
// "Pol-/Nullstellen": the poles and zeros of Ue -> the branch's voltage or current, as a plot of
// the s-plane (1/s) and as a list in Hz with damping and Q of each pair.
#include <QWidget>

#include "analysis/poles_zeros.h"
#include "graphics/pole_zero_plot.h"

class QLabel;
class QRadioButton;
class QTableWidget;

namespace volmira {

class PoleZeroPlotView : public QWidget {
    Q_OBJECT
  public:
    explicit PoleZeroPlotView(QWidget* parent = nullptr);
    void setResult(const PolesAndZeros& result);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    PolesAndZeros result_;
    PoleZeroPlotModel model_;
};

class PoleZeroWindow : public QWidget {
    Q_OBJECT
  public:
    explicit PoleZeroWindow(QWidget* parent = nullptr);

    // Computes both transfer functions of branch k and shows the chosen one.
    void showBranch(const Network& network, int branch);
    const QTableWidget* table() const { return table_; }

  private:
    void showChosen();

    PolesAndZeros voltage_;
    PolesAndZeros current_;
    int branch_ = 0;
    QLabel* title_;
    QRadioButton* voltageChoice_;
    QRadioButton* currentChoice_;
    PoleZeroPlotView* plot_;
    QTableWidget* table_;
    QLabel* note_;
};

}  // namespace volmira
