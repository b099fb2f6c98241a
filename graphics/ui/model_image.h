#pragma once
// A layer of the curve plot kept as an image between paints: painted anew only when the model
// would paint it differently, so that a sweep of another branch or a moving readout line does
// not paint the frequency axis again.
#include <QImage>
#include <optional>

#include "graphics/curve_plot.h"

class QPainter;

namespace volmira {

class ModelImage {
  public:
    using Same = bool (*)(const CurvePlotModel&, const CurvePlotModel&);
    using Paint = void (*)(QPainter&, const CurvePlotModel&);
    ModelImage(Same same, Paint paint) : same_(same), paint_(paint) {}

    // The layer of `model`, `size` logical pixels at the device's pixel ratio.
    const QImage& of(const CurvePlotModel& model, QSize size, qreal pixelRatio);

  private:
    Same same_;
    Paint paint_;
    std::optional<CurvePlotModel> paintedFrom_;
    QSize size_;
    qreal pixelRatio_ = 0;
    QImage image_;
};

}  // namespace volmira
