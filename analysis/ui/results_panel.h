#pragma once
// The single-frequency results (the content of `Tafel3`): the inputs `FqEinzel` and `SpEingabe`,
// the DC button `Gleichspg`, the eleven result fields `Elfeld0`..`Elfeld10`, the calculation
// behind them, and the branch chosen by a click into the drawing with its cyan mark.
#include <QWidget>
#include <array>

#include "analysis/quantities.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace volmira {

class CalculationModel;
class DecimalFieldFilter;
class DrawingView;

class ResultsPanel : public QWidget {
    Q_OBJECT
  public:
    // Shows the selected branch after every solve of the model.
    ResultsPanel(CalculationModel& model, DrawingView& drawing, QWidget* parent = nullptr);
    ~ResultsPanel() override;

    QLineEdit* field(int slot) const { return fields_[std::size_t(slot)]; }  // Elfeld<slot>
    QLabel* caption(int slot) const { return captions_[std::size_t(slot)]; }
    QLineEdit* frequencyField() const { return frequency_; }  // FqEinzel
    QLineEdit* voltageField() const { return voltage_; }      // SpEingabe
    QPushButton* dcButton() const { return dcButton_; }       // Gleichspg

    // The branch whose quantities are shown (1 after the values are confirmed).
    int selectedBranch() const { return selected_; }
    int markedBranch() const { return marked_; }
    // Solves run so far (a click on a branch runs none).
    int solveCount() const { return solveCount_; }
    // The display-digits setting (0 = as many as there are, shown with 9).
    void setDisplayDigits(int digits) { displayDigits_ = digits; }

  public slots:
    // After an analysis: `Gleichspg` only for networks without capacitors and inductors; the
    // old branch mark belongs to the old network.
    void networkAnalysed();
    // The values were confirmed: branch 1, f and Ue from the fields, the first calculation.
    void calculateAfterConfirmation();
    // Calculate: solve, record every branch, mark and show the selected branch.
    void calculate();
    // A press on the drawing in single-frequency mode: a branch cell or a component cell selects
    // that branch; its values come from the table of the last calculation.
    void drawingPressed(QPoint pixel);
    // Paints the drawing (the source as AC or DC source by the accepted frequency) and marks the
    // selected branch, without solving (entering mode 3 when no calculation is due).
    void redrawMarks();
    // Leaving single-frequency mode: the branch mark goes from the drawing.
    void removeBranchMark();
    // The input fields of the model were replaced (new network, file loaded).
    void showInputFields();
    // Leaving the graphic mode: the two fields are written again by the value formatter.
    void reformatInputFields();
    // A field typed into and not accepted yet (a button that takes no focus was pressed) is
    // accepted now, so that the model holds what the fields show.
    void acceptPendingInputs();

    // Handlers: a field is accepted (Enter or leaving it), the DC button.
    void ParFeldExit(QLineEdit* field);
    void GleichSpgClick();

  signals:
    // The DC button: modes up to the single-frequency mode, and that mode.
    void singleFrequencyRequested();

  private:
    // The user typed a text into the field that the model does not hold yet.
    bool fieldPending(const QLineEdit* field) const;
    void acceptFrequency(bool calculateAfterwards);
    void acceptVoltage();
    void markBranch(int branch);
    void showSelected();
    void clearFields();
    bool graphicModeActive() const;
    void showMessage(const QString& text);

    CalculationModel& model_;
    DrawingView& drawing_;
    int selected_ = 1;
    int marked_ = 0;
    int solveCount_ = 0;
    int displayDigits_ = 5;
    bool confirming_ = false;

    std::array<QLineEdit*, kQuantityCount> fields_{};
    std::array<QLabel*, kQuantityCount> captions_{};
    QLineEdit* frequency_;
    QLineEdit* voltage_;
    QPushButton* dcButton_;
    DecimalFieldFilter* inputFilter_;
};

}  // namespace volmira
