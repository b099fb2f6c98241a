#pragma once
// Numeric input fields (`FqEinzel`, `SpEingabe`, and the sweep range fields): a typed "." becomes
// ",", Enter accepts the field and is swallowed, leaving the field accepts it too.
#include <QObject>

class QLineEdit;

namespace volmira {

class DecimalFieldFilter : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    // Watches the field; `accepted` reports it.
    void watch(QLineEdit* field);

  signals:
    void accepted(QLineEdit* field);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace volmira
