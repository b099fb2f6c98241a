// The settings file at start and at the end, and the options panel with its field rules.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "analysis/ui/results_panel.h"
#include "app/ui/hint_switch.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/options_panel.h"

using namespace volmira;
using volmira::test::MainWindow;
using Kind = volmira::test::ScriptedDialogs::Kind;

class TgrfOptionsTest : public QObject {
    Q_OBJECT
  private slots:
    void settingsReachTheWindowAndAreWrittenAtTheEnd() {
        MainWindow f;
        Settings stored;
        stored.mainWindow = WindowGeometry{100, 50, 2000, 1500, false};
        stored.options = {7, "2 V", "50 Hz", "10 Hz", "1 MHz", false, false};
        QVERIFY(writeSettingsFile(f.folder.path(), stored).ok());
        // As if the file had been there at start-up.
        f.ws().folderAccess = checkProgramFolder(f.folder.path());
        f.w().ReadSettings();
        QCOMPARE(f.find<QLineEdit>("FqEinzel")->text(), QString("50 Hz"));
        QCOMPARE(f.ws().fields.fqBis, std::string("1 MHz"));
        QCOMPARE(f.find<QLineEdit>("OpStZahl")->text(), QString("7"));
        QVERIFY(!f.w().hintSwitch()->isOn());
        QVERIFY(!f.ws().autoErrorSearch);

        f.w().placeForScreen({1024, 768});
        QCOMPARE(f.w().pos(), QPoint(0, 0));
        QCOMPARE(f.w().size(), QSize(1024, 768));
        f.w().resize(900, 700);
        f.w().close();
        const Settings written = readSettingsFile(f.folder.path()).settings;
        QCOMPARE(written.mainWindow->width, 900);
        QCOMPARE(written.mainWindow->height, 700);
        QVERIFY(written.options == stored.options);
    }

    void optionsPanelFieldsOkAndCancel() {
        MainWindow f;
        f.find<QAction>("Optionen1")->trigger();
        auto* panel = f.find<OptionsPanel>("optpan");
        QVERIFY(!panel->isHidden());
        auto* digits = f.find<QLineEdit>("OpStZahl");
        digits->clear();
        QTest::keyClicks(digits, "2");
        QCOMPARE(digits->text(), QString("3"));

        auto* frequency = f.find<QLineEdit>("OptFq");
        frequency->clear();
        QTest::keyClicks(frequency, "0");
        QTest::keyClick(frequency, Qt::Key_Return);
        QCOMPARE(f.dialogs.lastText(Kind::Information), QString("0 Hz nicht erlaubt!"));
        QCOMPARE(frequency->text(), QString("1 kHz"));

        // Abbruch shows the stored values again, OK takes the controls.
        f.find<QCheckBox>("OpKHinweis")->setChecked(false);
        f.find<QPushButton>("OpAbbruch")->click();
        QVERIFY(panel->isHidden());
        QCOMPARE(digits->text(), QString("5"));
        QVERIFY(f.find<QCheckBox>("OpKHinweis")->isChecked());
        f.find<QCheckBox>("OpKHinweis")->setChecked(false);
        digits->setText("4");
        f.find<QPushButton>("OpOK")->click();
        QCOMPARE(panel->options().displayDigits, 4);
        QVERIFY(!f.w().hintSwitch()->isOn());
    }

    void noteWhereTheSettingsCannotBeKept() {
        MainWindow f;
        f.w().ReadSettings();
        QVERIFY(f.find("OpHinweis")->isHidden());
        f.ws().folderAccess.readOnly = true;
        f.w().ReadSettings();
        QVERIFY(!f.find("OpHinweis")->isHidden());
        f.w().close();
        QVERIFY(!std::filesystem::exists(f.folder.path() / kSettingsFileName));
    }
};

VOLMIRA_UITEST_MAIN(TgrfOptionsTest)
#include "tgrf_options_uitest.moc"
