#include "graphics/ui/model_image.h"

#include <QPainter>

namespace volmira {

const QImage& ModelImage::of(const CurvePlotModel& model, QSize size, qreal pixelRatio) {
    if (paintedFrom_ && same_(*paintedFrom_, model) && size == size_ && pixelRatio == pixelRatio_)
        return image_;
    image_ = QImage(size * pixelRatio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(pixelRatio);
    QPainter painter(&image_);
    paint_(painter, model);
    paintedFrom_ = model;
    size_ = size;
    pixelRatio_ = pixelRatio;
    return image_;
}

}  // namespace volmira
