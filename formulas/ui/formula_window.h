#pragma once
// `Tformel`, "Elektrotechnische Formelsammlung": pick a formula and its sought quantity, enter
// the known values, compute.
#include <QWidget>
#include <array>
#include <functional>

#include "formulas/formula_sheet.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTimer;

namespace volmira {

// How the window reports a failed computation (a message box unless replaced).
using FormulaMessageSink = std::function<void(QWidget* parent, const QString& text)>;

class Tformel : public QWidget {
    Q_OBJECT
  public:
    explicit Tformel(QWidget* parent = nullptr, FormulaMessageSink messages = {});

    const FormulaSheet& sheet() const { return sheet_; }

  public slots:
    void GroesseClick(int quantity);
    void BerechnenClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void RegisterChange(int index);
    void formeltimerTimer();
    void TabRegChange(int index);
    void VariantChange(int index);

    void showFormula();
    void showSought();
    void commitField(int field);
    void showHint(int field);
    void takeFieldTexts();

    FormulaSheet sheet_;
    FormulaMessageSink messages_;

    QTabBar* register_;
    QTabBar* tabReg_;
    QTabBar* variant_;
    std::array<QLabel*, kMaxFormulaQuantities> labels_{};
    std::array<QLineEdit*, kMaxFormulaQuantities> fields_{};
    QLineEdit* genau_;
    QPushButton* berechnen_;
    QLabel* fbild_;
    QLabel* ffe_;
    QLabel* hinw_;
    QTimer* formeltimer_;
};

// Shows the formula collection of `parent`, creating it the first time.
void openFormulaCollection(QWidget* parent, FormulaMessageSink messages = {});

}  // namespace volmira
