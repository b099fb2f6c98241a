// The parameter panel on its own: switching on, picking the component, editing one value in
// eingFeld and picking up to five from the E12 table.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "analysis/calculation.h"
#include "analysis/ui/e12_picker.h"
#include "app/ui/scripted_dialogs.h"
#include "graphics/ui/parameter_panel.h"
#include "support/test_drawings.h"

namespace volmira {

namespace {

struct Panel {
    test::ScriptedDialogs& dialogs = test::ScriptedDialogs::install();
    Calculation calc;
    ParameterMode mode;
    QWidget host;
    E12Picker picker{&host};
    QWidget* miniature = new QWidget;
    ParameterPanel panel{mode, calc, picker, miniature, &host};

    Panel() {
        bool changed = false;
        calc.analyse(test::rcLowPass());
        calc.storeValue(findComponent(calc.network(), "R 1"), "1k", changed);
        calc.storeValue(findComponent(calc.network(), "C 1"), "1u", changed);
        host.resize(900, 700);
        panel.setGeometry(0, 0, 800, 240);
        host.show();
    }
    ~Panel() { installDialogs(nullptr); }
    QStringList captions() {
        QStringList out;
        for (int k = 1; k <= 5; ++k) out << label(QStringLiteral("pareg%1").arg(k))->text();
        return out;
    }
    QLabel* label(const QString& name) { return panel.findChild<QLabel*>(name); }
    void clickCell(int column, int row) {
        QTest::mouseClick(picker.table(), Qt::LeftButton, {},
                          QPoint(70 * (column - 1) + 5, 11 + 17 * (row - 1) + 5));
    }
};

}  // namespace

class ParameterPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void switchOnPickAndEditOneValue() {
        Panel f;
        QSignalSpy changes(&f.panel, &ParameterPanel::settingsChanged);
        f.panel.sbklein2MouseDown(1);  // covered while the mode is off
        QCOMPARE(f.mode.paramMode(), 0);
        QTest::mouseClick(f.panel.switchButton(), Qt::LeftButton);
        QCOMPARE(f.panel.switchButton()->text(), QString("Parameter-Modus wieder beenden"));
        QCOMPARE(f.label("NichtParPan")->height(), 30);
        f.panel.sbklein2MouseDown(findComponent(f.calc.network(), "R 1"));
        QCOMPARE(f.label("plab3")->text(), QString("R 1:   Normalwert:  = 1 kOhm"));
        QCOMPARE(f.captions(),
                 QStringList({"680 Ohm", "820 Ohm", "1 kOhm", "1,2 kOhm", "1,5 kOhm"}));
        QVERIFY(f.panel.findChild<QWidget*>("parkreis")->isVisible());

        QSignalSpy selections(&f.panel, &ParameterPanel::curveSelected);
        QTest::mouseClick(f.label("pareg2"), Qt::LeftButton);
        QTest::mouseDClick(f.label("pareg2"), Qt::LeftButton);
        QCOMPARE(selections.count(), 1);
        QCOMPARE(selections.front().front().toInt(), 2);
        QVERIFY(f.panel.findChild<QWidget*>("awrahm")->isVisible());
        QVERIFY(f.picker.isOpen());
        QVERIFY(f.picker.acceptButton()->isHidden());
        QLineEdit* field = f.panel.editField();
        QCOMPARE(field->geometry().topLeft(),
                 f.label("pareg2")->geometry().topLeft() + QPoint(3, 2));
        QCOMPARE(field->text(), QString("820 Ohm"));
        field->setText("2k");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(f.captions(),
                 QStringList({"680 Ohm", "1 kOhm", "1,2 kOhm", "1,5 kOhm", "2 kOhm"}));
        QVERIFY(!f.picker.isOpen());
        QVERIFY(field->isHidden());
        QVERIFY(!f.picker.handle()->isHidden());  // the picker is the value entry's again

        QTest::mouseClick(f.panel.switchButton(), Qt::LeftButton);
        QCOMPARE(f.mode.paramMode(), 0);
        QCOMPARE(changes.count(), 4);
    }

    void pickUpToFiveValues() {
        Panel f;
        QTest::mouseClick(f.panel.switchButton(), Qt::LeftButton);
        f.panel.sbklein2MouseDown(findComponent(f.calc.network(), "C 1"));
        QTest::mouseClick(f.label("alleNeu"), Qt::LeftButton);
        QCOMPARE(f.captions(), QStringList({"", "", "", "", ""}));
        QVERIFY(f.picker.acceptButton()->isVisible());
        QVERIFY(f.picker.label()->text().startsWith("Wählen Sie aus der Liste bis zu 5 Werte"));
        for (int row = 6; row >= 1; --row) f.clickCell(6, row);  // 2,7 uF down to 1 uF
        QCOMPARE(f.dialogs.lastText(test::ScriptedDialogs::Kind::Information),
                 QString::fromUtf8(kTooManyPickedMessage.data()));
        f.clickCell(6, 3);  // frees 1,5 uF
        QTest::mouseClick(f.picker.acceptButton(), Qt::LeftButton);
        QCOMPARE(f.captions(), QStringList({"1,2 uF", "1,8 uF", "2,2 uF", "2,7 uF", ""}));
        QVERIFY(!f.picker.isOpen());
    }
};

}  // namespace volmira

QTEST_MAIN(volmira::ParameterPanelTest)
#include "parameter_panel_uitest.moc"
