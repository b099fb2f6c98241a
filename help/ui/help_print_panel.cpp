#include "help/ui/help_print_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "help/help_pages.h"
#include "platform/dialogs.h"
#include "platform/failure_handling.h"

namespace volmira {

HelpPrintPanel::HelpPrintPanel(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("HilfDruck");
    setWindowTitle(QStringLiteral("Hilfethemen ausdrucken"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 8, 10, 8);
    auto* label = new QLabel(QStringLiteral("Hilfeseiten drucken:"), this);
    label->setObjectName("HilfDruckText");
    grid->addWidget(label, 0, 0, 1, 4);
    auto pageBox = [this](const char* name, int value) {
        auto* box = new QSpinBox(this);
        box->setObjectName(name);
        box->setRange(1, kTopicPageCount);
        box->setValue(value);
        return box;
    };
    von_ = pageBox("DruckVon", 1);
    bis_ = pageBox("DruckBis", kTopicPageCount);
    grid->addWidget(new QLabel(QStringLiteral("von Seite"), this), 1, 0);
    grid->addWidget(von_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("bis Seite"), this), 1, 2);
    grid->addWidget(bis_, 1, 3);
    auto* ok = new QPushButton(QStringLiteral("Drucken"), this);
    ok->setObjectName("HilfDruckOK");
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName("HilfDruckAbbruch");
    grid->addWidget(ok, 2, 0, 1, 2);
    grid->addWidget(cancel, 2, 2, 1, 2);
    connect(ok, &QPushButton::clicked, this,
            handlerSlot(progress::kHelp, [this](bool) { HilfDruckOKClick(); }));
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
}

void HelpPrintPanel::HilfDruckOKClick() {
    if (von_->value() > bis_->value()) {
        dialogs().error(this, QStringLiteral("Die erste Seite liegt hinter der letzten!"));
        return;
    }
    if (!printer_ || !printer_(von_->value(), bis_->value())) {
        dialogs().error(this, QStringLiteral("Druckerproblem! (nicht angeschlossen?)"));
        return;
    }
    hide();
}

}  // namespace volmira
