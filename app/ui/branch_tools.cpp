#include "app/ui/branch_tools.h"

#include <QMenu>

#include "analysis/ui/results_panel.h"
#include "app/workspace.h"
#include "graphics/range_frequencies.h"
#include "graphics/ui/characteristics_panel.h"
#include "graphics/ui/pole_zero_window.h"
#include "platform/dialogs.h"
#include "platform/qt_text.h"

namespace volmira {

BranchTools::BranchTools(QMenu& menu, Workspace& workspace, const ResultsPanel& results,
                         QWidget& window)
    : QObject(&menu),
      ws_(workspace),
      results_(results),
      window_(window),
      panel_(new CharacteristicsPanel(&window)),
      poles_(new PoleZeroWindow(&window)) {
    QAction* values = menu.addAction(QStringLiteral("Kennwerte des Zweigs"));
    values->setObjectName("Kennwerte1");
    connect(values, &QAction::triggered, this, &BranchTools::KennwerteClick);
    QAction* poles = menu.addAction(QStringLiteral("Pol-/Nullstellen des Zweigs"));
    poles->setObjectName("PolNull1");
    connect(poles, &QAction::triggered, this, &BranchTools::PolNullClick);
}

void BranchTools::KennwerteClick() {
    const int branch = results_.selectedBranch();
    const RangeCharacteristics found =
        userRangeCharacteristics(ws_.calculation, ws_.fields, branch, ws_.graphic.button);
    if (!found.refusal.empty()) dialogs().information(&window_, qText(found.refusal));
    if (!found.values) return;
    panel_->showValues(*found.values, branch);
    panel_->show();
    panel_->raise();
}

void BranchTools::PolNullClick() {
    if (!ws_.calculation.valuesConfirmed()) return;
    poles_->showBranch(ws_.calculation.network(), results_.selectedBranch());
    poles_->show();
    poles_->raise();
}

}  // namespace volmira
