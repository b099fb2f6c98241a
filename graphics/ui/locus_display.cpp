#include "graphics/ui/locus_display.h"

#include <QEvent>
#include <QPainter>

#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/locus_plot_painter.h"

namespace volmira {

LocusCanvas::LocusCanvas(Part part, QWidget* parent) : QWidget(parent), part_(part) {
    setObjectName(part == Part::Plot ? "OrtBild" : "OrtAchse");
    parent->installEventFilter(this);
    setGeometry(parent->rect());
    // The pointer, not the mouse, chooses the point read out in the locus plot.
    setAttribute(Qt::WA_NoMousePropagation);
    hide();
}

void LocusCanvas::setModel(const LocusPlotModel* model) {
    model_ = model;
    update();
}

void LocusCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!model_) return;
    if (part_ == Part::Plot)
        paintLocusPlot(painter, *model_);
    else
        paintLocusYAxis(painter, *model_);
}

// The canvas keeps the size of what it covers.
bool LocusCanvas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}

LocusDisplay::LocusDisplay(QWidget* side, QWidget* plotImage, QWidget* yAxisImage)
    : QObject(side),
      controls_(side, plotImage),
      plotCanvas_(new LocusCanvas(LocusCanvas::Part::Plot, plotImage)),
      axisCanvas_(new LocusCanvas(LocusCanvas::Part::ImaginaryAxis, yAxisImage)) {
    connect(&controls_, &LocusControls::pointerMoved, this, [this] { placePointer(); });
}

void LocusDisplay::showLocusView(bool on) {
    plotCanvas_->setVisible(on);
    axisCanvas_->setVisible(on);
    if (on) {
        plotCanvas_->raise();
        axisCanvas_->raise();
    }
    controls_.showLocusView(on);
}

void LocusDisplay::rebuildBounds(PlotState& plot, const SweepRange& range, int button,
                                 int curveCount) {
    bounds_ = RebuildFromStore(plot, range, button, curveCount);
    if (recalled_) widenLocusBounds(bounds_, locusRow(*recalled_, button), range);
}

void LocusDisplay::draw(const PlotState& plot, const SweepRange& range, const LocusChoice& choice) {
    plot_ = &plot;
    range_ = &range;
    choice_ = choice;
    const LocusView view{range, choice.button, choice.curveCount, choice.selectedCurve,
                         controls_.pointerPosition()};
    model_ = DrawLocusPlot(plot, bounds_, view, plotTextWidth(), locusRealTextWidth());
    if (recalled_ && model_.scale.drawable())
        model_.recalled = locusLine(locusRow(*recalled_, choice.button), model_.scale, range);
    plotCanvas_->setModel(&model_);
    axisCanvas_->setModel(&model_);
    placePointer();
}

void LocusDisplay::placePointer() {
    if (!plot_ || !range_) return;
    const LocusView view{*range_, choice_.button, choice_.curveCount, choice_.selectedCurve,
                         controls_.pointerPosition()};
    model_.pointer = PlaceLocusPointer(*plot_, model_.scale, view);
    controls_.showPointer(active() ? model_.pointer : LocusPointer{});
    emit pointerPlaced(model_.pointer.visible ? model_.pointer.point : 0);
}

}  // namespace volmira
