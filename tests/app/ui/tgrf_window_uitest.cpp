// The main window's size and place by screen, the small-screen warning, the start-up steps,
// the title and its timer, the status panel, pictures of every mode, and the failure report:
// failures escaping handlers reach MyExcept, "Ignorieren" goes on, "Abbruch" closes the window.
#include <QAction>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "app/failure_report.h"
#include "app/progress.h"
#include "app/ui/main_timer.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/status_panel.h"
#include "app/ui/tafel4.h"
#include "app/ui/title_window.h"
#include "schematic/ui/drawing_view.h"

using namespace volmira;
using volmira::test::MainWindow;
using Kind = volmira::test::ScriptedDialogs::Kind;
namespace fs = std::filesystem;

namespace {

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

}  // namespace

class TgrfWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // The numbers are the core's window rules; here they reach the window.
    void placedForTheScreenWithTheWarningOfSmallScreens() {
        MainWindow f({800, 600});
        f.w().placeForScreen({800, 600});
        const WindowGeometry g = shownGeometry({800, 600}, startupGeometry({800, 600}));
        QCOMPARE(f.w().geometry().size(), QSize(g.width, g.height));
        QCOMPARE(bool(f.w().windowState() & Qt::WindowMaximized), g.maximised);
        QCOMPARE(f.find<QLabel>("Label3")->text(),
                 QString::fromStdString(screenWarningText({800, 600})));
        f.w().show();
        QTest::mouseClick(f.find<QPushButton>("Button1"), Qt::LeftButton);
        QVERIFY(f.find("hw800pan")->isHidden());
        f.w().placeForScreen({1280, 1024});
        QVERIFY(f.find("hw800pan")->isHidden());
    }

    void windowScrollsOnlyBelowTheDesignSize() {
        MainWindow f;
        f.w().show();
        auto* form = f.find<QScrollArea>("FormScroll");
        f.w().resize(800, 571);
        QTRY_COMPARE(f.w().width(), 800);
        QCOMPARE(form->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QCOMPARE(form->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QCOMPARE(progressCode, progress::kResize);
        f.w().resize(1024, 740);
        QTRY_COMPARE(f.w().width(), 1024);
        QCOMPARE(form->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(form->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

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
        QVERIFY(!ws.folderAccess.macroFileUnavailable);
        QCOMPARE(ws.modes.workingMode(), 1);
        QVERIFY(!window.findChild<QWidget*>("tafel1")->isHidden());

        Workspace elsewhere;
        Tgrf second(elsewhere);
        second.startupInitialisation(folder.path() / "fehlt", {1280, 1024});
        QVERIFY(elsewhere.folderAccess.readOnly);
        installDialogs(nullptr);
    }

    void titleClosesOnTheFirstTick() {
        MainWindow f;
        f.w().showTitle();
        auto* title = f.w().findChild<Ttitform*>();
        QVERIFY(title->isVisible());
        QCOMPARE(title->size(), QSize(Ttitform::kWidth, Ttitform::kHeight));
        f.w().startTitleTimer();
        QCOMPARE(f.w().timer()->state(), TimerState::ClosingTitle);
        QCOMPARE(f.w().timer()->zeitgeber()->interval(), 800);
        QVERIFY(f.w().timer()->titleOpen());
        const QString folder = qEnvironmentVariable("VOLMIRA_SCREENSHOTS");
        if (!folder.isEmpty()) title->grab().save(QDir(folder).filePath("h5-title.png"));
        QTRY_VERIFY_WITH_TIMEOUT(!title->isVisible(), 3000);
        QVERIFY(!f.w().timer()->titleOpen());
        QVERIFY(!f.w().timer()->zeitgeber()->isActive());
    }

    void statusPanelBesideTheMainWindow() {
        MainWindow f;
        f.w().move(50, 60);
        f.w().show();
        f.w().statusPanel()->showMessage(" Netzwerk wird gespeichert\rC:...netz");
        StatusPanel* panel = f.w().statusPanel();
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->size(), QSize(227, 111));
        QCOMPARE(panel->pos(), f.w().frameGeometry().topLeft() + QPoint(230, 140));
        auto* label = panel->findChild<QLabel*>("Meldung");
        QCOMPARE(label->text(), QString(" Netzwerk wird gespeichert\nC:...netz"));
        const QString folder = qEnvironmentVariable("VOLMIRA_SCREENSHOTS");
        if (!folder.isEmpty()) panel->grab().save(QDir(folder).filePath("h5-status.png"));
        f.w().statusPanel()->hideMessage();
        QVERIFY(!panel->isVisible());
    }

    // Every mode at the small and the large layout; the pictures go to VOLMIRA_SCREENSHOTS when
    // that is set.
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
        f.w().placeForScreen(screen);
        f.w().setWindowState(Qt::WindowNoState);
        const WindowGeometry g = shownGeometry(screen, startupGeometry(screen));
        f.w().resize(g.width, g.height);
        f.w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.w()));
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
            if (!folder.isEmpty())
                shot.save(QDir(folder).filePath(QString("h5-mode%1-%2.png").arg(m).arg(width)));
            // The warning was seen once; the other pictures show what lies under it.
            f.find("hw800pan")->hide();
        }
    }

    // Failures escaping event handlers reach the report through the application's notify.
    void reportByCodeThroughNotify() {
        const int code = 23;
        MainWindow f;
        f.w().show();
        FailingControl control(f.w(), code);
        control.show();
        QTest::mouseClick(&control, Qt::LeftButton);

        QCOMPARE(f.dialogs.count(Kind::Failure), 1);
        const test::ScriptedDialogs::Call* report = f.dialogs.last(Kind::Failure);
        QCOMPARE(report->text, QString::fromStdString(failureReportText(code)));
        QCOMPARE(report->offset, QPoint(200, 200));
        // The panel that asked to wait is gone and the pointer is normal again.
        QVERIFY(f.w().statusPanel()->isHidden());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        // "Ignorieren" (the scripted default here) leaves the program running.
        QCoreApplication::processEvents();
        QVERIFY(f.w().isVisible());
    }

    void abbruchGoesThroughTheClosingQuestion() {
        MainWindow f;
        const auto path = f.writeNetwork("loop.nwb", test::seriesLoopLines());
        QVERIFY(f.w().loadNetwork(path));
        f.ws().fields.fqEinzel = "3 kHz";
        f.w().show();
        FailingControl control(f.w(), 4711);
        control.show();
        f.dialogs.choices.push_back(FailureChoice::Abort);
        f.dialogs.answers.push_back(Answer::No);  // do not save
        QTest::mouseClick(&control, Qt::LeftButton);
        QTRY_VERIFY(!f.w().isVisible());
        QCOMPARE(f.dialogs.count(Kind::Question), 1);
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    void calculatorFailureReportsCode995() {
        MainWindow f;
        f.w().setCalculatorLauncher([] { throw std::runtime_error("no calculator"); });
        f.find<QAction>("Rechner")->trigger();
        QCOMPARE(f.dialogs.lastText(Kind::Failure), QString::fromStdString(failureReportText(995)));
        QCOMPARE(progressCode, progress::kCalculator);

        int started = 0;
        f.w().setCalculatorLauncher([&] { ++started; });
        f.find<QAction>("Rechner")->trigger();
        QCOMPARE(started, 1);
        QCOMPARE(f.dialogs.count(Kind::Failure), 1);
    }
};

VOLMIRA_UITEST_MAIN(TgrfWindowTest)
#include "tgrf_window_uitest.moc"
