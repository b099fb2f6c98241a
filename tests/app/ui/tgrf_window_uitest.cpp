// The main window's size and place by screen, the small-screen warning, the start-up steps,
// the title and its timer, the status panel, pictures of every mode, the failure report
// (failures escaping handlers reach MyExcept, "Ignorieren" goes on, "Abbruch" closes the
// window), the settings file at start and at the end, and the options panel. The working modes:
// the menu entries, buttons, labels and function keys follow the mode rules of the core, the
// panel and hint lines of each mode are shown, the timer blinks in the graphic mode, drawing
// changes withdraw the analysis, the schematic check marks its fault, Ctrl+M sets ground marks.
#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

#include "app/failure_report.h"
#include "app/hint_lines.h"
#include "app/ui/hint_image.h"
#include "app/ui/hint_switch.h"
#include "app/ui/main_timer.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/options_panel.h"
#include "app/ui/status_panel.h"
#include "app/ui/tafel1.h"
#include "app/ui/tafel4.h"
#include "app/ui/title_window.h"
#include "common/progress.h"
#include "schematic/ui/drawing_view.h"

using namespace volmira;
using volmira::test::MainWindow;
using Kind = volmira::test::ScriptedDialogs::Kind;
namespace fs = std::filesystem;

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);

// A control whose mouse handler fails after writing its code, with the status panel up and the
// hourglass shown, as a long operation would.
class FailingControl : public QWidget {
  public:
    FailingControl(Tgrf& window, std::int32_t code)
        : QWidget(&window), window_(window), code_(code) {
        resize(40, 40);
    }

  protected:
    void mousePressEvent(QMouseEvent*) override {
        progressCode = code_;
        window_.statusPanel()->showMessage("Bitte warten");
        QApplication::setOverrideCursor(Qt::WaitCursor);
        throw std::runtime_error("injected");
    }

  private:
    Tgrf& window_;
    std::int32_t code_;
};

// Enabled state of Mod1..4, wkmod1..4 and lm1..8 must agree; returns the four modes' state.
QList<bool> selectable(MainWindow& f) {
    QList<bool> result;
    for (int m = 1; m <= 4; ++m) {
        const bool menu = f.find<QAction>(qPrintable(QString("Mod%1").arg(m)))->isEnabled();
        const bool button = f.find(qPrintable(QString("wkmod%1").arg(m)))->isEnabled();
        const bool first = f.find(qPrintable(QString("lm%1").arg(2 * m - 1)))->isEnabled();
        const bool second = f.find(qPrintable(QString("lm%1").arg(2 * m)))->isEnabled();
        if (menu != button || menu != first || menu != second)
            qWarning("mode %d: menu, button and labels disagree", m);
        result << (menu && button && first && second);
    }
    return result;
}

QString visiblePanel(MainWindow& f) {
    QString shown;
    for (const char* name : {"tafel1", "Tafel2", "Tafel3", "tafel4"})
        if (!f.find(name)->isHidden()) shown += name;
    return shown;
}

void loadAndAnalyse(MainWindow& f) {
    const auto path = f.writeNetwork("loop.nwb", test::seriesLoopLines());
    QVERIFY(f.w().loadNetwork(path));
    QTest::mouseClick(f.find<QPushButton>("analys"), Qt::LeftButton);
}

}  // namespace

class TgrfWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void startupChecksTheFolderAndEndsInModeOne() {
        test::TempFolder folder;
        std::ofstream(folder.path() / "makrosb.mkr") << "x";
        Workspace ws;
        installDialogs(new test::ScriptedDialogs);
        Tgrf window(ws);
        window.startupInitialisation(folder.path(), {1280, 1024});
        QCOMPARE(progressCode, progress::kStartupEnd);
        QCOMPARE(window.windowTitle(),
                 "Schaltung: " + QString::fromStdString((folder.path() / "OHNENAME.NWB").string()));
        QVERIFY(!ws.folderAccess.readOnly);
        QCOMPARE(ws.modes.workingMode(), 1);

        Workspace elsewhere;
        Tgrf second(elsewhere);
        second.startupInitialisation(folder.path() / "fehlt", {1280, 1024});
        QVERIFY(elsewhere.folderAccess.readOnly);
        installDialogs(nullptr);
    }

    // The title closes on the first tick; the status panel shows beside the main window.
    void titleAndStatusPanel() {
        MainWindow f;
        f.w().showTitle();
        auto* title = f.w().findChild<Ttitform*>();
        QVERIFY(title->isVisible());
        f.w().startTitleTimer();
        QCOMPARE(f.w().timer()->state(), TimerState::ClosingTitle);
        QVERIFY(f.w().timer()->titleOpen());
        const QString folder = qEnvironmentVariable("VOLMIRA_SCREENSHOTS");
        if (!folder.isEmpty()) title->grab().save(QDir(folder).filePath("h5-title.png"));
        QTRY_VERIFY_WITH_TIMEOUT(!title->isVisible(), 3000);
        QVERIFY(!f.w().timer()->titleOpen());
        QVERIFY(!f.w().timer()->zeitgeber()->isActive());

        f.w().move(50, 60);
        f.w().show();
        f.w().statusPanel()->showMessage(" Netzwerk wird gespeichert\rC:...netz");
        StatusPanel* panel = f.w().statusPanel();
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->size(), QSize(227, 111));
        QCOMPARE(panel->pos(), f.w().frameGeometry().topLeft() + QPoint(230, 140));
        auto* label = panel->findChild<QLabel*>("Meldung");
        QCOMPARE(label->text(), QString(" Netzwerk wird gespeichert\nC:...netz"));
        if (!folder.isEmpty()) panel->grab().save(QDir(folder).filePath("h5-status.png"));
        f.w().statusPanel()->hideMessage();
        QVERIFY(!panel->isVisible());
    }

    // Every mode at the small and the large layout with its hint lines; the pictures go to
    // VOLMIRA_SCREENSHOTS when that is set.
    void everyModeRenders_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("800") << 800;
        QTest::newRow("1280") << 1280;
    }
    void everyModeRenders() {
        QFETCH(int, width);
        const ScreenSize screen = width < 1000 ? ScreenSize{800, 600} : ScreenSize{1280, 1024};
        MainWindow f(screen);
        const auto path = f.writeNetwork("Tiefpass.nwb", test::seriesLoopLines());
        QVERIFY(f.w().loadNetwork(path));
        // Placed by the core's window rules, with the warning of small screens.
        f.w().placeForScreen(screen);
        const WindowGeometry g = shownGeometry(screen, startupGeometry(screen));
        QCOMPARE(f.w().geometry().size(), QSize(g.width, g.height));
        QCOMPARE(bool(f.w().windowState() & Qt::WindowMaximized), g.maximised);
        if (width < 1000)
            QCOMPARE(f.find<QLabel>("Label3")->text(),
                     QString::fromStdString(screenWarningText(screen)));
        f.w().setWindowState(Qt::WindowNoState);
        f.w().resize(g.width, g.height);
        f.w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.w()));
        // The window scrolls only below the design size (the core's rule).
        const auto scrolling = width < 1000 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
        QCOMPARE(f.find<QScrollArea>("FormScroll")->horizontalScrollBarPolicy(), scrolling);
        QCOMPARE(f.find<QScrollArea>("FormScroll")->verticalScrollBarPolicy(), scrolling);
        auto* hints = f.find<HintImage>("prhbild");
        const QString folder = qEnvironmentVariable("VOLMIRA_SCREENSHOTS");
        for (int m = 1; m <= 4; ++m) {
            f.w().enableModes(4, m);
            QCoreApplication::processEvents();
            const QImage shot = f.w().grab().toImage();
            QCOMPARE(shot.size(), QSize(g.width, g.height));
            if (m < 4) {
                // The drawing shows in the frame of every mode but the graphic one.
                const QImage drawing = f.w().drawingView()->grab().toImage();
                QVERIFY2(test::inkPixels(drawing) > 100, qPrintable(QString::number(m)));
            }
            // Both hint lines of the mode are written.
            for (int top : {3, 18})
                QVERIFY2(test::inkPixels(hints->image(), QRect(5, top, 300, 12)) > 20,
                         qPrintable(QString::number(m)));
            if (!folder.isEmpty())
                shot.save(QDir(folder).filePath(QString("h5-mode%1-%2.png").arg(m).arg(width)));
            // The warning was seen once; the other pictures show what lies under it.
            QTest::mouseClick(f.find<QPushButton>("Button1"), Qt::LeftButton);
            QVERIFY(f.find("hw800pan")->isHidden());
        }
        // Too narrow for its lines: cut, and whole in the tooltip.
        hints->resize(200, HintImage::kHeight);
        hints->showLines(hintLines(4));
        QVERIFY(hints->toolTip().startsWith(QString::fromStdString(hintLines(4).first)));
    }

    // Failures escaping event handlers reach the report through the application's notify;
    // "Abbruch" goes through the closing question.
    void reportByCodeThroughNotify() {
        MainWindow f;
        QVERIFY(f.w().loadNetwork(f.writeNetwork("loop.nwb", test::seriesLoopLines())));
        f.w().show();
        FailingControl control(f.w(), 23);
        control.show();
        f.dialogs.choices.push_back(FailureChoice::Ignore);
        QTest::mouseClick(&control, Qt::LeftButton);

        QCOMPARE(f.dialogs.count(Kind::Failure), 1);
        const test::ScriptedDialogs::Call* report = f.dialogs.last(Kind::Failure);
        QCOMPARE(report->text, QString::fromStdString(failureReportText(23)));
        QCOMPARE(report->offset, QPoint(200, 200));
        // The panel that asked to wait is gone and the pointer is normal again.
        QVERIFY(f.w().statusPanel()->isHidden());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        // "Ignorieren" leaves the program running.
        QCoreApplication::processEvents();
        QVERIFY(f.w().isVisible());

        // The calculator's failure is reported with its own code.
        f.w().setCalculatorLauncher([] { throw std::runtime_error("no calculator"); });
        f.dialogs.choices.push_back(FailureChoice::Ignore);
        f.find<QAction>("Rechner")->trigger();
        QCOMPARE(f.dialogs.lastText(Kind::Failure), QString::fromStdString(failureReportText(995)));
        QCOMPARE(progressCode, progress::kCalculator);
        int started = 0;
        f.w().setCalculatorLauncher([&] { ++started; });
        f.find<QAction>("Rechner")->trigger();
        QCOMPARE(started, 1);
        QCOMPARE(f.dialogs.count(Kind::Failure), 2);

        f.ws().fields.fqEinzel = "3 kHz";
        f.dialogs.choices.push_back(FailureChoice::Abort);
        f.dialogs.answers.push_back(Answer::No);  // do not save
        QTest::mouseClick(&control, Qt::LeftButton);
        QTRY_VERIFY(!f.w().isVisible());
        QCOMPARE(f.dialogs.count(Kind::Question), 1);
        QCOMPARE(f.dialogs.unexpected, 0);
    }

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

    // The note shows where the settings cannot be kept, and nothing is written there.
    void optionsPanelFieldsOkAndCancelAndTheNote() {
        MainWindow f;
        f.w().ReadSettings();
        QVERIFY(f.find("OpHinweis")->isHidden());
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

        f.ws().folderAccess.readOnly = true;
        f.w().ReadSettings();
        QVERIFY(!f.find("OpHinweis")->isHidden());
        f.w().close();
        QVERIFY(!std::filesystem::exists(f.folder.path() / kSettingsFileName));
    }

    // The mode rules are the core's; here the menu, buttons, labels and keys reach them and
    // show the panel of each mode.
    void controlsFollowTheModes() {
        MainWindow f;
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));
        QCOMPARE(visiblePanel(f), QString("tafel1"));
        QVERIFY(f.find<Tafel1>("tafel1")->isAncestorOf(f.find("Bild1Rahmen")));
        f.w().show();
        QApplication::setActiveWindow(&f.w());
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));

        loadAndAnalyse(f);
        QCOMPARE(selectable(f), (QList<bool>{true, true, false, false}));
        QCOMPARE(visiblePanel(f), QString("Tafel2"));
        QVERIFY(f.find<QToolButton>("wkmod2")->isChecked());
        QVERIFY(!f.find<QMenu>("Zeichnen")->isEnabled());
        QVERIFY(f.w().statusPanel()->isHidden());

        f.w().enableModes(4, 3);  // as the confirmation of the values does
        QCOMPARE(selectable(f), (QList<bool>{true, true, true, true}));
        QTest::mouseClick(f.find<QLabel>("lm3"), Qt::LeftButton);  // chooses like its button
        QCOMPARE(f.ws().modes.workingMode(), 2);
        QTest::mouseClick(f.find<QToolButton>("wkmod3"), Qt::LeftButton);
        QCOMPARE(visiblePanel(f), QString("Tafel3"));
        QTest::keyClick(&f.w(), Qt::Key_F8);
        QCOMPARE(visiblePanel(f), QString("tafel4"));
        QTest::mouseClick(f.find<QToolButton>("wkmod1"), Qt::LeftButton);
        QCOMPARE(visiblePanel(f), QString("tafel1"));
        QVERIFY(f.find<QMenu>("Zeichnen")->isEnabled());
    }

    void graphicModeBlinksTheMarkerUntilACurveExists() {
        MainWindow f;
        f.w().enableModes(4, 4);
        MainTimer* timer = f.w().timer();
        QCOMPARE(timer->state(), TimerState::Blinking);
        QVERIFY(timer->zeitgeber()->isActive());
        QLabel* hand = f.find<QLabel>("hand");
        QCOMPARE(hand->palette().color(QPalette::WindowText), QColor(Qt::blue));
        f.w().ZeitgeberTimer();
        QVERIFY(hand->isHidden());
        f.w().ZeitgeberTimer();
        QVERIFY(!hand->isHidden());
        QCOMPARE(test::inkPixels(f.w().drawingView()->picture()), 0);  // blank for the curve
        f.w().lm1MouseDown(1);
        QVERIFY(!timer->zeitgeber()->isActive());
        QVERIFY(hand->isHidden());

        f.ws().graphic.voltage = f.ws().calculation.voltage();  // a curve of this voltage
        f.ws().graphic.plot->computedCount = 1;
        f.w().lm1MouseDown(4);
        QVERIFY(!timer->zeitgeber()->isActive());
        QVERIFY(hand->isHidden());
    }

    void drawingChangesWithdrawTheAnalysis() {
        MainWindow f;
        loadAndAnalyse(f);
        f.w().lm1MouseDown(2);  // ReachedMode 2
        f.w().lm1MouseDown(1);
        QCOMPARE(selectable(f), (QList<bool>{true, true, false, false}));
        QTest::mouseClick(f.find<QToolButton>("Sym4"), Qt::LeftButton);
        QTest::mouseClick(f.w().drawingView(), Qt::LeftButton, {}, QPoint(500, 500));
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));

        // A press alone in mode 1 withdraws the result modes.
        loadAndAnalyse(f);
        f.w().lm1MouseDown(1);
        QCOMPARE(selectable(f), (QList<bool>{true, true, false, false}));
        QTest::mouseClick(f.find<QToolButton>("Sym26"), Qt::LeftButton);
        QTest::mousePress(f.w().drawingView(), Qt::LeftButton, {}, QPoint(400, 400));
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));
        QCOMPARE(progressCode, progress::kMouseDown);
        QTest::mouseRelease(f.w().drawingView(), Qt::LeftButton, {}, QPoint(400, 400));
    }

    // Undo from the menu is the editor comforts' test.
    // An edit from the keys, with no press before it, withdraws the analysis too.
    void drawingMenuKeySetsGroundMarksAndWithdrawsTheAnalysis() {
        MainWindow f;
        loadAndAnalyse(f);
        f.w().lm1MouseDown(2);
        f.w().lm1MouseDown(1);
        stamp(f.ws().grid, 10, 40, 40);  // a wire end that leads down into an empty cell
        f.w().repaintDrawing();
        const SchematicGrid before = f.ws().grid;
        f.w().show();
        QApplication::setActiveWindow(&f.w());
        QVERIFY(QTest::qWaitForWindowActive(&f.w()));
        QTest::keyClick(&f.w(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(!(f.ws().grid == before));
        QCOMPARE(selectable(f), (QList<bool>{true, false, false, false}));
    }

    void schematicCheckMarksTheFaultAndRedraws() {
        MainWindow f;
        const auto path = f.writeNetwork("loop.nwb", test::seriesLoopLines());
        QVERIFY(f.w().loadNetwork(path));
        f.ws().grid.set(19, 15, '0');  // the corner at the bottom right: two wire ends open
        f.w().repaintDrawing();
        int redWhileShown = -1;
        f.dialogs.during = [&](const test::ScriptedDialogs::Call& call) {
            if (call.kind == Kind::Error)
                redWhileShown = test::pixelsOf(f.w().drawingView()->picture(), kRed);
        };
        f.find<QAction>("SchaltbildCheck1")->trigger();
        QCOMPARE(progressCode, progress::kSchematicCheck);
        QCOMPARE(f.dialogs.count(Kind::Error), 1);
        QVERIFY(redWhileShown > 40);
        QCOMPARE(test::pixelsOf(f.w().drawingView()->picture(), kRed), 0);
        QCOMPARE(f.dialogs.last(Kind::Error)->offset, QPoint(200, 260));

        // Before the analysis, with the check ticked, the analysis does not run.
        QTest::mouseClick(f.find<QPushButton>("analys"), Qt::LeftButton);
        QCOMPARE(f.dialogs.count(Kind::Error), 2);
        QCOMPARE(f.dialogs.count(Kind::Information), 0);
        QTest::mouseClick(f.find<QToolButton>("Schbcheck"), Qt::LeftButton);
        QCOMPARE(f.dialogs.count(Kind::Error), 3);
    }
};

VOLMIRA_UITEST_MAIN(TgrfWindowTest)
#include "tgrf_window_uitest.moc"
