// Network files through the main window: open (from the dialog, the recent files and the
// command line), save and save as with the folders and names the dialogs start with, deleting,
// and the question about unsaved work with "Ja", "Nein" and "Abbrechen".
#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/failure_report.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/status_panel.h"
#include "common/progress.h"
#include "schematic/network_file.h"
#include "schematic/recent_files.h"
#include "schematic/ui/drawing_view.h"

using namespace volmira;
using volmira::test::MainWindow;
using Kind = volmira::test::ScriptedDialogs::Kind;
namespace fs = std::filesystem;

namespace {

QString q(const fs::path& path) {
    return QString::fromStdString(path.string());
}

LineList fileLines(const fs::path& path) {
    return readTextLines(path).lines;
}

// Opens a file through the menu entry and the open dialog.
void openThroughDialog(MainWindow& f, const fs::path& path) {
    f.dialogs.fileNames.push_back(q(path));
    f.find<QAction>("nwOeffnen")->trigger();
}

}  // namespace

class TgrfFilesTest : public QObject {
    Q_OBJECT
  private slots:
    // Opened from the command line, a file is named from the folder the program was started in.
    void openShowsTheNetworkRefusedFilesChangeNothingRecentFilesOpenBySlot() {
        MainWindow f;
        const fs::path path = f.writeNetwork("loop.nwb", test::seriesLoopLines("4k7", "22n"));
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(q(f.folder.path()));
        f.w().openFromCommandLine("loop.nwb");
        QDir::setCurrent(cwd);
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(path));
        QVERIFY(test::inkPixels(f.w().drawingView()->picture()) > 100);
        // The button shows the file name whole, however long the folder's name; the menu has
        // room for the whole caption.
        const auto* recent = f.find<QToolButton>("NwName1");
        QVERIFY(recent->text().endsWith("/loop.nwb"));
        QVERIFY(recent->sizeHint().width() <= recent->maximumWidth());
        QCOMPARE(f.find<QAction>("nwbn1")->text(),
                 QString::fromStdString(recentFileCaption(path.string())));
        QVERIFY(f.find<QAction>("nwbn1")->isVisible());
        QCOMPARE(f.find<QAction>("nwbn1")->toolTip(), q(path));
        QVERIFY(!f.find<QAction>("nwbn2")->isVisible());

        const QImage before = f.w().drawingView()->picture();
        LineList broken = test::seriesLoopLines();
        broken[1] = "zwölf";
        openThroughDialog(f, f.writeNetwork("broken.nwb", broken));
        const test::ScriptedDialogs::Call* open = f.dialogs.last(Kind::Open);
        QCOMPARE(open->text, QString("Netzwerkdatei öffnen"));
        QCOMPARE(open->filters, QStringList{"Netzwerke (*.nwb)"});
        QVERIFY(f.dialogs.lastText(Kind::Error).contains("Zeile 2"));
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(path));
        QCOMPARE(f.w().drawingView()->picture(), before);
        QVERIFY(f.find<QToolButton>("NwName2")->text().isEmpty());

        // The recent files open by slot.
        const fs::path second = f.writeNetwork("second.nwb", test::seriesLoopLines("2k"));
        openThroughDialog(f, second);
        f.w().show();
        QApplication::setActiveWindow(&f.w());
        QTest::mouseClick(f.find<QToolButton>("NwName2"), Qt::LeftButton);
        QCOMPARE(progressCode, progress::kOpenRecent);
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(path));
        QCOMPARE(f.ws().recent.pathOfSlot(2), second.string());
        QCOMPARE(f.w().focusWidget(), f.find("analys"));
        f.find<QAction>("nwbn2")->trigger();
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(second));
        const std::size_t calls = f.dialogs.calls.size();
        f.find<QToolButton>("NwName4")->click();  // empty: nothing happens
        QCOMPARE(f.dialogs.calls.size(), calls);
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    // Where the dialogs start and what they propose is the file session's; here a first save
    // asks for a name, writes and names the window, and a second one writes without asking.
    void saveAsksForANameOnceAndShowsTheStatusPanel() {
        MainWindow f;
        const fs::path elsewhere = f.folder.path() / "netze";
        fs::create_directories(elsewhere);
        f.dialogs.fileNames.push_back(q(elsewhere / "neu"));
        QTest::mouseClick(f.find<QToolButton>("SbSpeichern1"), Qt::LeftButton);
        QCOMPARE(f.dialogs.last(Kind::Save)->folder, QDir::homePath());
        const fs::path written = elsewhere / "neu.nwb";
        // Nothing drawn: the end mark, no records and the four fields.
        QCOMPARE(fileLines(written), (LineList{"0", "0", "1 V", "1 kHz", "20 Hz", "20 kHz"}));
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(written));
        QCOMPARE(f.w().statusPanel()->message(),
                 " Netzwerk wird gespeichert\n" + f.find<QToolButton>("NwName1")->text());
        QVERIFY(f.w().statusPanel()->isHidden());

        f.find<QAction>("SpSpeichern1")->trigger();
        QCOMPARE(f.dialogs.last(Kind::Save)->proposedName, QString("neu.nwb"));
        f.ws().fields.fqBis = "30 kHz";
        const int saveDialogs = f.dialogs.count(Kind::Save);
        f.find<QAction>("NwSpeichern")->trigger();
        QCOMPARE(f.dialogs.count(Kind::Save), saveDialogs);
        QCOMPARE(fileLines(written).back(), std::string("30 kHz"));
    }

    // Save as asks before replacing a file; a failed write is reported and changes nothing.
    void saveAsAsksBeforeReplacingAFileAndShutdownAsks() {
        MainWindow f;
        const fs::path loop = f.writeNetwork("loop.nwb", test::seriesLoopLines());
        openThroughDialog(f, loop);
        f.ws().fields.spEingabe = "5 V";
        const LineList saved = f.ws().savedLines;
        f.dialogs.fileNames.push_back(q(f.folder.path() / "fehlt" / "x.nwb"));
        f.find<QAction>("SpSpeichern1")->trigger();
        QCOMPARE(f.dialogs.lastText(Kind::Failure), QString::fromStdString(failureReportText(191)));
        QVERIFY(f.dialogs.lastText(Kind::Error).contains("fehlt"));
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(loop));
        QCOMPARE(f.ws().savedLines, saved);
        QVERIFY(f.w().statusPanel()->isHidden());

        f.ws().fields.spEingabe = "2 V";  // as the file has it
        const fs::path other = f.writeNetwork("other.nwb", {"0", "0", "a", "b", "c", "d"});
        for (Answer answer : {Answer::No, Answer::Yes}) {
            f.dialogs.fileNames.push_back(q(other));
            f.dialogs.answers.push_back(answer);
            f.find<QAction>("SpSpeichern1")->trigger();
        }
        QCOMPARE(f.dialogs.count(Kind::Question), 2);
        QCOMPARE(fileLines(other), test::seriesLoopLines());
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(other));
        QCOMPARE(f.ws().recent.pathOfSlot(2), loop.string());

        // Shutdown asks, and stays open unless the work is settled.
        f.w().show();
        QVERIFY(f.w().close());  // nothing changed: nothing asked
        QCOMPARE(f.dialogs.count(Kind::Question), 2);
        f.w().show();
        f.ws().grid.set(40, 40, '1');  // a drawing change the editor made
        f.dialogs.answers.push_back(Answer::Cancel);
        QVERIFY(!f.w().close());
        QVERIFY(f.w().isVisible());
        QCOMPARE(f.dialogs.count(Kind::Question), 3);
        fs::remove(other);
        fs::create_directories(other / "inhalt");  // the file cannot be written
        f.dialogs.answers.push_back(Answer::Yes);
        QVERIFY(!f.w().close());
        fs::remove_all(other);
        QVERIFY(f.w().isVisible());
        QCOMPARE(f.dialogs.count(Kind::Failure), 2);
        f.dialogs.answers.push_back(Answer::Yes);
        QVERIFY(f.w().close());
        QVERIFY(fileLines(other) != test::seriesLoopLines());
        QVERIFY(f.ws().closingConfirmed);
    }

    void unsavedWorkIsAskedForBeforeOpeningOrANewNetwork() {
        MainWindow f;
        const fs::path loop = f.writeNetwork("loop.nwb", test::seriesLoopLines("1k"));
        const fs::path next = f.writeNetwork("next.nwb", test::seriesLoopLines("9k"));
        openThroughDialog(f, loop);

        // "Abbrechen": the open is abandoned before its dialog.
        f.ws().fields.fqVon = "1 Hz";
        f.dialogs.answers.push_back(Answer::Cancel);
        f.find<QAction>("nwOeffnen")->trigger();
        QCOMPARE(f.dialogs.last(Kind::Question)->offset, QPoint(200, 150));
        QCOMPARE(f.dialogs.count(Kind::Open), 1);  // only the first open
        QCOMPARE(f.ws().fields.fqVon, std::string("1 Hz"));

        // "Ja": the named file is saved where it is, without a dialog, then the other opens.
        f.dialogs.answers.push_back(Answer::Yes);
        openThroughDialog(f, next);
        QCOMPARE(f.dialogs.count(Kind::Save), 0);
        QCOMPARE(fileLines(loop)[fileLines(loop).size() - 2], std::string("1 Hz"));
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(next));

        // "Nein": the changes go.
        f.ws().fields.fqVon = "2 Hz";
        f.dialogs.answers.push_back(Answer::No);
        f.w().NwName1Click(2);  // loop.nwb
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(loop));
        QCOMPARE(f.ws().fields.fqVon, std::string("1 Hz"));

        // So is a new network.
        f.ws().grid.set(40, 40, '1');
        f.dialogs.answers.push_back(Answer::Cancel);
        f.find<QAction>("NeuesNetzwerk1")->trigger();
        QCOMPARE(f.dialogs.count(Kind::Question), 4);
        QVERIFY(!f.ws().grid.empty());

        f.dialogs.answers.push_back(Answer::No);
        f.find<QAction>("Zeichnungloeschen1")->trigger();
        QVERIFY(f.ws().grid.empty());
        QVERIFY(f.w().windowTitle().endsWith("OHNENAME.NWB"));
        QCOMPARE(test::inkPixels(f.w().drawingView()->picture()), 0);
        QCOMPARE(progressCode, progress::kNewNetwork);
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    // A missing file named on the command line keeps the new network.
    void missingFileOnTheCommandLineAndDeleteAsksAndDeletes() {
        MainWindow f;
        f.w().openFromCommandLine(f.folder.path() / "fehlt.nwb");
        QCOMPARE(f.dialogs.count(Kind::Error), 1);
        QVERIFY(f.w().windowTitle().endsWith("OHNENAME.NWB"));
        QVERIFY(f.ws().grid.empty());

        const fs::path doomed = f.writeNetwork("weg.nwb", test::seriesLoopLines());
        f.dialogs.fileNames.push_back(q(doomed));
        f.dialogs.answers.push_back(Answer::No);
        f.find<QAction>("NetwerkDateilschen1")->trigger();
        QCOMPARE(f.dialogs.last(Kind::Open)->filters.size(), 2);
        QVERIFY(f.dialogs.lastText(Kind::Question).contains(q(doomed)));
        QVERIFY(fs::exists(doomed));

        f.dialogs.fileNames.push_back(q(doomed));
        f.dialogs.answers.push_back(Answer::Yes);
        f.find<QAction>("NetwerkDateilschen1")->trigger();
        QVERIFY(!fs::exists(doomed));

        // A file that cannot be deleted (here a folder with content) is reported.
        const fs::path stubborn = f.folder.path() / "fest.nwb";
        fs::create_directories(stubborn / "inhalt");
        f.dialogs.fileNames.push_back(q(stubborn));
        f.dialogs.answers.push_back(Answer::Yes);
        f.dialogs.choices.push_back(FailureChoice::Ignore);
        f.find<QAction>("NetwerkDateilschen1")->trigger();
        QCOMPARE(f.dialogs.lastText(Kind::Failure), QString::fromStdString(failureReportText(191)));
        QCOMPARE(f.dialogs.unexpected, 0);
    }
};

VOLMIRA_UITEST_MAIN(TgrfFilesTest)
#include "tgrf_files_uitest.moc"
