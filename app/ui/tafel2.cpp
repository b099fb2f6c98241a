#include "app/ui/tafel2.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "analysis/ui/value_entry_panel.h"

namespace volmira {

Tafel2::Tafel2(QWidget* parent) : ModePanel("Tafel2", parent) {
    const SideColumn side = makeSideColumn("Tafel2Seite", this, kSideWidth);
    side_ = side.frame;
    sideLayout_ = side.layout;
    QHBoxLayout* row = makePanelRow(this);
    row->addWidget(side_);
    drawingSlot_ = row;
}

void Tafel2::setValueEntry(ValueEntryPanel* entry) {
    entry_ = entry;
    sideLayout_->addWidget(entry, 1);
}

void Tafel2::modeChanged(const ModeSwitch& change) {
    // Entering mode 3 repaints the drawing: the component mark goes with it.
    if (change.removeComponentMarks || change.redrawMarks) entry_->removeComponentMark();
    if (change.rebuildValueList) entry_->rebuildList();
}

void Tafel2::drawingPressed(QPoint pixel) {
    entry_->drawingPressed(pixel);
}

void Tafel2::drawingRepainted() {
    entry_->removeComponentMark();
}

void Tafel2::networkReplaced(bool analysed) {
    if (analysed) entry_->rebuildList();
}

}  // namespace volmira
