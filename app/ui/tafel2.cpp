#include "app/ui/tafel2.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace volmira {

Tafel2::Tafel2(QWidget* parent) : ModePanel("Tafel2", parent) {
    const SideColumn side = makeSideColumn("Tafel2Seite", this, kSideWidth);
    side_ = side.frame;
    sideLayout_ = side.layout;
    QHBoxLayout* row = makePanelRow(this);
    row->addWidget(side_);
    drawingSlot_ = row;
}

}  // namespace volmira
