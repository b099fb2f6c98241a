#pragma once
// The curve plot on screen: `Bild1` (one pixel column per point, inside the scroll box
// `Bild1Rahmen`) and `ybild`, the y axis beside it. Both paint the same laid-out plot; the
// readout line `darlinie`, the y-scaling marker `ytmark` and its ellipse `ell` are marks
// painted on top.
#include <QWidget>
#include <functional>
#include <optional>

#include "graphics/curve_plot.h"
#include "graphics/ui/model_image.h"

class QPainter;

namespace volmira {

// The y-scaling marker: a band across the plot from `top`, `height` rows high.
struct ScaleMarker {
    int top = 0;
    int height = 0;
    bool operator==(const ScaleMarker&) const = default;
};

class CurveView : public QWidget {
    Q_OBJECT
  public:
    explicit CurveView(QWidget* parent = nullptr);

    // The plot painted; the model must outlive the view or be replaced.
    void setModel(const CurvePlotModel* model);
    void setReadoutColumn(std::optional<int> column);
    std::optional<int> readoutColumn() const { return readoutColumn_; }
    void setMarker(std::optional<ScaleMarker> marker);
    std::optional<ScaleMarker> marker() const { return marker_; }
    // Painted over the curves and under the marks (curve memories, burnt-in images); empty for
    // none.
    using Overlay = std::function<void(QPainter&, const CurvePlotModel&)>;
    void setOverlay(Overlay overlay);

  signals:
    void mouseMoved(QPoint pixel);
    void pressed(QPoint pixel);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const CurvePlotModel* model_ = nullptr;
    ModelImage background_;
    std::optional<int> readoutColumn_;
    std::optional<ScaleMarker> marker_;
    Overlay overlay_;
};

class YAxisView : public QWidget {
    Q_OBJECT
  public:
    explicit YAxisView(QWidget* parent = nullptr);

    // Takes the model's width (yblock follows it).
    void setModel(const CurvePlotModel* model);
    // `ell`, shown while the y-scaling marker is.
    void setEllipseShown(bool shown);

  signals:
    void mouseMoved(QPoint pixel);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    const CurvePlotModel* model_ = nullptr;
    bool ellipse_ = false;
};

}  // namespace volmira
