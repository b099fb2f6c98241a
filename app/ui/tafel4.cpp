#include "app/ui/tafel4.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/workspace.h"
#include "graphics/ui/characteristics_tools.h"
#include "graphics/ui/curve_tool_bar.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/parameter_panel.h"

namespace volmira {

Tafel4::Tafel4(Workspace& workspace, QWidget* parent)
    : ModePanel("tafel4", parent), ws_(workspace) {
    const SideColumn side = makeSideColumn("tafel4Seite", this, kSideWidth);
    side_ = side.frame;
    sideLayout_ = side.layout;

    hand_ = new QLabel(QString::fromUtf8("\u261B"), side_);
    hand_->setObjectName("hand");
    QFont font("DejaVu Sans");
    font.setPixelSize(34);
    hand_->setFont(font);
    hand_->setAlignment(Qt::AlignCenter);
    // Blinking must not move the controls below it.
    QSizePolicy policy = hand_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    hand_->setSizePolicy(policy);
    hand_->hide();
    sideLayout_->addWidget(hand_);

    graphic_ = new GraphicPanel(ws_.calculation, ws_.graphic, ws_.grid, ws_.fields, side_);
    new CharacteristicsTools(*graphic_, ws_.calculation, ws_.graphic);
    sideLayout_->addWidget(graphic_, 1);
    tools_ = new CurveToolBar(*graphic_, ws_.graphic, ws_.fields);

    // The curve area: tool bar, then y axis and frame side by side, then the readout.
    auto* curveArea = new QVBoxLayout;
    curveArea->setSpacing(4);
    curveArea->addWidget(graphic_->toolBar());
    auto* plotRow = new QHBoxLayout;
    plotRow->setSpacing(0);
    plotRow->addWidget(graphic_->yBlock(), 0, Qt::AlignTop);
    plotRow->addStretch(1);
    curveArea->addLayout(plotRow);
    curveArea->addWidget(graphic_->locusScroll());
    curveArea->addWidget(graphic_->readoutRow());
    curveArea->addStretch(1);
    curveArea_ = curveArea;

    QHBoxLayout* row = makePanelRow(this);
    row->addLayout(curveArea, 1);
    row->addWidget(side_);
    drawingSlot_ = plotRow;
    drawingPosition_ = 1;  // right of the y axis
}

void Tafel4::setPicker(E12Picker& picker) {
    // Under the readout, before the stretch.
    curveArea_->insertWidget(curveArea_->count() - 1, graphic_->buildParameterPanel(picker));
}

bool Tafel4::curveAvailable() const {
    return ws_.graphic.curveExists();
}

void Tafel4::modeChanged(const ModeSwitch& change) {
    if (change.to == kModeGraphic && change.from != kModeGraphic && !frame_) {
        frame_ = findChild<QScrollArea*>("Bild1Rahmen");
        if (!frame_) return;
        drawing_ = frame_->takeWidget();
        if (drawing_) {
            drawing_->setParent(this);
            drawing_->hide();
        }
        // Leaving the mode hid them by name.
        graphic_->toolBar()->show();
        graphic_->yBlock()->show();
        graphic_->attachFrame(frame_);
        graphic_->networkChanged();
    } else if (change.leaveGraphic && frame_) {
        tools_->modeLeft();
        graphic_->detachFrame();
        if (drawing_) frame_->setWidget(drawing_);
        frame_ = nullptr;
        drawing_ = nullptr;
    }
}

void Tafel4::networkReplaced(bool analysed) {
    graphic_->networkReplaced(analysed);
}

}  // namespace volmira
