// The macro library in the main window: the side bar's `mkrJa` opens the panel over the drawing,
// the drawing is stored and previewed, the macro is inserted at the pressed place covering or
// mixed into existing wires (buttons and menu entries), renamed and deleted.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "app/ui/main_window_fixture.h"
#include "app/ui/tafel1.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/editor_controller.h"

using namespace volmira;
using volmira::test::MainWindow;

namespace {

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

class TgrfMacroTest : public QObject {
    Q_OBJECT
  private slots:
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

        // Covering: only the macro inside its rectangle; the wire above and below stays.
        insertAt(f, 30, 10);
        const SchematicGrid& g = f.ws().grid;
        QCOMPARE(QString::fromLatin1(g.rowText(10).substr(29, 5).data(), 5), QString("1x100"));
        QCOMPARE(g.at(33, 11), '0');
        QCOMPARE(g.at(34, 11), '2');
        QCOMPARE(g.at(33, 9), '2');
        QCOMPARE(g.at(33, 12), '2');
        const QImage covered = f.w().drawingView()->picture();
        QCOMPARE(covered.pixelColor(wirePixel(33, 11)), QColor(Qt::white));

        // Mixing, chosen by the button: the wire between the macro's symbols stays.
        QTest::mouseClick(mischJa, Qt::LeftButton);
        QVERIFY(f.find<QAction>("MakroMisch")->isChecked());
        insertAt(f, 60, 10);
        QCOMPARE(g.at(63, 10), '2');
        QCOMPARE(g.at(63, 11), '2');
        QCOMPARE(g.at(64, 11), '2');
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

VOLMIRA_UITEST_MAIN(TgrfMacroTest)
#include "tgrf_macro_uitest.moc"
