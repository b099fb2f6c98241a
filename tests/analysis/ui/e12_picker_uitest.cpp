// The E12 picker: the drawn table, clicks on computed cell positions, picked cells on navy, the
// drag handle that carries the shadow along, and "Abbruch".
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "analysis/ui/e12_picker.h"

using namespace volmira;
namespace L = volmira::e12_layout;

namespace {

// The middle of a cell in image pixels, from the click mapping's own rule.
QPoint cellCentre(int column, int row) {
    return {L::kCellWidth * (column - 1) + L::kCellWidth / 2,
            L::kRowOffset + L::kCellHeight * (row - 1) + L::kCellHeight / 2};
}

// Whether any pixel of the area is dark, or with `white`, pure white.
bool anyPixel(const QImage& image, QRect area, bool white = false) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (white ? image.pixel(x, y) == qRgb(255, 255, 255) : qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

// The picker in a host window, closed.
struct Host {
    QWidget host;
    E12Picker picker{&host};
    Host() {
        host.resize(900, 700);
        host.show();
    }
};

}  // namespace

class E12PickerTest : public QObject {
    Q_OBJECT
  private slots:
    // White with black column lines and the texts; no text runs into the next column: beside
    // every line up to the next text stays white.
    void tableIsWhiteWithColumnLinesAndTextsInTheirCells() {
        const QImage resistors = drawE12Table(E12Kind::Resistor, E12Selection());
        QCOMPARE(resistors.size(), QSize(560, 220));
        for (int c = 1; c <= 8; ++c)
            QCOMPARE(resistors.pixelColor(L::separatorX(c), 100), QColor(Qt::black));
        QCOMPARE(resistors.pixelColor(35, 5), QColor(Qt::white));
        // Text of cell (5, 3) "1,5 kOhm" starts at x = 292 with its top at y = 47.
        QVERIFY(anyPixel(resistors, QRect(L::textX(5), L::textY(3), 50, 14)));
        QVERIFY(!anyPixel(resistors, QRect(L::textX(5) - 10, L::textY(3), 8, 14)));
        for (E12Kind kind : {E12Kind::Resistor, E12Kind::Capacitor, E12Kind::Inductor}) {
            const QImage image = drawE12Table(kind, E12Selection());
            for (int c = 2; c <= 8; ++c) {
                const int line = L::separatorX(c);
                const QString where = QString("kind %1 column %2").arg(int(kind)).arg(c);
                QVERIFY2(!anyPixel(image, QRect(line - 1, 0, 1, image.height())),
                         qPrintable(where));
                QVERIFY2(
                    !anyPixel(image, QRect(line + 1, 0, L::textX(c) - line - 1, image.height())),
                    qPrintable(where));
            }
            QVERIFY(e12TableFont(kind).pixelSize() >= 9);
        }
        QCOMPARE(e12TableFont(E12Kind::Capacitor).family(), QString("Arial"));
    }

    void pickedCellsAreWhiteOnNavy() {
        E12Selection selection;
        QCOMPARE(selection.toggle(e12Cell(E12Kind::Capacitor, 4, 5).value), PickResult::Taken);
        const QImage image = drawE12Table(E12Kind::Capacitor, selection);
        const QPoint inside = cellCentre(4, 5) + QPoint(-30, -7);
        QCOMPARE(image.pixelColor(inside), QColor(0, 0, 128));
        QCOMPARE(image.pixelColor(cellCentre(4, 6) + QPoint(-30, -7)), QColor(Qt::white));
        // The text inside the navy cell is white.
        QVERIFY(anyPixel(image, QRect(L::textX(4), L::textY(5) + 2, 40, 10), true));
    }

    // A host area too small for the opening position moves the panel up, the position stays;
    // "Abbruch" hides panel and shadow.
    void opensWithShadowFitsAndCancelHidesBoth() {
        Host h;
        E12Picker& picker = h.picker;
        QVERIFY(!picker.isOpen());
        picker.open(E12Kind::Inductor);
        QVERIFY(picker.isOpen());
        QCOMPARE(picker.panel()->pos(), QPoint(180, 370));
        QCOMPARE(picker.shadow()->geometry(), picker.panel()->geometry().translated(10, 10));
        QVERIFY(picker.acceptButton()->isHidden());
        picker.fitInto(QRect(0, 50, 900, 550));
        QCOMPARE(picker.panel()->pos(), QPoint(180, 600 - 287 - 10));
        QCOMPARE(picker.shadow()->geometry().bottom(), 599);
        QCOMPARE(picker.position(), QPoint(180, 370));
        // Where it fits, it stays; an area too small keeps the top left corner in view.
        picker.open(E12Kind::Resistor);
        picker.fitInto(QRect(0, 0, 900, 700));
        QCOMPARE(picker.panel()->pos(), QPoint(180, 370));
        picker.fitInto(QRect(200, 100, 300, 200));
        QCOMPARE(picker.panel()->pos(), QPoint(200, 100));
        QSignalSpy closed(&picker, &E12Picker::closed);
        QTest::mouseClick(h.host.findChild<QPushButton*>("WerAbb"), Qt::LeftButton);
        QVERIFY(picker.panel()->isHidden());
        QVERIFY(picker.shadow()->isHidden());
        QCOMPARE(closed.count(), 1);
    }

    void dragHandleMovesPanelShadowAndNextOpening() {
        Host h;
        E12Picker& picker = h.picker;
        picker.open(E12Kind::Resistor);
        auto* handle = h.host.findChild<QFrame*>("ziehgriff");
        QVERIFY(handle);
        const QPoint start(20, 4);
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(-30, 25)),
                         QPointF(handle->mapToGlobal(start + QPoint(-30, 25))), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(handle, &move);
        QCOMPARE(picker.panel()->pos(), QPoint(150, 395));
        QCOMPARE(picker.shadow()->pos(), QPoint(160, 405));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, start + QPoint(-30, 25));
        QCOMPARE(picker.position(), QPoint(150, 395));
        picker.close();
        picker.open(E12Kind::Capacitor);
        QCOMPARE(picker.panel()->pos(), QPoint(150, 395));
    }
};

QTEST_MAIN(E12PickerTest)
#include "e12_picker_uitest.moc"
