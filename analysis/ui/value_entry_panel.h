#pragma once
// Component-value entry (the content of `Tafel2`): the value list `BtListe`, the buttons `E12Ein`
// and `BtOK`, the component mark in the drawing and the E12 picker's component side.
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QWidget>

#include "analysis/e12_table.h"

class QFrame;
class QPushButton;

namespace volmira {

class CalculationModel;
class DrawingView;
class E12Picker;

// The cell editor's keys: a typed "." becomes ","; Enter and the cursor keys up and down end
// the edit and are reported, so that the row is stored.
class ValueEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  signals:
    // Every key pressed in the editor, after the "." was turned into ",".
    void keyDown(int key);

  protected:
    bool eventFilter(QObject* editor, QEvent* event) override;
};

// `BtListe`: two columns, the component's name and its value text, one row per component.
class ValueList : public QTableWidget {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 19;

    explicit ValueList(QWidget* parent = nullptr);
    // Ends an open cell edit, keeping what was typed.
    void commitOpenEditor();

  signals:
    void keyDown(int key);  // a key pressed on the list itself (no editor open)
    void pressed();         // a mouse press on the list, before the current cell moves

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

class ValueEntryPanel : public QWidget {
    Q_OBJECT
  public:
    // The drawing `Bild1` carries the component mark; the picker is shared with the parameter
    // mode, which listens to it on its own.
    ValueEntryPanel(CalculationModel& model, DrawingView& drawing, E12Picker& picker,
                    QWidget* parent = nullptr);

    ValueList* list() const { return list_; }
    QPushButton* confirmButton() const { return confirm_; }
    QPushButton* pickerButton() const { return pickerButton_; }
    int markedComponent() const { return marked_; }
    // The red frame that flashes over a cell filled from the picker.
    QFrame* flashFrame() const { return flash_; }

  public slots:
    // Fills `BtListe` from the network's components (after an analysis, on entering mode 2).
    void rebuildList();
    // Reads the row's value text into its component (1-based: row + 1), writes the stored text
    // back. A text that does not convert is reported and not stored; returns false then.
    bool storeRow(int row);
    // The cyan frame around a component in the drawing (0 removes it); an open picker shows the
    // component's table.
    void highlightComponent(int component);
    // Leaving component entry: the mark goes from the drawing.
    void removeComponentMark();
    // A press on the drawing in component-entry mode: stores the edited row, then selects the
    // component under the pointer.
    void drawingPressed(QPoint pixel);

    // Handlers of the list and the buttons.
    // A key on the list or in its editor: Enter, cursor up and down store the current row.
    void TasteDownBtWertefeld(int key);
    void BtListeMouseDown();
    void BtListeSelectCell(int row);
    void E12EinClick();
    void pickerCellClicked(E12Kind kind, int column, int row, double value);
    // "Bauteileingabe OK": false when the values were refused.
    bool BauteilOkayClick();

  signals:
    // Values were edited while the graphic mode is active: modes 3 and 4 stay unavailable until
    // the values are confirmed again.
    void resultModesWithdrawn();
    // The values are confirmed and summed per branch (`wereConfirmed`: they were before, so the
    // graphic mode keeps its modes); the modes follow and the first calculation is due.
    void valuesConfirmed(bool wereConfirmed);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void layoutChildren();
    int currentComponent() const;
    void flashCell(int row);
    void showMessage(const std::string& text);

    CalculationModel& model_;
    DrawingView& drawing_;
    E12Picker& picker_;
    int marked_ = 0;
    ValueList* list_;
    QPushButton* pickerButton_;
    QPushButton* confirm_;
    QFrame* flash_;
    bool writingCell_ = false;
};

}  // namespace volmira
