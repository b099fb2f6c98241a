#pragma once
// "Kennwerte": the small panel that lists the characteristic values of a curve, one row per
// value with its frequency where it has one.
#include <QFrame>

#include "graphics/characteristic_values.h"

class QLabel;
class QTableWidget;

namespace volmira {

class CharacteristicsPanel : public QFrame {
    Q_OBJECT
  public:
    explicit CharacteristicsPanel(QWidget* parent = nullptr);

    void showValues(const CharacteristicValues& values, int branch);
    const QTableWidget* table() const { return table_; }

  private:
    QLabel* title_;
    QLabel* note_;
    QTableWidget* table_;
};

}  // namespace volmira
