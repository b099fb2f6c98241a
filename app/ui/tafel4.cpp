#include "app/ui/tafel4.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace volmira {

Tafel4::Tafel4(QWidget* parent) : ModePanel("tafel4", parent) {
    const SideColumn side = makeSideColumn("tafel4Seite", this, kSideWidth);
    side_ = side.frame;
    sideLayout_ = side.layout;

    hand_ = new QLabel(QString::fromUtf8("\u261B"), side_);
    hand_->setObjectName("hand");
    QFont font("DejaVu Sans");
    font.setPixelSize(34);
    hand_->setFont(font);
    hand_->setAlignment(Qt::AlignCenter);
    hand_->hide();
    sideLayout_->addWidget(hand_);
    sideLayout_->addStretch(1);

    QHBoxLayout* row = makePanelRow(this);
    row->addWidget(side_);
    drawingSlot_ = row;
    drawingPosition_ = 0;  // the curve left of the side panel
}

}  // namespace volmira
