// Component entry on an analysed RC low-pass, wired as the main window wires it: typing into
// `BtListe` and storing with Enter and the cursor keys, refusals, the E12 table, the component
// mark in the drawing and the confirmation. The value rules themselves are the core's.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "panel_window.h"
#include "support/test_drawings.h"

using namespace volmira;
using test::cellCentre;
using test::componentNumber;

namespace {

const QColor kMarkOnWhite(255, 0, 0);  // cyan exclusive-or white

// The open cell editor, or the list itself when no cell is being edited.
QWidget* keyTarget(ValueList* list) {
    for (QLineEdit* editor : list->findChildren<QLineEdit*>())
        if (editor->isVisible()) return editor;
    return list;
}

// Types into the list: the first key opens the cell editor, the others go to the editor.
void typeText(ValueList* list, const QString& text) {
    for (QChar ch : text) QTest::keyClick(keyTarget(list), ch.toLatin1());
}

void pressKey(ValueList* list, Qt::Key key) {
    QTest::keyClick(keyTarget(list), key);
}

}  // namespace

class ValueEntryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::PanelWindow> window;
    Workspace* ws = nullptr;
    DrawingView* bild1 = nullptr;
    ValueEntryPanel* panel = nullptr;
    ValueList* list = nullptr;
    int r1 = 0, c1 = 0;

    const Network& network() const { return window->network(); }

    void editRow(int component, const QString& text, Qt::Key finish = Qt::Key_Return) {
        list->setCurrentCell(component - 1, 1);
        typeText(list, text);
        pressKey(list, finish);
    }

    QRect componentBox(int k) const {
        const Component& c = network().component(k);
        const GridPixel corner = c.code > 6 ? cellBoxTopLeft({c.column, c.row - 1})
                                            : cellBoxTopLeft({c.column - 1, c.row});
        return c.code > 6 ? QRect(corner.x, corner.y, 9, 27) : QRect(corner.x, corner.y, 27, 9);
    }

  private slots:
    void init() {
        window = std::make_unique<test::PanelWindow>();
        ws = window->ws.get();
        bild1 = window->bild1;
        panel = window->entry;
        list = panel->list();
        QVERIFY(window->open(test::rcLowPass()));
        r1 = componentNumber(network(), "R 1");
        c1 = componentNumber(network(), "C 1");
        QVERIFY(r1 && c1);
    }

    void cleanup() { window.reset(); }

    void listHasOneRowPerComponentAndFitsThePanel() {
        QCOMPARE(window->host->findChild<ValueList*>("BtListe"), list);
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->item(r1 - 1, 0)->text(), QStringLiteral("R 1"));
        QCOMPARE(list->height(), 2 * ValueList::kRowHeight + 5);
        QVERIFY(!(list->item(0, 0)->flags() & Qt::ItemIsEditable));

        window = std::make_unique<test::PanelWindow>();
        QVERIFY(window->open(test::rcLadder(20)));
        ValueList* longList = window->entry->list();
        QCOMPARE(longList->rowCount(), 40);
        auto* ok = window->entry->confirmButton();
        QVERIFY(ok->geometry().top() > longList->geometry().bottom());
        QVERIFY(ok->geometry().bottom() < window->entry->height());
    }

    void typedValuesAreStoredAndShownAgain() {
        editRow(r1, "4.7k");  // the full stop becomes a comma
        QCOMPARE(list->item(r1 - 1, 1)->text(), QStringLiteral("4,7 kOhm"));
        QCOMPARE(network().component(r1).value, 4700.0);
        // The cursor keys store the row they leave, with and without an open editor.
        list->setCurrentCell(r1 - 1, 1);
        typeText(list, "3.3k");
        pressKey(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), c1 - 1);
        QCOMPARE(network().component(r1).value, 3300.0);
        list->item(c1 - 1, 1)->setText(QStringLiteral("2,2u"));
        pressKey(list, Qt::Key_Up);
        QCOMPARE(list->item(c1 - 1, 1)->text(), QStringLiteral("2,2 uF"));
        // A click on a name goes to its value.
        const QRect name = list->visualItemRect(list->item(c1 - 1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, name.center());
        QCOMPARE(list->currentColumn(), 1);
        QCOMPARE(window->dialogs->calls.size(), std::size_t(0));
    }

    void refusedTextsAreReportedAndConfirmationSelectsTheRow() {
        editRow(r1, "1k");
        QSignalSpy confirmed(panel, &ValueEntryPanel::valuesConfirmed);
        editRow(r1, "1,2,3");
        QCOMPARE(window->messages().size(), 1);
        QVERIFY(window->messages()[0].contains("1,2,3"));
        QCOMPARE(network().component(r1).value, 1000.0);
        // The confirmation refuses the text again and goes to its row.
        list->setCurrentCell(c1 - 1, 1);
        QTest::mouseClick(panel->confirmButton(), Qt::LeftButton);
        QCOMPARE(window->messages().size(), 2);
        QCOMPARE(confirmed.count(), 0);
        QVERIFY(!ws->calculation.valuesConfirmed());
        QCOMPARE(list->currentRow(), r1 - 1);
    }

    void confirmationKeepsTheValuesAndAsksForMode3() {
        editRow(r1, "1k");
        QTest::mouseClick(panel->confirmButton(), Qt::LeftButton);  // C 1 is still 0
        QCOMPARE(window->messages(), QStringList{QString::fromUtf8(kZeroCapacitorMessage.data())});
        QCOMPARE(list->currentRow(), c1 - 1);
        editRow(c1, "159,155n");
        list->setCurrentCell(c1 - 1, 1);
        QCOMPARE(panel->markedComponent(), c1);
        QSignalSpy confirmed(panel, &ValueEntryPanel::valuesConfirmed);
        QTest::mouseClick(window->host->findChild<QPushButton*>("BtOK"), Qt::LeftButton);
        QCOMPARE(confirmed.count(), 1);
        QCOMPARE(window->modeRequests, (QList<QPair<int, int>>{{4, 3}}));
        QVERIFY(ws->calculation.valuesConfirmed());
        QVERIFY(ws->modes.valuesUnchanged());
        QCOMPARE(network().branch(network().component(r1).branch).R, 1000.0);
        QCOMPARE(panel->markedComponent(), 0);  // the mark left with the value entry
    }

    void rowsAndDrawingMarkEachOther() {
        const QImage before = bild1->picture();
        list->setCurrentCell(c1 - 1, 1);
        QCOMPARE(panel->markedComponent(), c1);
        QCOMPARE(bild1->picture().pixelColor(componentBox(c1).topLeft()), kMarkOnWhite);
        QCOMPARE(bild1->picture().pixelColor(componentBox(c1).bottomRight()), kMarkOnWhite);
        QCOMPARE(bild1->drawing(), before);  // the mark lies on top of the drawing
        panel->removeComponentMark();
        QCOMPARE(bild1->picture(), before);

        // A click on the cell below the capacitor letter selects its row and stores the edit.
        list->setCurrentCell(r1 - 1, 1);
        typeText(list, "680");
        const Component& c = network().component(c1);
        QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(c.column, c.row + 1));
        QCOMPARE(network().component(r1).value, 680.0);
        QCOMPARE(list->currentRow(), c1 - 1);
        QVERIFY(list->hasFocus());
        QCOMPARE(bild1->picture().pixelColor(componentBox(c1).topLeft()), kMarkOnWhite);
        QCOMPARE(bild1->picture().pixelColor(componentBox(r1).topLeft()), QColor(Qt::white));
        QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(60, 60));
        QCOMPARE(list->currentRow(), c1 - 1);
    }

    void pickFromTheE12Table() {
        E12Picker* picker = window->picker;
        list->setCurrentCell(c1 - 1, 1);
        QTest::mouseClick(window->host->findChild<QPushButton*>("E12Ein"), Qt::LeftButton);
        QCOMPARE(picker->kind(), E12Kind::Capacitor);
        // Cell (4, 9) of the capacitor table: 47 nF.
        QTest::mouseClick(picker->table(), Qt::LeftButton, {},
                          QPoint(70 * 3 + 35, 11 + 17 * 8 + 8));
        QCOMPARE(list->item(c1 - 1, 1)->text(), QStringLiteral("47 nF"));
        QVERIFY(panel->flashFrame()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!panel->flashFrame()->isVisible(), 1000);
        // Selecting the resistor shows the resistor table.
        list->setCurrentCell(r1 - 1, 1);
        QCOMPARE(picker->kind(), E12Kind::Resistor);
        // Hidden, the value entry ignores the picker.
        panel->hide();
        QTest::mouseClick(picker->table(), Qt::LeftButton, {}, QPoint(35, 20));
        QCOMPARE(network().component(r1).value, 0.0);
    }

    void editingInTheGraphicModeWithdrawsTheResultModes() {
        editRow(r1, "1k");
        editRow(c1, "1u");
        QVERIFY(panel->BauteilOkayClick());
        ws->modes.enable(4, 4);
        QSignalSpy withdrawn(panel, &ValueEntryPanel::resultModesWithdrawn);
        list->setCurrentCell(r1 - 1, 1);
        typeText(list, "2");
        QCOMPARE(withdrawn.count(), 1);
        QVERIFY(!ws->calculation.valuesConfirmed());
        pressKey(list, Qt::Key_Return);
        window->modeRequests.clear();
        QVERIFY(panel->BauteilOkayClick());
        QCOMPARE(window->modeRequests, (QList<QPair<int, int>>{{4, 4}}));
    }
};

QTEST_MAIN(ValueEntryTest)
#include "value_entry_uitest.moc"
