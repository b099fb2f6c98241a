// The composer in the real main window: "Drucken" opens it, "Druckereinrichtung" runs its
// printer set-up, a curve element prints the graphic mode's own curve, and the curve's
// "Kennwerte" become text elements.
#include <QAbstractButton>
#include <QMenu>
#include <QTest>

#include "app/ui/main_window_fixture.h"
#include "app/ui/print_composer_link.h"
#include "app/ui/tafel4.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/miniature_view.h"
#include "print/ui/tdrform.h"

using namespace volmira;

class ComposerMainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void printsTheGraphicModesCurve() {
        test::MainWindow f;
        f.w().show();
        QVERIFY(f.openConfirmedExample("Tp1kHz.nwb"));
        f.w().lm1MouseDown(kModeGraphic);
        // A click on a wire cell of branch 1 in the miniature sweeps the curve.
        const Branch& b = f.ws().calculation.network().branch(1);
        int column = b.startColumn, row = b.startRow;
        stepAlongPath(b.path[0], column, row);
        QTest::mouseClick(f.find<Tafel4>("tafel4")->graphic()->miniature(), Qt::LeftButton, {},
                          QPoint(5 * column, 5 * row));
        QVERIFY(f.ws().graphic.curveExists());

        PrintComposer composer = installPrintComposer(f.w(), f.ws());
        int setups = 0;
        composer.form->setPrinterDialog([&](QPrinter&, QWidget*) { return ++setups, false; });
        f.find<QAction>("Drucken1")->trigger();
        QVERIFY(composer.form->isVisible());
        f.find<QAction>("Druckerinstallation1")->trigger();
        QCOMPARE(setups, 1);

        composer.form->findChild<QAbstractButton*>("FgKurveEinfueg")->click();
        QCOMPARE(composer.form->document().slot(1).element.info1, "fu: " + f.ws().fields.fqVon);
        const PrintPlot plot = composer.context->printPlot();
        QCOMPARE(plot.plot, f.ws().graphic.plot.get());
        QCOMPARE(plot.branch, 1);

        composer.form->document().moveTo(1, 1, 60);
        composer.form->findChild<QAbstractButton*>("KennwerteEinfueg")->click();
        auto* lines = composer.form->findChild<QMenu*>("KennwertZeilen");
        QCOMPARE(lines->actions().front()->text(), QString("Alle Zeilen"));
        lines->actions().front()->trigger();
        lines->close();
        const PrintDocument& doc = composer.form->document();
        QCOMPARE(doc.slot(2).element.text, "Kennwerte: Strom, Zweig 1");
        // Title, two extremes, five -3 dB rows, six phase rows; the curve stays.
        QVERIFY(QString::fromStdString(doc.slot(15).element.text).startsWith("Phase ±180"));
        QVERIFY(doc.slot(16).free());
        QCOMPARE(doc.slot(1).element.kind, ElementKind::Curve);
    }
};

VOLMIRA_UITEST_MAIN(ComposerMainWindowTest)
#include "composer_main_window_uitest.moc"
