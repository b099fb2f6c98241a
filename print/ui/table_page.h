#pragma once
// The composer's second notebook page ("Frequenztabelle "): the row slots `SzName1`..`SzName5`,
// the column slots `FgZ1`..`FgZ6` with the frequency field `FFeld`, the quantity `ElArtWahl`,
// "mit Phase", the miniature `Paint1` that picks the marked row's branch, and the note `Memo2`
// shown while the values are not confirmed.
#include <QWidget>
#include <array>

#include "print/table_parameters.h"
#include "print/ui/composer_context.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace volmira {

class TablePage : public QWidget {
    Q_OBJECT
  public:
    TablePage(TableParameters& parameters, ComposerContext& context, QWidget* parent);

    QPushButton* insertButton() const { return tabEinfuegen_; }
    // Memo2 over the miniature (values not confirmed), and the picture drawn anew.
    void showNote(bool note);
    void refresh();

  public slots:
    void SzName1MouseDown(int row);
    void FgZ1Click(int column);
    void ffeldExit();
    void DokLoeschen();
    // A click into Paint1 at (x, y): the marked row takes the branch there.
    void Paint1MouseDown(QPoint position);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TableParameters& parameters_;
    ComposerContext& context_;
    std::array<QLabel*, kTableRows> rowSlots_{};
    std::array<QLabel*, kTableColumns> columnSlots_{};
    QLineEdit* ffeld_;
    QComboBox* elArtWahl_;
    QCheckBox* phase_;
    QPushButton* tabEinfuegen_;
    QLabel* paint1_;
    QLabel* memo2_;
};

}  // namespace volmira
