// The editor's comforts in the real main window: zoom that keeps the cells under the pointer,
// undo and redo from the keys, Escape ending a line, the status bar, the component labels and
// the voltage probe on an example; the macro library: the side bar's `mkrJa` opens the panel
// over the drawing, the drawing is stored and previewed, the macro is inserted at the pressed
// place covering or mixed into existing wires (buttons and menu entries), renamed and deleted.
// With VOLMIRA_SCREENSHOTS set to a folder, the probe test leaves pictures of the window at 50,
// 100 and 300 % there.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>

#include "analysis/ui/probe_panel.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/status_line.h"
#include "app/ui/tafel1.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/editor_controller.h"
#include "schematic/ui/symbol_toolbar.h"

using namespace volmira;
using volmira::test::cellCentre;
using volmira::test::MainWindow;

namespace {

QString statusText(MainWindow& f, const char* field) {
    return f.w().statusLine()->findChild<QLabel*>(field)->text();
}

// Replaces the drawing and shows it, as loading a network does.
void showDrawing(MainWindow& f, const std::function<void(SchematicGrid&)>& draw) {
    f.ws().grid.clear();
    draw(f.ws().grid);
    rebuildSymbolList(f.ws().grid, f.ws().symbols);
    f.w().repaintDrawing();
}

// The pixel a wire of a cell passes through.
QPoint wirePixel(int column, int row) {
    return {(column - 1) * 9 + 2, (row - 1) * 9 + 2};
}

// Presses the drawing where the floating preview of a 5 x 2 macro puts its column 2, row 2 on
// the cell: the preview is centred on the pointer.
void insertAt(MainWindow& f, int column, int row) {
    const QPoint p = wirePixel(column, row) + QPoint(22, 9);
    QTest::mouseMove(f.w().drawingView(), p);
    QTest::mouseClick(f.w().drawingView(), Qt::LeftButton, {}, p);
}

}  // namespace

class EditorComfortsTest : public QObject {
    Q_OBJECT
  private slots:
    void zoomPlacesOnTheSameCellsAndKeepsTheFullSizeView() {
        MainWindow f;
        DrawingView* view = f.w().drawingView();
        const QImage blank = view->picture();
        QTest::mouseClick(f.find<QToolButton>("Sym4"), Qt::LeftButton);  // resistor
        SchematicGrid atFullSize;
        for (const int percent : {100, 50, 200, 300, 400}) {
            view->setZoom(percent);
            QCOMPARE(view->width(), kDrawingWidthPixels * percent / 100);
            const QPoint p = (cellCentre(30, 20) * 2 + QPoint(1, 1)) * percent / 200;  // on screen
            test::hover(view, p);
            QTest::mouseClick(view, Qt::LeftButton, {}, p);
            QCOMPARE(statusText(f, "StatusZelle"), QString("Zeile 20, Spalte 30"));
            if (percent == 100) atFullSize = f.ws().grid;
            QVERIFY(!atFullSize.empty());
            QVERIFY(f.ws().grid == atFullSize);
            f.find<QAction>("Rueckgaengig1")->trigger();
            QVERIFY(f.ws().grid.empty());
        }
        // Ctrl + wheel keeps the cell under the pointer where it was in the frame.
        f.w().show();
        view->setZoom(100);
        const QPoint inFrame = view->mapToParent(cellCentre(30, 20));
        QWheelEvent wheel(cellCentre(30, 20), view->mapToGlobal(cellCentre(30, 20)), {}, {0, 120},
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
        QCOMPARE(view->zoom(), 125);
        const QPoint under = view->mapFromParent(inFrame);
        QCOMPARE(cellAtPixel(GridPixel{under.x() * 100 / 125, under.y() * 100 / 125}),
                 (GridCell{30, 20}));
        f.find<QAction>("Zoom100")->trigger();
        QCOMPARE(view->zoom(), 100);
        QCOMPARE(statusText(f, "StatusZoom"), QString("Zoom 100 %"));
        QTest::mouseClick(f.find<QToolButton>("Sym26"), Qt::LeftButton);  // no floating symbol
        QCOMPARE(view->grab().toImage().convertToFormat(blank.format()), view->picture());
    }

    void keysUndoRedoAndEndALine() {
        MainWindow f;
        f.w().show();
        QApplication::setActiveWindow(&f.w());
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        DrawingView* view = f.w().drawingView();
        f.find<QToolButton>(qPrintable(QString("Sym%1").arg(kLineButton)))->click();
        QCOMPARE(statusText(f, "StatusWerkzeug"), QString("Linien zeichnen"));
        QTest::mouseClick(view, Qt::LeftButton, {}, cellCentre(10, 10));
        test::hover(view, cellCentre(20, 10));
        QTest::keyClick(&f.w(), Qt::Key_Escape);
        QCOMPARE(f.ws().grid.at(15, 10), '1');
        const SchematicGrid line = f.ws().grid;
        QTest::keyClick(&f.w(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(f.ws().grid.empty());
        QTest::keyClick(&f.w(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.w().statusLine()->currentMessage(),
                 QString("Nichts mehr rückgängig zu machen."));
        QTest::keyClick(&f.w(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(f.ws().grid == line);
        test::hover(view, cellCentre(15, 10));
        QCOMPARE(statusText(f, "StatusZelle"), QString("Zeile 10, Spalte 15"));
        const QString folder = qEnvironmentVariable("VOLMIRA_SCREENSHOTS");
        if (!folder.isEmpty()) f.w().grab().save(folder + "/status.png");
    }

    void probeAndLabelsOnTheWienBridge() {
        MainWindow f;
        f.w().show();
        QVERIFY(f.openConfirmedExample("Wienrob.nwb"));
        QVERIFY(statusText(f, "StatusAnalyse").endsWith("Maschen"));

        DrawingView* view = f.w().drawingView();
        const QImage plain = view->picture();
        f.find<QCheckBox>("BauteilwerteAnzeigen")->setChecked(true);
        QVERIFY(view->picture() != plain);

        const Network& network = f.ws().calculation.network();
        QPushButton* probe = f.find<QPushButton>("SpannungMessen");
        probe->click();
        // Across the bridge's middle resistor: the wire cells two columns left and right of it.
        const Component& r3 = network.component(findComponent(network, "R 3"));
        const GridCell first{r3.column - 2, r3.row}, second{r3.column + 2, r3.row};
        QTest::mouseClick(view, Qt::LeftButton, {}, cellCentre(first.column, first.row));
        QTest::mouseClick(view, Qt::LeftButton, {}, cellCentre(second.column, second.row));

        NodePotentials potentials;
        nodePotentials(network, f.ws().calculation.table(), potentials);
        const auto at = [&](GridCell c) {
            return *potentialAt(network, f.ws().calculation.table(), potentials, c);
        };
        const QString reading = QString::fromStdString(
            probeText(probeReading(at(first) - at(second), f.ws().calculation.voltage()), 5));
        QVERIFY2(f.w().probePanel()->readout()->text().endsWith(reading),
                 qPrintable(f.w().probePanel()->readout()->text()));

        const QString folder = qEnvironmentVariable("VOLMIRA_SCREENSHOTS");
        if (folder.isEmpty()) return;
        f.w().resize(1280, 1000);
        f.find("hw800pan")->hide();
        for (const int percent : {50, 100, 300}) {
            view->setZoom(percent);
            for (int k = 0; k < 3; ++k) QApplication::processEvents();
            f.w().grab().save(folder + QString("/zoom%1.png").arg(percent));
        }
    }

    void storePreviewInsertRenameDelete() {
        // The first start: the check finds no library to open; the one the panel creates is
        // writable, so mkrJa opens the panel.
        MainWindow f;
        f.w().show();
        QVERIFY(std::filesystem::exists(f.folder.path() / "makrosb.mkr"));
        auto* mkrJa = f.find<QToolButton>("mkrJa");
        QVERIFY(f.find("MausPalSenk")->isAncestorOf(mkrJa));
        auto* list = f.find<QListWidget>("MakroListe");

        // A resistor and, apart from it, one cell of vertical wire: 5 x 2 cells with gaps.
        showDrawing(f, [](SchematicGrid& g) {
            stamp(g, 1, 10, 10);
            stamp(g, 10, 14, 11);
        });
        QTest::mouseClick(mkrJa, Qt::LeftButton);
        QVERIFY(f.find("makrpan")->isVisible());
        QVERIFY(f.find<Tafel1>("tafel1")->isAncestorOf(f.find("makrpan")));
        QTest::mouseClick(f.find<QPushButton>("makSpei"), Qt::LeftButton);
        QCOMPARE(list->count(), 1);
        QCOMPARE(test::readFileBytes(f.folder.path() / "makrosb.mkr").size(), 26u + 3 * 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QVERIFY(test::inkPixels(f.find<QLabel>("mkrVorschau")->pixmap().toImage()) > 20);

        // Vertical wires down columns 33 and 63, through where the macro goes.
        showDrawing(f, [](SchematicGrid& g) {
            for (int row = 1; row <= 40; ++row) g.set(33, row, '2'), g.set(63, row, '2');
        });
        const QRect entry = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, entry.center());
        QVERIFY(f.w().editorController()->editor().insertingMacro());
        auto* hbi = f.w().drawingView()->findChild<QLabel*>("hbi");
        QCOMPARE(hbi->size(), QSize(45, 18));
        auto* mischJa = f.find<QToolButton>("MischJa");
        QVERIFY(mischJa->isEnabled());
        QVERIFY(f.find<QAction>("MakroDeck")->isChecked());

        // Covering and mixing are the core's; here the place and the choice reach them.
        insertAt(f, 30, 10);
        const SchematicGrid& g = f.ws().grid;
        QCOMPARE(QString::fromLatin1(g.rowText(10).substr(29, 5).data(), 5), QString("1x100"));
        const QImage covered = f.w().drawingView()->picture();
        QCOMPARE(covered.pixelColor(wirePixel(33, 11)), QColor(Qt::white));

        // Mixing, chosen by the button: the wire between the macro's symbols stays.
        QTest::mouseClick(mischJa, Qt::LeftButton);
        QVERIFY(f.find<QAction>("MakroMisch")->isChecked());
        insertAt(f, 60, 10);
        QCOMPARE(g.at(62, 10), '1');
        QCOMPARE(f.w().drawingView()->picture().pixelColor(wirePixel(63, 11)), QColor(Qt::black));

        // Renaming through the pop-up.
        emit list->customContextMenuRequested(entry.center());
        f.find<QAction>("Namenndern1")->trigger();
        auto* name = f.find<QLineEdit>("namNeu");
        name->setText("Filter");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(list->item(0)->text(), QString("Filter"));

        emit list->customContextMenuRequested(entry.center());
        f.find<QAction>("mkrloesch")->trigger();
        QCOMPARE(list->count(), 0);
        QCOMPARE(test::readFileBytes(f.folder.path() / "makrosb.mkr"), std::string());

        // Another tool ends the insertion.
        QTest::mouseClick(f.find<QToolButton>("Sym26"), Qt::LeftButton);
        QVERIFY(!f.w().editorController()->editor().insertingMacro());
        QVERIFY(!mischJa->isEnabled());
        QVERIFY(f.dialogs.calls.empty());
    }
};

VOLMIRA_UITEST_MAIN(EditorComfortsTest)
#include "editor_comforts_uitest.moc"
