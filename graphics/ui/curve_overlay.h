#pragma once
// The memories laid over `Bild1`: the image memory in fuchsia and the stored curve in lime,
// painted on top of the plot and letting the mouse through to it.
#include <QWidget>
#include <vector>

#include "graphics/curve_plot.h"

namespace volmira {

class CurveOverlay : public QWidget {
    Q_OBJECT
  public:
    // Covers `plot` and follows its size.
    explicit CurveOverlay(QWidget* plot);

    // Empty lines are not drawn.
    void setLines(std::vector<PlotPoint> image, std::vector<PlotPoint> memory, int penWidth);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<PlotPoint> image_;
    std::vector<PlotPoint> memory_;
    int penWidth_ = 1;
};

}  // namespace volmira
