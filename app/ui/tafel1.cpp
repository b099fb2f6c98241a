#include "app/ui/tafel1.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "schematic/ui/editor_controller.h"

namespace volmira {

namespace {

// A magnifier over a small wire corner: "Netzwerk prüfen".
QIcon checkIcon() {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(3, 6, 12, 6);
    p.drawLine(3, 6, 3, 18);
    p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
    p.drawEllipse(QPointF(13, 11), 6, 6);
    p.drawLine(QPointF(17.5, 15.5), QPointF(22, 20));
    return QIcon(pixmap);
}

}  // namespace

Tafel1::Tafel1(QWidget* parent) : ModePanel("tafel1", parent) {
    mausPal1_ = makeSidePanel("MausPal1", this);
    mausPal1_->setFixedHeight(40);
    toolbarLayout_ = new QHBoxLayout(mausPal1_);
    toolbarLayout_->setContentsMargins(4, 3, 4, 3);
    toolbarLayout_->setSpacing(2);
    toolbarLayout_->addStretch(1);

    schbcheck_ = new QToolButton(this);
    schbcheck_->setObjectName("Schbcheck");
    schbcheck_->setToolTip("Netzwerk prüfen");
    schbcheck_->setIcon(checkIcon());
    schbcheck_->setIconSize(QSize(24, 24));
    schbcheck_->setFixedSize(40, 40);

    analys_ = new QPushButton("Analyse", this);
    analys_->setObjectName("analys");
    analys_->setToolTip("wenn Schaltbild fertig");
    QFont bold = analys_->font();
    bold.setBold(true);
    analys_->setFont(bold);
    analys_->setFixedSize(120, 40);

    mausPalSenk_ = makeSidePanel("MausPalSenk", this);
    mausPalSenk_->setFixedWidth(44);
    sideBarLayout_ = new QVBoxLayout(mausPalSenk_);
    sideBarLayout_->setContentsMargins(3, 4, 3, 4);
    sideBarLayout_->setSpacing(4);
    sideBarLayout_->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(mausPal1_, 1);
    top->addWidget(schbcheck_);
    top->addWidget(analys_);

    drawingSlot_ = new QHBoxLayout;
    drawingSlot_->setSpacing(6);
    drawingSlot_->addWidget(mausPalSenk_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addLayout(drawingSlot_, 1);
}

void Tafel1::modeChanged(const ModeSwitch& change) {
    if (change.resetDrawingTool) editor_->resetTool();
}

}  // namespace volmira
