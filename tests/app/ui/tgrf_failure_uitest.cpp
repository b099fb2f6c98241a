// The failure report: failures escaping event handlers (through the application's notify) and
// signal handlers reach MyExcept, whose text is chosen by the ProgressCode; "Ignorieren" goes on,
// "Abbruch" closes the main window.
#include <QAction>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <stdexcept>

#include "app/failure_report.h"
#include "app/progress.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/status_panel.h"

using namespace volmira;
using volmira::test::MainWindow;
using Kind = volmira::test::ScriptedDialogs::Kind;

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

class TgrfFailureTest : public QObject {
    Q_OBJECT
  private slots:
    void reportByCodeThroughNotify_data() {
        QTest::addColumn<int>("code");
        QTest::newRow("solver") << 23;
        QTest::newRow("step of a handler") << 4412;
    }
    void reportByCodeThroughNotify() {
        QFETCH(int, code);
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

    void abbruchClosesTheWindow() {
        MainWindow f;
        f.w().show();
        FailingControl control(f.w(), 4711);
        control.show();
        f.dialogs.choices.push_back(FailureChoice::Abort);
        QTest::mouseClick(&control, Qt::LeftButton);
        QCOMPARE(f.dialogs.count(Kind::Failure), 1);
        QTRY_VERIFY(!f.w().isVisible());
        QCOMPARE(f.dialogs.unexpected, 0);
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
        QCOMPARE(f.dialogs.lastText(Kind::Question),
                 QString("Frequenzeingaben geändert!  Änderungen speichern?"));
    }

    void failureInsideAMenuHandler() {
        // The open dialog fails: the open handler's code 181 stands.
        MainWindow f;
        f.dialogs.during = [](const test::ScriptedDialogs::Call& call) {
            if (call.kind == Kind::Open) throw std::runtime_error("dialog failed");
        };
        f.find<QAction>("nwOeffnen")->trigger();
        QCOMPARE(f.dialogs.count(Kind::Failure), 1);
        QCOMPARE(f.dialogs.lastText(Kind::Failure), QString::fromStdString(failureReportText(181)));
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

VOLMIRA_UITEST_MAIN(TgrfFailureTest)
#include "tgrf_failure_uitest.moc"
