#include "graphics/ui/large_view.h"

#include <QScrollArea>
#include <QScrollBar>

#include "graphics/graphic_state.h"
#include "graphics/sweep_window.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/locus_display.h"
#include "schematic/network_file.h"

namespace volmira {

namespace {

// The tool bars, the mode buttons, the side panel with the miniature, the parameter panel under
// the plot and the hint lines.
constexpr const char* kSurroundingPanels[] = {"Mauspal2",    "Werkzeugleiste", "wkmodpan",
                                              "tafel4Seite", "sbtafel2",       "prhbild"};

}  // namespace

LargeView::LargeView(GraphicPanel& panel, GraphicState& state, InputFields& fields)
    : panel_(panel), state_(state), fields_(fields) {}

QScrollArea* LargeView::frame() const {
    return panel_.window()->findChild<QScrollArea*>("Bild1Rahmen");
}

void LargeView::enter() {
    if (active_) return;
    active_ = true;
    // First, so that the scroll bar the new frame size moves does not move the window.
    state_.range.largeView = true;
    state_.range.set = false;
    savedVon_ = fields_.fqVon;
    savedBis_ = fields_.fqBis;
    for (const char* name : kSurroundingPanels)
        for (QWidget* w : panel_.window()->findChildren<QWidget*>(name))
            if (!w->isHidden()) {
                hidden_.emplace_back(w);
                w->hide();
            }
    if (QScrollArea* f = frame()) {
        frameMinimum_ = f->minimumSize();
        frameMaximum_ = f->maximumSize();
        framePolicy_ = f->horizontalScrollBarPolicy();
        const int border = 2 * f->frameWidth();
        f->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        f->setFixedSize(kPlotWidth + border, plotImageHeight(true) + border);
    }
    panel_.locus()->controls().setWindowSteps(kSweepLastPoint - 1);
    panel_.StartGraphic();
}

void LargeView::restoreLayout() {
    active_ = false;
    state_.range.largeView = false;
    state_.range.set = false;
    fields_.fqVon = savedVon_;
    fields_.fqBis = savedBis_;
    panel_.showBounds();
    for (const QPointer<QWidget>& w : hidden_)
        if (w) w->show();
    hidden_.clear();
    if (QScrollArea* f = frame()) {
        f->setHorizontalScrollBarPolicy(framePolicy_);
        f->setMinimumSize(frameMinimum_);
        f->setMaximumSize(frameMaximum_);
    }
    panel_.locus()->controls().setWindowSteps(kWindowSteps);
}

void LargeView::leave() {
    if (!active_) return;
    restoreLayout();
    panel_.StartGraphic();
}

void LargeView::abandon() {
    if (!active_) return;
    restoreLayout();
    ResetPlot(*state_.plot);
    panel_.redraw();
}

}  // namespace volmira
