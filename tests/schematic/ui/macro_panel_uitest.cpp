// The macro panel on its own, driven through its controls: storing the drawing, the preview,
// renaming and deleting through the pop-up, starting an insertion and the two modes.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
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
            mkrJa->move(560, 4);
            area->show();
        }
        template <typename T>
        T* child(const char* name) {
            return area->findChild<T*>(QString::fromLatin1(name));
        }
        void open() { QTest::mouseClick(mkrJa, Qt::LeftButton); }
        QListWidget* list() { return panel->makroListe(); }
        void clickEntry(int row) {
            const QRect r = list()->visualItemRect(list()->item(row));
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r.center());
        }
        void rightClickEntry(int row) {
            const QRect r = list()->visualItemRect(list()->item(row));
            QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, r.center());
            emit list()->customContextMenuRequested(r.center());
        }
        void storeDrawing() { QTest::mouseClick(child<QPushButton>("makSpei"), Qt::LeftButton); }
    };

    test::ScriptedDialogs* dialogs = nullptr;
    using Kind = test::ScriptedDialogs::Kind;

  private slots:
    void init() { dialogs = &test::ScriptedDialogs::install(); }
    void cleanup() { installDialogs(nullptr); }

    void storesTheDrawingAndPreviewsIt() {
        Fixture f;
        stamp(f.grid, 1, 10, 7);  // a resistor, smallest column 10 and row 7
        // At the first start there is no library: the start-up check found none to open, and
        // the one created now is writable.
        f.panel->initialise(f.folder.path(), false, true);
        QVERIFY(std::filesystem::exists(f.folder.path() / "makrosb.mkr"));
        f.open();
        QVERIFY(f.panel->isVisible());
        QVERIFY(f.child<QWidget>("sw8")->isVisible());
        f.storeDrawing();
        QCOMPARE(f.list()->count(), 1);
        QVERIFY(QRegularExpression("^Makro_\\d{6}_\\d{4}$")
                    .match(f.list()->item(0)->text())
                    .hasMatch());
        QCOMPARE(f.list()->visualItemRect(f.list()->item(0)).height(), 14);

        f.clickEntry(0);
        const QImage preview = f.panel->mkrVorschau()->pixmap().toImage();
        // The resistor's lead at (0, 4) and its body outline from (6, 1).
        QCOMPARE(preview.pixelColor(2, 4), QColor(Qt::black));
        QCOMPARE(preview.pixelColor(6, 3), QColor(Qt::black));
        QCOMPARE(preview.pixelColor(10, 4), QColor(Qt::white));
        QCOMPARE(preview.pixelColor(40, 4), QColor(Qt::white));
        QVERIFY(dialogs->calls.empty());
        f.panel->grab().save(QDir::temp().filePath("macro_panel.png"));

        QTest::mouseClick(f.child<QToolButton>("makroAus"), Qt::LeftButton);
        QVERIFY(!f.panel->isVisible());
        QVERIFY(!f.mkrJa->isChecked());
    }

    void renamesAndDeletesThroughThePopUp() {
        Fixture f;
        stamp(f.grid, 4, 3, 3);
        f.panel->initialise(f.folder.path(), false, false);
        f.open();
        f.storeDrawing();
        f.storeDrawing();
        QCOMPARE(f.list()->count(), 2);

        f.rightClickEntry(1);
        QCOMPARE(f.list()->currentRow(), 1);
        f.child<QAction>("Namenndern1")->trigger();
        QVERIFY(f.panel->nmpan()->isVisible());
        auto* name = f.child<QLineEdit>("namNeu");
        QCOMPARE(name->maxLength(), 20);
        name->clear();
        QTest::keyClicks(name, "   ");
        QTest::keyClick(name, Qt::Key_Return);  // blank: nothing renamed
        QVERIFY(f.list()->item(1)->text().startsWith("Makro_"));
        name->setText("Brücke");
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(!f.panel->nmpan()->isVisible());
        QCOMPARE(f.list()->item(1)->text(), QString("Brücke"));

        f.rightClickEntry(0);
        f.child<QAction>("mkrloesch")->trigger();
        QCOMPARE(f.list()->count(), 1);
        QCOMPARE(f.list()->item(0)->text(), QString("Brücke"));
        QVERIFY(dialogs->calls.empty());
    }

    void doubleClickStartsTheInsertionAndTheModesFollowTheMenu() {
        Fixture f;
        stamp(f.grid, 7, 20, 20);
        f.panel->initialise(f.folder.path(), false, false);
        QAction deck("Makro überdecken"), misch("Makro einmischen");
        f.panel->attachMenuEntries(&deck, &misch);
        QVERIFY(deck.isChecked() && !misch.isChecked());
        f.open();
        f.storeDrawing();
        auto* mischJa = f.child<QToolButton>("MischJa");
        auto* mischNein = f.child<QToolButton>("MischNein");
        QVERIFY(!mischJa->isEnabled() && mischNein->isChecked());

        QSignalSpy started(f.panel, &MacroPanel::insertionStarted);
        const QRect r = f.list()->visualItemRect(f.list()->item(0));
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(f.list()->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(started.count(), 1);
        QCOMPARE(f.panel->selectedMacro(), 1);
        QCOMPARE(f.panel->macro()[0], (PlacedSymbol{2, 2, 7}));
        QVERIFY(mischJa->isEnabled() && mischNein->isEnabled());

        QTest::mouseClick(mischJa, Qt::LeftButton);
        QCOMPARE(f.panel->mode(), MacroMode::Mix);
        QVERIFY(misch.isChecked() && !deck.isChecked() && !mischNein->isChecked());
        deck.trigger();
        QCOMPARE(f.panel->mode(), MacroMode::Cover);
        QVERIFY(mischNein->isChecked() && !misch.isChecked());

        f.panel->endInsertion();
        QCOMPARE(f.panel->selectedMacro(), 0);
        QVERIFY(!mischJa->isEnabled());
        f.list()->setFocus();
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(started.count(), 2);
    }

    void refusesWithoutWritableLibrary() {
        Fixture f;
        stamp(f.grid, 4, 3, 3);
        std::ofstream(f.folder.path() / "makrosb.mkr") << "";
        f.panel->initialise(f.folder.path(), false, true);
        f.open();
        QVERIFY(!f.panel->isVisible());
        QVERIFY(!f.mkrJa->isChecked());
        QCOMPARE(dialogs->count(Kind::Error), 1);
        QCOMPARE(dialogs->lastText(Kind::Error).split('\n').size(), 4);

        Fixture g;
        stamp(g.grid, 4, 3, 3);
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
        {
            std::ofstream out(f.folder.path() / "makrosb.mkr", std::ios::binary);
            out << encodeMacroRecord(
                       [] {
                           SymbolList l;
                           l.append({5, 5, 4});
                           return l;
                       }(),
                       "gut")
                << std::string(5, '\0');
        }
        f.panel->initialise(f.folder.path(), false, false);
        f.open();
        QCOMPARE(f.list()->count(), 1);
        QCOMPARE(dialogs->count(Kind::Error), 1);
        QVERIFY(dialogs->lastText(Kind::Error).contains("2. Makro"));
    }
};

}  // namespace volmira

QTEST_MAIN(volmira::MacroPanelTest)
#include "macro_panel_uitest.moc"
