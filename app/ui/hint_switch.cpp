#include "app/ui/hint_switch.h"

#include <QCoreApplication>
#include <QEvent>

namespace volmira {

HintSwitch::HintSwitch(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (!on_ && event->type() == QEvent::ToolTip) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace volmira
