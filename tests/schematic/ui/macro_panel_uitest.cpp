// The macro panel on its own: what the main window's test does not reach — the refusals without
// a writable library, a damaged library, Enter in the list, a blank new name and the pop-up on
// the entry under the mouse. Storing, preview, insertion, renaming and deleting are driven
// through the main window.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <memory>

#include "app/ui/scripted_dialogs.h"
#include "schematic/ui/macro_panel.h"
#include "support/test_support.h"

namespace volmira {

class MacroPanelTest : public QObject {
    Q_OBJECT

    struct Fixture {
        test::TempFolder folder;
        SchematicGrid grid;
        SymbolList symbols;
        std::unique_ptr<QWidget> area = std::make_unique<QWidget>();
        MacroPanel* panel = new MacroPanel(area.get(), grid, symbols);
        QToolButton* mkrJa = panel->createMkrJa(area.get());

        Fixture() {
            area->resize(600, 520);
            stamp(grid, 4, 3, 3);
            area->show();
        }
        template <typename T>
        T* child(const char* name) {
            return area->findChild<T*>(QString::fromLatin1(name));
        }
        void open() { QTest::mouseClick(mkrJa, Qt::LeftButton); }
        QListWidget* list() { return panel->makroListe(); }
        void storeDrawing() { QTest::mouseClick(child<QPushButton>("makSpei"), Qt::LeftButton); }
    };

    test::ScriptedDialogs* dialogs = nullptr;
    using Kind = test::ScriptedDialogs::Kind;

  private slots:
    void init() { dialogs = &test::ScriptedDialogs::install(); }
    void cleanup() { installDialogs(nullptr); }

    void refusesWithoutWritableLibrary() {
        Fixture f;
        std::ofstream(f.folder.path() / "makrosb.mkr") << "";
        f.panel->initialise(f.folder.path(), false, true);
        f.open();
        QVERIFY(!f.panel->isVisible());
        QVERIFY(!f.mkrJa->isChecked());
        QCOMPARE(dialogs->count(Kind::Error), 1);
        QCOMPARE(dialogs->lastText(Kind::Error).split('\n').size(), 4);

        Fixture g;
        g.panel->initialise(g.folder.path(), true, false);
        g.open();
        g.storeDrawing();
        QCOMPARE(dialogs->lastText(Kind::Error),
                 QString("Diese Funktion ist nur verfügbar, wenn das Programm "
                         "auf Festplatte installiert ist!"));
        QCOMPARE(g.list()->count(), 0);
    }

    void namesADamagedRecordAndListsTheOnesBefore() {
        Fixture f;
        SymbolList wire;
        wire.append({5, 5, 4});
        std::ofstream(f.folder.path() / "makrosb.mkr", std::ios::binary)
            << encodeMacroRecord(wire, "gut") << std::string(5, '\0');
        f.panel->initialise(f.folder.path(), false, false);
        f.open();
        QCOMPARE(f.list()->count(), 1);
        QCOMPARE(dialogs->count(Kind::Error), 1);
        QVERIFY(dialogs->lastText(Kind::Error).contains("2. Makro"));
    }

    void enterStartsTheInsertionAndABlankNameRenamesNothing() {
        Fixture f;
        f.panel->initialise(f.folder.path(), false, false);
        f.open();
        f.storeDrawing();
        f.storeDrawing();
        QSignalSpy started(f.panel, &MacroPanel::insertionStarted);
        f.list()->setCurrentRow(1);
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(started.count(), 1);
        QCOMPARE(f.panel->selectedMacro(), 2);

        const QRect first = f.list()->visualItemRect(f.list()->item(0));
        QTest::mouseClick(f.list()->viewport(), Qt::RightButton, {}, first.center());
        emit f.list()->customContextMenuRequested(first.center());
        QCOMPARE(f.list()->currentRow(), 0);
        f.child<QAction>("Namenndern1")->trigger();
        auto* name = f.child<QLineEdit>("namNeu");
        QCOMPARE(name->maxLength(), 20);
        name->setText("   ");
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(f.list()->item(0)->text().startsWith("Makro_"));
        QTest::mouseClick(f.child<QPushButton>("nmAb"), Qt::LeftButton);
        QVERIFY(!f.panel->nmpan()->isVisible());
        QVERIFY(dialogs->calls.empty());
    }
};

}  // namespace volmira

QTEST_MAIN(volmira::MacroPanelTest)
#include "macro_panel_uitest.moc"
