#pragma once
// The calculation mode's menu "Berechnung" for the branch chosen in the single-frequency
// results: its "Kennwerte" over the sweep limits FqVon..FqBis, for the quantity the graphic
// mode's selector holds, and its poles and zeros.
#include <QObject>

class QMenu;
class QWidget;

namespace volmira {

class CharacteristicsPanel;
class PoleZeroWindow;
class ResultsPanel;
struct Workspace;

class BranchTools : public QObject {
    Q_OBJECT
  public:
    // Fills `menu`; the panels are tool windows of `window`.
    BranchTools(QMenu& menu, Workspace& workspace, const ResultsPanel& results, QWidget& window);

    CharacteristicsPanel* characteristicsPanel() const { return panel_; }
    PoleZeroWindow* poleZeroWindow() const { return poles_; }

  public slots:
    void KennwerteClick();
    void PolNullClick();

  private:
    Workspace& ws_;
    const ResultsPanel& results_;
    QWidget& window_;
    CharacteristicsPanel* panel_;
    PoleZeroWindow* poles_;
};

}  // namespace volmira
