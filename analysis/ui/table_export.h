#pragma once
// "Tabelle exportieren …": the all-branch table of the last calculation as German CSV.
#include <QPushButton>

namespace volmira {

class Calculation;

class TableExportButton : public QPushButton {
    Q_OBJECT
  public:
    TableExportButton(const Calculation& calculation, QWidget* parent = nullptr);

    void exportTable();

  private:
    const Calculation& calculation_;
};

}  // namespace volmira
