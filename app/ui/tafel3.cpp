#include "app/ui/tafel3.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "analysis/ui/probe_panel.h"
#include "analysis/ui/results_panel.h"

namespace volmira {

Tafel3::Tafel3(QWidget* parent) : ModePanel("Tafel3", parent) {
    // The card lies on its shadow, both placed by hand inside the column.
    column_ = new QWidget(this);
    column_->setFixedWidth(kSideWidth);
    sw6_ = new QFrame(column_);
    sw6_->setObjectName("sw6");
    sw6_->setStyleSheet("QFrame#sw6 { background: #8C8C8C; border: none; }");
    const SideColumn card = makeSideColumn("Tafel3Karte", column_, 0);
    card_ = card.frame;
    cardLayout_ = card.layout;
    card_->setAutoFillBackground(true);

    QHBoxLayout* row = makePanelRow(this);
    row->addWidget(column_);
    drawingSlot_ = row;
}

void Tafel3::resizeEvent(QResizeEvent* event) {
    ModePanel::resizeEvent(event);
    const int w = kSideWidth - kShadowOffset;
    const int h = column_->height() - kShadowOffset;
    card_->setGeometry(0, 0, w, h);
    sw6_->setGeometry(kShadowOffset, kShadowOffset, w, h);
    sw6_->lower();
}

void Tafel3::setResults(ResultsPanel* results) {
    results_ = results;
    cardLayout_->addWidget(results, 1);
}

void Tafel3::setProbe(ProbePanel* probe) {
    probe_ = probe;
    cardLayout_->addWidget(probe);
}

void Tafel3::modeChanged(const ModeSwitch& change) {
    if (change.to != kModeSingleFrequency) probe_->reset();
    if (change.leaveGraphic) results_->reformatInputFields();
    if (change.calculate) results_->calculate();
    if (change.redrawMarks) results_->redrawMarks();
}

void Tafel3::drawingPressed(QPoint pixel) {
    if (probe_->active())
        probe_->drawingPressed(pixel);
    else
        results_->drawingPressed(pixel);
}

void Tafel3::drawingRepainted() {
    results_->removeBranchMark();
}

void Tafel3::networkReplaced(bool analysed) {
    probe_->reset();
    if (analysed)
        results_->networkAnalysed();
    else
        results_->showInputFields();
}

}  // namespace volmira
