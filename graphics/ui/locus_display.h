#pragma once
// The locus plot on screen: canvases laid over the curve image Bild1 and the y axis ybild that
// paint the locus instead of the curve while "Ortskurve" is chosen, the locus controls, and the
// bounds and laid-out plot they show. The graphic mode hands it the store to draw.
#include <QObject>
#include <QWidget>

#include "graphics/curve_memory.h"
#include "graphics/locus_plot.h"
#include "graphics/ui/locus_controls.h"

namespace volmira {

// Paints the locus plot (Bild1) or its imaginary axis (ybild) over the whole of its parent.
class LocusCanvas : public QWidget {
    Q_OBJECT
  public:
    enum class Part { Plot, ImaginaryAxis };
    LocusCanvas(Part part, QWidget* parent);
    void setModel(const LocusPlotModel* model);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Part part_;
    const LocusPlotModel* model_ = nullptr;
};

// What a locus drawing shows besides the store: the window, the quantity and the curves.
struct LocusChoice {
    int button = 1;
    int curveCount = 1;
    int selectedCurve = 1;
};

class LocusDisplay : public QObject {
    Q_OBJECT
  public:
    LocusDisplay(QWidget* side, QWidget* plotImage, QWidget* yAxisImage);

    LocusControls& controls() { return controls_; }
    bool active() const { return controls_.locusMode(); }
    // OrtClick / AchseClick as far as the display goes: canvases and pointer controls.
    void showLocusView(bool on);

    LocusBounds& bounds() { return bounds_; }
    const LocusPlotModel& model() const { return model_; }
    // The recalled curve memory (AusSpei down), or none: it takes part in every rebuild of the
    // bounds and is drawn over the curves.
    void setRecalled(const CurveMemory* memory) { recalled_ = memory; }
    // Rebuild from the store: the bounds (and the quantity's extremes) anew.
    void rebuildBounds(PlotState& plot, const SweepRange& range, int button, int curveCount);
    // Axes, curves and pointer at the present bounds (also while a sweep widens them).
    void draw(const PlotState& plot, const SweepRange& range, const LocusChoice& choice);

  signals:
    // The pointer stands on this solved point (the readout follows), or on none (0).
    void pointerPlaced(int point);

  private:
    void placePointer();

    LocusControls controls_;
    LocusCanvas* plotCanvas_;
    LocusCanvas* axisCanvas_;
    LocusBounds bounds_;
    LocusPlotModel model_;
    const CurveMemory* recalled_ = nullptr;
    const PlotState* plot_ = nullptr;
    const SweepRange* range_ = nullptr;
    LocusChoice choice_;
};

}  // namespace volmira
