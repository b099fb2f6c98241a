#include "app/ui/editor_comforts.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "analysis/ui/value_entry_panel.h"
#include "app/hint_lines.h"
#include "app/status_texts.h"
#include "app/ui/hint_image.h"
#include "app/ui/status_line.h"
#include "app/ui/view_menu.h"
#include "app/workspace.h"
#include "platform/failure_handling.h"
#include "platform/qt_text.h"
#include "schematic/ui/component_label_marks.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/editor_controller.h"
#include "schematic/ui/symbol_toolbar.h"

namespace volmira {

EditorComforts::EditorComforts(QMainWindow& window, Workspace& workspace, DrawingView* view,
                               EditorController* editor, HintImage* hints,
                               ValueEntryPanel* valueEntry, QMenu* drawingMenu)
    : QObject(&window),
      ws_(workspace),
      view_(view),
      editor_(editor),
      hints_(hints),
      statusLine_(new StatusLine(&window)) {
    window.setStatusBar(statusLine_);
    const QList<QAction*> menus = window.menuBar()->actions();
    buildViewMenu(window.menuBar(), menus.value(menus.indexOf(drawingMenu->menuAction()) + 1),
                  view);

    connect(view, &DrawingView::moved, this,
            guardedSlot([this](QPoint pixel, Qt::MouseButtons) { showPointer(pixel); }));
    connect(view, &DrawingView::zoomChanged, statusLine_, &StatusLine::showZoom);
    connect(editor, &EditorController::note, statusLine_, &StatusLine::note);
    connect(editor, &EditorController::toolsSwitchedOff, this, guardedSlot([this] {
                showTool();
                hints_->showLines(hintLines(ws_.modes.workingMode()));
            }));
    // After the controller's own handling, which switches the other tools off first.
    connect(editor->toolbar(), &SymbolToolbar::lineChosen, this, guardedSlot([this] {
                showTool();
                hints_->showLines(lineToolHintLines());
            }));
    for (auto chosen : {&SymbolToolbar::rectangleChosen, &SymbolToolbar::nodeChosen})
        connect(editor->toolbar(), chosen, this, guardedSlot([this] { showTool(); }));

    connect(statusLine_->valuesBox(), &QCheckBox::toggled, this,
            guardedSlot([this](bool) { refreshLabels(); }));
    connect(valueEntry, &ValueEntryPanel::valuesConfirmed, this,
            guardedSlot([this](bool) { refreshLabels(); }));
    // Values as they are typed into the list.
    if (auto* list = valueEntry->findChild<QAbstractItemView*>("BtListe"))
        connect(list->model(), &QAbstractItemModel::dataChanged, this,
                guardedSlot([this](const auto&...) { refreshLabels(); }));
}

void EditorComforts::modeChanged(const QString& modeName) {
    statusLine_->showMode(modeName);
    showTool();
    refreshLabels();
}

void EditorComforts::networkAnalysed() {
    statusLine_->showCounts(qText(networkCountsText(ws_.calculation.network())));
}

void EditorComforts::drawingChanged() {
    if (!ws_.modes.selectable(kModeComponents)) statusLine_->showCounts({});
}

void EditorComforts::showPointer(QPoint pixel) {
    statusLine_->showCell(qText(cellText(cellAtPixel(GridPixel{pixel.x(), pixel.y()}))));
}

void EditorComforts::showTool() {
    const bool drawing = ws_.modes.workingMode() == kModeDrawing;
    statusLine_->showTool(drawing ? qText(toolText(editor_->editor())) : QString());
}

void EditorComforts::refreshLabels() {
    const int mode = ws_.modes.workingMode();
    const bool analysed =
        statusLine_->valuesBox()->isChecked() && ws_.modes.selectable(kModeComponents);
    const bool shown = analysed && (mode == kModeComponents || mode == kModeSingleFrequency);
    const Network& network = ws_.calculation.network();
    view_->setLabels(
        shown ? componentLabels({network.components.data(), std::size_t(network.componentCount)},
                                ws_.grid)
              : std::vector<DrawingView::Label>{});
    emit miniatureLabelsSwitched(analysed);
}

}  // namespace volmira
