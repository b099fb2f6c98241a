// The drawing editor driven through its widgets: toolbar buttons, side bar and mouse events on
// `Bild1`, as a user draws.
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "app/ui/scripted_dialogs.h"
#include "schematic/editor_geometry.h"
#include "schematic/ui/drawing_view.h"
#include "schematic/ui/editor_controller.h"
#include "schematic/ui/editor_side_bar.h"
#include "schematic/ui/glyph_painter.h"
#include "schematic/ui/symbol_toolbar.h"
#include "schematic/wire_tools.h"

namespace volmira {

namespace {

// The mode-1 panel as the main window lays it out: toolbar above, side bar left of the drawing.
struct DrawingPanel {
    test::ScriptedDialogs& dialogs = test::ScriptedDialogs::install();
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
        toolbarFrame->setObjectName("MausPal1");
        sideBarFrame->setObjectName("MausPalSenk");
        auto* top = new QHBoxLayout(toolbarFrame);
        top->setContentsMargins(4, 3, 4, 3);
        top->setSpacing(2);
        top->addStretch(1);
        auto* side = new QVBoxLayout(sideBarFrame);
        side->setContentsMargins(3, 4, 3, 4);
        side->addStretch(1);
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
    std::string area(int column, int row, int width, int height) const {
        std::string out;
        for (int r = row; r < row + height; ++r) {
            for (int c = column; c < column + width; ++c) out += grid.at(c, r);
            out += '\n';
        }
        return out;
    }
};

}  // namespace

class EditorUiTest : public QObject {
    Q_OBJECT

  private slots:
    void toolbarAndSideBarCarryTheirNamesHintsAndTags();
    void drawsAnRcLowPassWithTheMouse();
    void rightClickSwitchesTheFormOfTheSymbol();
    void sideBarUndoesMovesAndAsksForANewNetwork();
    void otherModesOnlyShowTheHandOverClickableCells();
    void aLineStopsBeforeAComponentAndSaysWhy();
};

void EditorUiTest::toolbarAndSideBarCarryTheirNamesHintsAndTags() {
    DrawingPanel panel;
    for (int n = 1; n <= kSymbolButtonCount; ++n)
        QVERIFY2(panel.sym(n), qPrintable(QString::number(n)));
    QCOMPARE(panel.sym(1)->property("tag").toInt(), 5);
    QCOMPARE(panel.sym(2)->property("tag").toInt(), 25);
    QCOMPARE(panel.sym(15)->toolTip(), QString("Linien zeichnen"));
    QVERIFY(panel.sym(26)->isChecked());
    // The buttons went into the given frame, before its closing stretch.
    QCOMPARE(panel.sym(1)->parentWidget(), panel.toolbarFrame);
    QVERIFY(panel.sym(26)->geometry().right() < panel.toolbarFrame->width());

    auto* undo = panel.window->findChild<QToolButton*>("UndoButton");
    auto* ground = panel.window->findChild<QToolButton*>("SetMasse");
    auto* arrows = panel.window->findChild<QLabel*>("Lirebild");
    auto* fresh = panel.window->findChild<QToolButton*>("NwNeu");
    QVERIFY(undo && ground && arrows && fresh);
    QCOMPARE(undo->parentWidget(), panel.sideBarFrame);
    QVERIFY(panel.preview("hbi") && panel.preview("ZQuad") && panel.preview("Eckbild"));
    QVERIFY(panel.view->findChild<QWidget*>("REck"));
}

void EditorUiTest::drawsAnRcLowPassWithTheMouse() {
    DrawingPanel panel;
    QVERIFY(QTest::qWaitForWindowExposed(panel.window.get()));
    QSignalSpy changed(panel.controller.get(), &EditorController::drawingChanged);
    QSignalSpy pressed(panel.controller.get(), &EditorController::drawingPressed);

    // Source, resistor and a capacitor turned upright by a right click.
    QTest::mouseClick(panel.sym(1), Qt::LeftButton);
    QCOMPARE(panel.controller->editor().currentSymbol(), 5);
    panel.placeSymbol(5, 10, 14);
    QTest::mouseClick(panel.sym(4), Qt::LeftButton);
    panel.placeSymbol(1, 15, 10);
    QTest::mouseClick(panel.sym(6), Qt::LeftButton);
    panel.click(DrawingPanel::pixelOf(40, 40), Qt::RightButton);
    QCOMPARE(panel.controller->editor().currentSymbol(), 9);
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

    QCOMPARE(panel.area(10, 9, 16, 17),
             "0000000000000000\n"  // row 9
             "031111x111111140\n"  // row 10
             "0200000000000020\n"
             "02000000000000G0\n"
             "0200000000000020\n"
             "0200000000000020\n"  // row 14
             "0A00000000000020\n"
             "02000000000000z0\n"
             "0200000000000020\n"
             "0200000000000020\n"  // row 18
             "0200000000000020\n"
             "0200000000000020\n"
             "0511111C11111160\n"  // row 21
             "0000000200000000\n"
             "0000000200000000\n"
             "0000000I00000000\n"  // row 24
             "0000000000000000\n");
    QVERIFY(pressed.count() > 10);
    QVERIFY(changed.count() > 3);

    // What was painted step by step is what the painter makes of the recognised drawing.
    SchematicGrid copy = panel.grid;
    SymbolList list;
    rebuildSymbolList(copy, list);
    QImage expected = blankDrawingImage();
    paintSymbolList(expected, list);
    QCOMPARE(panel.view->drawing().convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
}

void EditorUiTest::rightClickSwitchesTheFormOfTheSymbol() {
    DrawingPanel panel;
    QTest::mouseClick(panel.sym(4), Qt::LeftButton);
    panel.move({200, 200});
    QLabel* hbi = panel.preview("hbi");
    QVERIFY(hbi->isVisible());
    QCOMPARE(hbi->size(), QSize(27, 9));
    panel.click({200, 200}, Qt::RightButton);
    QCOMPARE(panel.controller->editor().currentSymbol(), 7);
    QCOMPARE(hbi->size(), QSize(9, 27));
    // The preview's top-left cell is where a left click puts the symbol.
    const Pixel corner = {hbi->x() + 2, hbi->y() + 2};
    panel.click({200, 200});
    const Cell at = cellOfPixel(corner);
    QCOMPARE(panel.area(at.column, at.row, 1, 3), std::string("2\nx\n2\n"));
    panel.click({300, 300}, Qt::RightButton);
    QCOMPARE(hbi->size(), QSize(27, 9));
}

void EditorUiTest::sideBarUndoesMovesAndAsksForANewNetwork() {
    DrawingPanel panel;
    QTest::mouseClick(panel.sym(4), Qt::LeftButton);
    panel.placeSymbol(1, 20, 20);
    Component resistor;
    resistor.row = 20;
    resistor.column = 21;
    resistor.code = 1;
    panel.records = {resistor};

    // Which arrow moves where, and the records along, is the editor's; here the press reaches it.
    auto* arrows = panel.window->findChild<QLabel*>("Lirebild");
    QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(12, 22));  // down
    QCOMPARE(panel.area(20, 21, 3, 1), std::string("1x1\n"));
    QCOMPARE(int(panel.records[0].row), 21);
    // The image follows: the resistor body stands one cell further down.
    QCOMPARE(panel.view->drawing().pixelColor(cellTopLeft(20, 21) + QPoint(6, 1)),
             QColor(Qt::black));
    QCOMPARE(panel.view->drawing().pixelColor(cellTopLeft(20, 20) + QPoint(6, 1)),
             QColor(Qt::white));

    QTest::mouseClick(panel.window->findChild<QToolButton*>("UndoButton"), Qt::LeftButton);
    QCOMPARE(panel.area(20, 20, 3, 1), std::string("1x1\n"));

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

void EditorUiTest::otherModesOnlyShowTheHandOverClickableCells() {
    DrawingPanel panel;
    QTest::mouseClick(panel.sym(4), Qt::LeftButton);
    panel.placeSymbol(1, 20, 20);
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
}

void EditorUiTest::aLineStopsBeforeAComponentAndSaysWhy() {
    DrawingPanel panel;
    QTest::mouseClick(panel.sym(4), Qt::LeftButton);
    panel.placeSymbol(1, 15, 10);
    QTest::mouseClick(panel.sym(15), Qt::LeftButton);
    panel.line({{16, 5}, {16, 15}});
    QCOMPARE(panel.area(15, 10, 3, 1), std::string("1x1\n"));
    QCOMPARE(panel.dialogs.lastText(test::ScriptedDialogs::Kind::Information),
             QString::fromUtf8(kLineStopsAtComponent.data(), int(kLineStopsAtComponent.size())));
}

}  // namespace volmira

QTEST_MAIN(volmira::EditorUiTest)
#include "editor_uitest.moc"
