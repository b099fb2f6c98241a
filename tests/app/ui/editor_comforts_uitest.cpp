// The editor's comforts in the real main window: zoom that keeps the cells under the pointer,
// undo and redo from the keys, Escape ending a line, the status bar, the component labels and
// the voltage probe on an example. With VOLMIRA_SCREENSHOTS set to a folder, the probe test
// leaves pictures of the window at 50, 100 and 300 % there.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "analysis/ui/probe_panel.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/status_line.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/glyph_painter.h"
#include "schematic/ui/symbol_toolbar.h"

using namespace volmira;
using volmira::test::MainWindow;
namespace fs = std::filesystem;

namespace {

QPoint cellCentre(int column, int row) {
    return cellTopLeft(column, row) + QPoint(kPixelsPerCell / 2, kPixelsPerCell / 2);
}

// Where the view shows an image pixel at a zoom.
QPoint shownAt(QPoint image, int percent) {
    return (image * 2 + QPoint(1, 1)) * percent / 200;
}

// A pointer move as the window system delivers it, also to a window that is not active.
void moveTo(QWidget* view, QPoint p) {
    QMouseEvent move(QEvent::MouseMove, p, view->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &move);
}

QString statusText(MainWindow& f, const char* field) {
    return f.w().statusLine()->findChild<QLabel*>(field)->text();
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
            const QPoint p = shownAt(cellCentre(30, 20), percent);
            moveTo(view, p);
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
        moveTo(view, cellCentre(20, 10));
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
        moveTo(view, cellCentre(15, 10));
        QCOMPARE(statusText(f, "StatusZelle"), QString("Zeile 10, Spalte 15"));
        const QString folder = qEnvironmentVariable("VOLMIRA_SCREENSHOTS");
        if (!folder.isEmpty()) f.w().grab().save(folder + "/status.png");
    }

    void probeAndLabelsOnTheWienBridge() {
        MainWindow f;
        f.w().show();
        const fs::path path = f.folder.path() / "Wienrob.nwb";
        fs::copy_file(test::sourceDir() / "examples" / "Wienrob.nwb", path);
        QVERIFY(f.w().loadNetwork(path));
        QTest::mouseClick(f.find<QPushButton>("analys"), Qt::LeftButton);
        QVERIFY(statusText(f, "StatusAnalyse").endsWith("Maschen"));
        QTest::mouseClick(f.find<QPushButton>("BtOK"), Qt::LeftButton);
        QCOMPARE(f.ws().modes.workingMode(), 3);

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
};

VOLMIRA_UITEST_MAIN(EditorComfortsTest)
#include "editor_comforts_uitest.moc"
