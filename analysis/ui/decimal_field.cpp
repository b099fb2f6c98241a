#include "analysis/ui/decimal_field.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace volmira {

void DecimalFieldFilter::watch(QLineEdit* field) {
    field->installEventFilter(this);
}

bool DecimalFieldFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return false;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QStringLiteral(".")) {
            field->insert(QStringLiteral(","));
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit accepted(field);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        emit accepted(field);
    }
    return false;
}

}  // namespace volmira
