// The drawing editor driven through its widgets: toolbar buttons, side bar and mouse events on
// `Bild1`, as a user draws. The macro panel on its own: what the main window's test does not
// reach — the refusals without a writable library, a damaged library, Enter in the list, a blank
// new name and the pop-up on the entry under the mouse.
#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>
#include <fstream>
#include <memory>

#include "app/ui/scripted_dialogs.h"
#include "schematic/editor_geometry.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/editor_controller.h"
#include "schematic/ui/editor_side_bar.h"
#include "schematic/ui/glyph_painter.h"
#include "schematic/ui/macro_panel.h"
#include "schematic/ui/symbol_toolbar.h"
#include "schematic/wire_tools.h"
#include "support/test_drawings.h"
#include "support/test_support.h"

namespace volmira {

namespace {

// The mode-1 panel as the main window lays it out: toolbar above, side bar left of the drawing.
struct DrawingPanel {
    SchematicGrid grid;
    SchematicGrid undoCopy;
    SymbolList symbols;
    std::vector<Component> records;  // the confirmed records that move with the drawing
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QFrame* toolbarFrame = new QFrame(window.get());
    QFrame* sideBarFrame = new QFrame(window.get());
    DrawingView* view = new DrawingView(window.get());
    std::unique_ptr<EditorController> controller;

    DrawingPanel() {
        (new QHBoxLayout(toolbarFrame))->addStretch(1);
        (new QVBoxLayout(sideBarFrame))->addStretch(1);
        auto* below = new QHBoxLayout;
        below->addWidget(sideBarFrame);
        below->addWidget(view);
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(toolbarFrame);
        layout->addLayout(below);
        controller = std::make_unique<EditorController>(
            view,
            EditedDrawing{grid, undoCopy, symbols, [this] { return std::span(records); },
                          [] { return false; }},
            toolbarFrame, sideBarFrame);
        window->show();
    }

    QToolButton* sym(int number) {
        return window->findChild<QToolButton*>(QString("Sym%1").arg(number));
    }
    QLabel* preview(const char* name) { return view->findChild<QLabel*>(name); }

    static QPoint pixelOf(int column, int row) {
        const Pixel p = cellOrigin({column, row});
        return {p.x + 2, p.y + 2};
    }
    void move(QPoint p) { QTest::mouseMove(view, p); }
    void click(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseMove(view, p);
        QTest::mousePress(view, button, {}, p);
        QTest::mouseRelease(view, button, {}, p);
    }
    void clickCell(int column, int row, Qt::MouseButton button = Qt::LeftButton) {
        click(pixelOf(column, row), button);
    }
    // Points at the middle of where the symbol shall lie, as the floating preview is centred on
    // the pointer, and clicks.
    void placeSymbol(int code, int column, int row) {
        const SymbolCatalogue& c = SymbolCatalogue::instance();
        const Pixel origin = cellOrigin({column, row});
        click({origin.x + c.width(code) * 9 / 2, origin.y + c.height(code) * 9 / 2});
    }
    // Line tool: a left click per corner, the last one with the right button.
    void line(std::initializer_list<QPoint> cells) {
        int left = int(cells.size());
        for (QPoint c : cells)
            clickCell(c.x(), c.y(), --left == 0 ? Qt::RightButton : Qt::LeftButton);
    }
};

struct MacroPanelArea {
    test::TempFolder folder;
    SchematicGrid grid;
    SymbolList symbols;
    std::unique_ptr<QWidget> area = std::make_unique<QWidget>();
    MacroPanel* panel = new MacroPanel(area.get(), grid, symbols);
    QToolButton* mkrJa = panel->createMkrJa(area.get());

    MacroPanelArea() {
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

}  // namespace

class EditorUiTest : public QObject {
    Q_OBJECT

    test::ScriptedDialogs* dialogs = nullptr;
    using Kind = test::ScriptedDialogs::Kind;

  private slots:
    void init() { dialogs = &test::ScriptedDialogs::install(); }
    void cleanup() { installDialogs(nullptr); }

    void buttonsSitInTheirFramesAndDrawAnRcLowPass() {
        DrawingPanel panel;
        QVERIFY(QTest::qWaitForWindowExposed(panel.window.get()));
        // The buttons went into the given frames, before the toolbar's closing stretch.
        for (int n = 1; n <= kSymbolButtonCount; ++n)
            QVERIFY2(panel.sym(n), qPrintable(QString::number(n)));
        QCOMPARE(panel.sym(2)->property("tag").toInt(), 25);
        QCOMPARE(panel.sym(15)->toolTip(), QString("Linien zeichnen"));
        QCOMPARE(panel.sym(1)->parentWidget(), panel.toolbarFrame);
        QVERIFY(panel.sym(26)->geometry().right() < panel.toolbarFrame->width());
        QCOMPARE(panel.window->findChild<QToolButton*>("UndoButton")->parentWidget(),
                 panel.sideBarFrame);
        QSignalSpy changed(panel.controller.get(), &EditorController::drawingChanged);
        QSignalSpy pressed(panel.controller.get(), &EditorController::drawingPressed);

        // Source, resistor and a capacitor turned upright by a right click.
        QTest::mouseClick(panel.sym(1), Qt::LeftButton);
        QCOMPARE(panel.controller->editor().currentSymbol(), 5);
        panel.placeSymbol(5, 10, 14);
        QTest::mouseClick(panel.sym(4), Qt::LeftButton);
        panel.placeSymbol(1, 15, 10);
        // The floating preview turns with the form; the symbol lands where it shows.
        QTest::mouseClick(panel.sym(6), Qt::LeftButton);
        QCOMPARE(panel.preview("hbi")->size(), QSize(27, 9));
        panel.click(DrawingPanel::pixelOf(40, 40), Qt::RightButton);
        QCOMPARE(panel.preview("hbi")->size(), QSize(9, 27));
        panel.placeSymbol(9, 24, 15);
        QCOMPARE(changed.count(), 3);

        // Lines with automatic corners: source to resistor, resistor to capacitor, the bottom rail,
        // and a stub from below onto the rail.
        QTest::mouseClick(panel.sym(15), Qt::LeftButton);
        QVERIFY(!panel.preview("hbi")->isVisible());
        panel.line({{11, 13}, {11, 10}, {14, 10}});
        panel.clickCell(18, 10);
        panel.clickCell(24, 10);
        panel.move(DrawingPanel::pixelOf(24, 14));
        // Mid-line: the rubber band runs down from the joint, whose corner the preview shows.
        QVERIFY(panel.view->findChild<QWidget*>("REck")->isVisible());
        QVERIFY(panel.preview("Eckbild")->isVisible());
        QVERIFY(panel.preview("ZQuad")->isVisible());
        panel.clickCell(24, 14, Qt::RightButton);
        panel.line({{11, 18}, {11, 21}, {24, 21}, {24, 18}});
        panel.line({{17, 23}, {17, 21}});

        // The node tool joins the stub to the rail and marks the output node.
        QTest::mouseClick(panel.sym(16), Qt::LeftButton);
        panel.clickCell(17, 21);
        panel.clickCell(24, 12);
        QTest::mouseClick(panel.window->findChild<QToolButton*>("SetMasse"), Qt::LeftButton);
        QTest::mouseClick(panel.sym(26), Qt::LeftButton);
        panel.move(DrawingPanel::pixelOf(50, 50));

        // Each tool left its mark; how lines join is the editor's test.
        const std::pair<int, int> cells[] = {{11, 10}, {16, 10}, {24, 10}, {24, 12}, {11, 15},
                                             {24, 16}, {11, 21}, {17, 21}, {24, 21}, {17, 24}};
        std::string marks;
        for (const auto& [column, row] : cells) marks += panel.grid.at(column, row);
        QCOMPARE(marks, std::string("3x4GAz5C6I"));
        QVERIFY(pressed.count() > 10);

        // What was painted step by step is what the painter makes of the recognised drawing.
        SchematicGrid copy = panel.grid;
        SymbolList list;
        rebuildSymbolList(copy, list);
        QImage expected = blankDrawingImage();
        paintSymbolList(expected, list);
        QCOMPARE(panel.view->drawing().convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));

        // A line through the resistor stops before it (the editor's rule): the hint is shown.
        QTest::mouseClick(panel.sym(15), Qt::LeftButton);
        panel.line({{16, 5}, {16, 15}});
        QCOMPARE(
            dialogs->lastText(Kind::Information),
            QString::fromUtf8(kLineStopsAtComponent.data(), int(kLineStopsAtComponent.size())));
    }

    void sideBarUndoesMovesOtherModesShowTheHandAndNewNetwork() {
        DrawingPanel panel;
        QTest::mouseClick(panel.sym(4), Qt::LeftButton);
        panel.placeSymbol(1, 20, 20);
        panel.records.resize(1);  // the resistor's letter
        panel.records[0].row = 20, panel.records[0].column = 21, panel.records[0].code = 1;

        // Which arrow moves where, and the records along, is the editor's; here the press reaches
        // it.
        auto* arrows = panel.window->findChild<QLabel*>("Lirebild");
        QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(12, 22));  // down
        QCOMPARE(test::area(panel.grid, 20, 21, 3, 1), std::string("1x1\n"));
        QCOMPARE(int(panel.records[0].row), 21);
        // The image follows: the resistor body stands one cell further down.
        QCOMPARE(panel.view->drawing().pixelColor(cellTopLeft(20, 21) + QPoint(6, 1)),
                 QColor(Qt::black));
        QCOMPARE(panel.view->drawing().pixelColor(cellTopLeft(20, 20) + QPoint(6, 1)),
                 QColor(Qt::white));

        QTest::mouseClick(panel.window->findChild<QToolButton*>("UndoButton"), Qt::LeftButton);
        QCOMPARE(test::area(panel.grid, 20, 20, 3, 1), std::string("1x1\n"));

        // Other modes only show the hand over clickable cells and leave the drawing alone.
        QSignalSpy pressed(panel.controller.get(), &EditorController::drawingPressed);
        panel.controller->setWorkingMode(2);
        panel.controller->resetTool();
        panel.move(DrawingPanel::pixelOf(21, 20));
        QCOMPARE(panel.view->cursor().shape(), Qt::PointingHandCursor);
        panel.move(DrawingPanel::pixelOf(20, 20));
        QCOMPARE(panel.view->cursor().shape(), Qt::ArrowCursor);
        const SchematicGrid before = panel.grid;
        panel.click(DrawingPanel::pixelOf(30, 30));
        QCOMPARE(pressed.count(), 0);
        QVERIFY(panel.grid == before);
        QVERIFY(!panel.preview("hbi")->isVisible());

        QSignalSpy request(panel.controller.get(), &EditorController::newNetworkRequested);
        QTest::mouseClick(panel.window->findChild<QToolButton*>("NwNeu"), Qt::LeftButton);
        QCOMPARE(request.count(), 1);
        // The main window's part: clear the drawing, then the editor resets and repaints.
        panel.grid.clear();
        panel.symbols.clear();
        panel.controller->resetTool();
        panel.controller->repaintDrawing();
        QVERIFY(panel.sym(26)->isChecked());
        QCOMPARE(panel.view->drawing(), blankDrawingImage());
    }

    void refusesWithoutWritableLibrary() {
        MacroPanelArea f;
        std::ofstream(f.folder.path() / "makrosb.mkr") << "";
        f.panel->initialise(f.folder.path(), false, true);
        f.open();
        QVERIFY(!f.panel->isVisible());
        QVERIFY(!f.mkrJa->isChecked());
        QCOMPARE(dialogs->count(Kind::Error), 1);
        QCOMPARE(dialogs->lastText(Kind::Error).split('\n').size(), 4);

        MacroPanelArea g;
        g.panel->initialise(g.folder.path(), true, false);
        g.open();
        g.storeDrawing();
        QCOMPARE(dialogs->lastText(Kind::Error),
                 QString("Diese Funktion ist nur verfügbar, wenn das Programm "
                         "auf Festplatte installiert ist!"));
        QCOMPARE(g.list()->count(), 0);
    }

    void namesADamagedRecordAndListsTheOnesBefore() {
        MacroPanelArea f;
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
        MacroPanelArea f;
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

QTEST_MAIN(volmira::EditorUiTest)
#include "editor_uitest.moc"
