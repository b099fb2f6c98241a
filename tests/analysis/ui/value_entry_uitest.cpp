// Component entry on an analysed RC low-pass: typing values into `BtListe`, storing with Enter
// and the cursor keys, refused texts, picking from the E12 table, the component mark in the
// drawing and the confirmation.
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
    QWidget* host = nullptr;
    DrawingView* bild1 = nullptr;
    E12Picker* picker = nullptr;
    ValueEntryPanel* panel = nullptr;
    ValueList* list = nullptr;
    test::RecordingDialogs* dialogs = nullptr;
    int r1 = 0, c1 = 0;

    void editRow(int component, const QString& text, Qt::Key finish = Qt::Key_Return) {
        list->setCurrentCell(component - 1, 1);
        typeText(list, text);
        pressKey(list, finish);
    }

    QRect componentBox(int k) const {
        const Component& c = ws->network.component(k);
        return c.code > 6 ? QRect((c.column - 1) * 9 - 2, (c.row - 2) * 9 - 2, 9, 27)
                          : QRect((c.column - 2) * 9 - 2, (c.row - 1) * 9 - 2, 27, 9);
    }

  private slots:
    void init() {
        window = std::make_unique<test::PanelWindow>();
        ws = window->ws.get();
        host = window->host.get();
        bild1 = window->bild1;
        picker = window->picker;
        panel = window->entry;
        list = panel->list();
        dialogs = window->dialogs;
        QVERIFY(window->open(test::rcLowPass()));
        r1 = componentNumber(ws->network, "R 1");
        c1 = componentNumber(ws->network, "C 1");
        QVERIFY(r1 && c1);
    }

    void cleanup() { window.reset(); }

    void listHasOneRowPerComponent() {
        QCOMPARE(host->findChild<ValueList*>("BtListe"), list);
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->item(r1 - 1, 0)->text(), QStringLiteral("R 1"));
        QCOMPARE(list->item(c1 - 1, 0)->text(), QStringLiteral("C 1"));
        QCOMPARE(list->rowHeight(0), 19);
        QCOMPARE(list->height(), 2 * 19 + 5);
        QVERIFY(!(list->item(0, 0)->flags() & Qt::ItemIsEditable));
    }

    void longListIsLimitedByThePanel() {
        window = std::make_unique<test::PanelWindow>();
        QVERIFY(window->open(test::rcLadder(20)));
        ValueList* longList = window->entry->list();
        QCOMPARE(longList->rowCount(), 40);
        QVERIFY(longList->height() < 40 * 19 + 5);
        // The buttons stay inside the panel, below the list.
        auto* ok = window->entry->confirmButton();
        QVERIFY(ok->geometry().top() > longList->geometry().bottom());
        QVERIFY(ok->geometry().bottom() < window->entry->height());
        // Growing the panel gives the list more rows.
        const int before = longList->height();
        window->entry->resize(window->entry->width(), 700);
        QVERIFY(longList->height() > before);
    }

    void enterStoresTheValueWithSevenDigits_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("value");
        QTest::newRow("full stop becomes comma") << "R 1"
                                                 << "4.7k"
                                                 << "4,7 kOhm" << 4700.0;
        QTest::newRow("full stop first") << "R 1"
                                         << ".5k"
                                         << "500 Ohm" << 500.0;
        QTest::newRow("unit typed") << "R 1"
                                    << "2,2 kOhm"
                                    << "2,2 kOhm" << 2200.0;
        QTest::newRow("exponent") << "R 1"
                                  << "1e3"
                                  << "1 kOhm" << 1000.0;
        QTest::newRow("seven digits") << "R 1"
                                      << "1,23456789k"
                                      << "1,234568 kOhm" << 1234.56789;
        QTest::newRow("milli ohm") << "R 1"
                                   << "10mOhm"
                                   << "10 mOhm" << 0.01;
        QTest::newRow("capacitor") << "C 1"
                                   << "0.1u"
                                   << "100 nF" << 1e-7;
        QTest::newRow("digits after prefix") << "C 1"
                                             << "4n7"
                                             << "4 nF" << 4e-9;
    }
    void enterStoresTheValueWithSevenDigits() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(double, value);
        const int k = componentNumber(ws->network, name.toStdString());
        editRow(k, typed);
        QCOMPARE(list->item(k - 1, 1)->text(), shown);
        QCOMPARE(QString::fromStdString(ws->network.component(k).valueText), shown);
        QVERIFY(qAbs(ws->network.component(k).value / value - 1) < 1e-12);
        QVERIFY(dialogs->messages.isEmpty());
    }

    void clickOnANameGoesToItsValue() {
        const QRect name = list->visualItemRect(list->item(c1 - 1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, name.center());
        QCOMPARE(list->currentRow(), c1 - 1);
        QCOMPARE(list->currentColumn(), 1);
        QCOMPARE(panel->markedComponent(), c1);
        typeText(list, "22n");
        pressKey(list, Qt::Key_Return);
        QCOMPARE(list->item(c1 - 1, 1)->text(), QStringLiteral("22 nF"));
    }

    void cursorKeysStoreAndMove() {
        list->setCurrentCell(0, 1);
        typeText(list, "3.3k");
        pressKey(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(ws->network.component(1).value, 3300.0);
        QCOMPARE(list->item(0, 1)->text(), QStringLiteral("3,3 kOhm"));
        typeText(list, "2.2u");
        pressKey(list, Qt::Key_Up);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(list->item(1, 1)->text(), QStringLiteral("2,2 uF"));
        // Without an open editor the cursor keys store the row they leave as well.
        list->item(0, 1)->setText(QStringLiteral("47"));
        pressKey(list, Qt::Key_Down);
        QCOMPARE(ws->network.component(1).value, 47.0);
        QCOMPARE(list->item(0, 1)->text(), QStringLiteral("47 Ohm"));
    }

    void unconvertibleTextIsReportedAndNotStored_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("two commas") << "1,2,3";
        QTest::newRow("sign inside") << "12-3";
        QTest::newRow("empty exponent") << "1e";
    }
    void unconvertibleTextIsReportedAndNotStored() {
        QFETCH(QString, typed);
        editRow(r1, "1k");
        QSignalSpy confirmed(panel, &ValueEntryPanel::valuesConfirmed);
        editRow(r1, typed);
        QCOMPARE(dialogs->messages.size(), 1);
        QVERIFY(dialogs->messages[0].contains(typed));
        QVERIFY(dialogs->messages[0].contains(QStringLiteral("R 1")));
        QCOMPARE(ws->network.component(r1).value, 1000.0);
        // Confirming refuses the text once more and nothing is calculated.
        editRow(c1, "1u");
        QTest::mouseClick(panel->confirmButton(), Qt::LeftButton);
        QCOMPARE(dialogs->messages.size(), 2);
        QVERIFY(dialogs->messages[1].contains(typed));
        QCOMPARE(confirmed.count(), 0);
        QVERIFY(!ws->valuesConfirmed);
        QCOMPARE(list->currentRow(), r1 - 1);
    }

    void confirmationRefusesAnUnstoredTextInTheOpenEditor() {
        editRow(r1, "1k");
        editRow(c1, "1u");
        list->setCurrentCell(r1 - 1, 1);
        typeText(list, "1,2,3");  // no Enter: the editor is still open
        QSignalSpy confirmed(panel, &ValueEntryPanel::valuesConfirmed);
        QTest::mouseClick(panel->confirmButton(), Qt::LeftButton);
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(confirmed.count(), 0);
    }

    void zeroCapacitorIsRefused() {
        editRow(r1, "1k");
        QSignalSpy confirmed(panel, &ValueEntryPanel::valuesConfirmed);
        QSignalSpy modes(panel, &ValueEntryPanel::modesRequested);
        QTest::mouseClick(panel->confirmButton(), Qt::LeftButton);
        QCOMPARE(dialogs->messages,
                 QStringList{QStringLiteral("Kondensator mit Wert 0!  Dies ist nicht erlaubt!")});
        QCOMPARE(confirmed.count(), 0);
        QCOMPARE(modes.count(), 0);
        QCOMPARE(list->currentRow(), c1 - 1);
        QVERIFY(!ws->valuesConfirmed);
        // "0" typed explicitly is refused the same way.
        editRow(c1, "0");
        QTest::mouseClick(panel->confirmButton(), Qt::LeftButton);
        QCOMPARE(dialogs->messages.size(), 2);
        QCOMPARE(confirmed.count(), 0);
    }

    void confirmationSumsKeepsTheListAndAsksForMode3() {
        editRow(r1, "1k");
        editRow(c1, "159,155n");
        QSignalSpy confirmed(panel, &ValueEntryPanel::valuesConfirmed);
        QSignalSpy modes(panel, &ValueEntryPanel::modesRequested);
        QTest::mouseClick(host->findChild<QPushButton*>("BtOK"), Qt::LeftButton);
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(confirmed.count(), 1);
        QCOMPARE(modes.count(), 1);
        QCOMPARE(modes[0][0].toInt(), 4);
        QCOMPARE(modes[0][1].toInt(), 3);
        QVERIFY(ws->valuesConfirmed);
        QVERIFY(ws->modes.valuesUnchanged());
        QCOMPARE(ws->confirmed.count, 2);
        QCOMPARE(ws->confirmed.records[std::size_t(r1 - 1)].value, 1000.0);
        const Branch& rBranch = ws->network.branch(ws->network.component(r1).branch);
        const Branch& cBranch = ws->network.branch(ws->network.component(c1).branch);
        QCOMPARE(rBranch.R, 1000.0);
        QVERIFY(qAbs(cBranch.C / 159.155e-9 - 1) < 1e-12);
        QCOMPARE(panel->markedComponent(), 0);  // the mark left with the value entry
    }

    void selectingARowMarksItsComponent() {
        const QImage before = bild1->image();
        list->setCurrentCell(c1 - 1, 1);
        QCOMPARE(panel->markedComponent(), c1);
        const QRect box = componentBox(c1);
        QCOMPARE(bild1->image().pixelColor(box.topLeft()), kMarkOnWhite);
        QCOMPARE(bild1->image().pixelColor(box.bottomRight()), kMarkOnWhite);
        list->setCurrentCell(r1 - 1, 1);
        QCOMPARE(panel->markedComponent(), r1);
        QCOMPARE(bild1->image().pixelColor(box.topLeft()), QColor(Qt::white));
        panel->removeComponentMark();
        QCOMPARE(bild1->image(), before);
    }

    void clickOnAComponentInTheDrawingSelectsItsRow() {
        list->setCurrentCell(r1 - 1, 1);
        const Component& c = ws->network.component(c1);
        // The cell below the capacitor letter belongs to the capacitor's symbol as well.
        QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(c.column, c.row + 1));
        QCOMPARE(list->currentRow(), c1 - 1);
        QCOMPARE(panel->markedComponent(), c1);
        QVERIFY(list->hasFocus());
        QCOMPARE(bild1->image().pixelColor(componentBox(c1).topLeft()), kMarkOnWhite);
        QCOMPARE(bild1->image().pixelColor(componentBox(r1).topLeft()), QColor(Qt::white));
        // An empty cell changes nothing.
        QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(60, 60));
        QCOMPARE(list->currentRow(), c1 - 1);
    }

    void clickInTheDrawingStoresTheEditedRow() {
        list->setCurrentCell(r1 - 1, 1);
        typeText(list, "680");
        const Component& c = ws->network.component(c1);
        QTest::mouseClick(bild1, Qt::LeftButton, {}, cellCentre(c.column, c.row));
        QCOMPARE(ws->network.component(r1).value, 680.0);
        QCOMPARE(list->item(r1 - 1, 1)->text(), QStringLiteral("680 Ohm"));
    }

    void pickFromTheE12Table() {
        list->setCurrentCell(c1 - 1, 1);
        QTest::mouseClick(host->findChild<QPushButton*>("E12Ein"), Qt::LeftButton);
        QVERIFY(picker->isOpen());
        QCOMPARE(picker->kind(), E12Kind::Capacitor);
        // Cell (4, 9) of the capacitor table: 47 nF.
        QTest::mouseClick(picker->table(), Qt::LeftButton, {},
                          QPoint(70 * 3 + 35, 11 + 17 * 8 + 8));
        QCOMPARE(list->item(c1 - 1, 1)->text(), QStringLiteral("47 nF"));
        QVERIFY(qAbs(ws->network.component(c1).value / 47e-9 - 1) < 1e-12);
        QVERIFY(panel->flashFrame()->isVisible());
        QCOMPARE(panel->flashFrame()->geometry(), list->visualItemRect(list->item(c1 - 1, 1)));
        QTRY_VERIFY_WITH_TIMEOUT(!panel->flashFrame()->isVisible(), 1000);
        // Selecting the resistor shows the resistor table; its cell (5, 3) is 1,5 kOhm.
        list->setCurrentCell(r1 - 1, 1);
        QCOMPARE(picker->kind(), E12Kind::Resistor);
        QTest::mouseClick(picker->table(), Qt::LeftButton, {},
                          QPoint(70 * 4 + 35, 11 + 17 * 2 + 8));
        QCOMPARE(list->item(r1 - 1, 1)->text(), QStringLiteral("1,5 kOhm"));
        QCOMPARE(ws->network.component(r1).value, 1500.0);
    }

    void pickerClicksAreIgnoredWhileTheValueEntryIsHidden() {
        list->setCurrentCell(r1 - 1, 1);
        panel->E12EinClick();
        panel->hide();
        QTest::mouseClick(picker->table(), Qt::LeftButton, {}, QPoint(35, 20));
        QCOMPARE(ws->network.component(r1).value, 0.0);
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
        QVERIFY(!ws->valuesConfirmed);
        pressKey(list, Qt::Key_Return);
        QSignalSpy modes(panel, &ValueEntryPanel::modesRequested);
        QVERIFY(panel->BauteilOkayClick());
        QVERIFY(ws->valuesConfirmed);
        QCOMPARE(modes.count(), 1);
        QCOMPARE(modes[0][1].toInt(), 4);  // stays in the graphic mode
    }
};

QTEST_MAIN(ValueEntryTest)
#include "value_entry_uitest.moc"
