#include "app/ui/view_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "schematic/drawing_zoom.h"
#include "schematic/ui/drawing_view.h"

namespace volmira {

QMenu* buildViewMenu(QMenuBar* bar, QAction* before, DrawingView* view) {
    auto* menu = new QMenu("&Ansicht", bar);
    menu->setObjectName("Ansicht");
    bar->insertMenu(before, menu);
    const auto entry = [&](const char* name, const QString& text, QList<QKeySequence> keys,
                           int (*zoom)(int)) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        a->setShortcuts(keys);
        QObject::connect(a, &QAction::triggered, view,
                         [view, zoom] { view->setZoom(zoom(view->zoom())); });
    };
    // Ctrl + "=" too: on many keyboards "+" needs the shift key.
    entry("Vergroessern", "Vergrößern",
          {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
          zoomedIn);
    entry("Verkleinern", "Verkleinern", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, zoomedOut);
    entry("Zoom100", "Zoom 100 %", {QKeySequence(Qt::CTRL | Qt::Key_0)},
          [](int) { return kFullSize; });
    return menu;
}

}  // namespace volmira
