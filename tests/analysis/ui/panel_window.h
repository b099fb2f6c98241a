#pragma once
// The value entry and the single-frequency results beside an analysed test drawing, in one
// window and connected the way the main window connects them, for the window tests.
#include <QApplication>
#include <QList>
#include <QPair>
#include <QPoint>
#include <QTest>
#include <memory>

#include "analysis/ui/e12_picker.h"
#include "analysis/ui/results_panel.h"
#include "analysis/ui/value_entry_panel.h"
#include "app/ui/scripted_dialogs.h"
#include "app/workspace.h"
#include "schematic/grid.h"
#include "schematic/symbol_list.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/glyph_painter.h"

namespace volmira::test {

// The middle pixel of a grid cell in the drawing image.
inline QPoint cellCentre(int column, int row) {
    const GridPixel corner = cellBoxTopLeft({column, row});
    return {corner.x + kPixelsPerCell / 2, corner.y + kPixelsPerCell / 2};
}

// The component with this name ("R 1"), 0 when there is none.
inline int componentNumber(const Network& network, std::string_view name) {
    for (int k = 1; k <= network.componentCount; ++k)
        if (network.component(k).name == name) return k;
    return 0;
}

struct PanelWindow {
    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    std::unique_ptr<QWidget> host = std::make_unique<QWidget>();
    DrawingView* bild1 = new DrawingView(host.get());
    E12Picker* picker = new E12Picker(host.get());
    ValueEntryPanel* entry = new ValueEntryPanel(*ws, *bild1, *picker, host.get());
    ResultsPanel* results = new ResultsPanel(*ws, *bild1, host.get());
    QList<QPair<int, int>> modeRequests;  // (level, mode) asked for by the panels

    const Network& network() const { return ws->calculation.network(); }
    // Information and error texts shown so far, in order.
    QStringList messages() const {
        QStringList texts;
        for (const auto& call : dialogs->calls)
            if (call.kind == ScriptedDialogs::Kind::Information ||
                call.kind == ScriptedDialogs::Kind::Error)
                texts << call.text;
        return texts;
    }

    PanelWindow() {
        dialogs = &ScriptedDialogs::install();
        host->resize(1200, 760);
        bild1->move(280, 0);
        entry->setGeometry(0, 0, 270, 200);
        results->setGeometry(0, 200, 270, 460);
        auto enable = [this](int level, int mode) {
            modeRequests << qMakePair(level, mode);
            ws->modes.enable(level, mode);
        };
        QObject::connect(entry, &ValueEntryPanel::modesRequested, host.get(), enable);
        QObject::connect(results, &ResultsPanel::modesRequested, host.get(), enable);
        QObject::connect(entry, &ValueEntryPanel::valuesConfirmed, results,
                         &ResultsPanel::calculateAfterConfirmation);
        QObject::connect(bild1, &DrawingView::pressed, host.get(),
                         [this](QPoint pixel, Qt::MouseButton) {
                             if (ws->modes.workingMode() == 2) entry->drawingPressed(pixel);
                             if (ws->modes.workingMode() == 3) results->drawingPressed(pixel);
                         });
    }
    ~PanelWindow() {
        host.reset();
        installDialogs(nullptr);
    }

    // Takes the drawing in, paints and analyses it, and shows the window in mode 2 as after
    // "Analyse".
    bool open(const SchematicGrid& grid) {
        ws->grid = grid;
        rebuildSymbolList(ws->grid, ws->symbols);
        bild1->showSymbols(ws->symbols, {});
        if (!ws->calculation.analyse(ws->grid).ok()) return false;
        ws->modes.enable(2, 2);
        entry->rebuildList();
        results->networkAnalysed();
        host->show();
        QApplication::setActiveWindow(host.get());
        return QTest::qWaitForWindowActive(host.get());
    }
};

}  // namespace volmira::test
