// Network files through the main window: open, save, save as, the recent files, deleting, and
// the question about unsaved work before it would be lost.
#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/failure_report.h"
#include "app/progress.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/status_panel.h"
#include "app/ui/tafel1.h"
#include "schematic/network_file.h"
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

const QString kFrequencyQuestion("Frequenzeingaben geändert!  Änderungen speichern?");

}  // namespace

class TgrfFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void openShowsTheDrawingAndFillsTheTables() {
        MainWindow f;
        const fs::path path = f.writeNetwork("loop.nwb", test::seriesLoopLines("4k7", "22n"));
        openThroughDialog(f, path);

        const test::ScriptedDialogs::Call* open = f.dialogs.last(Kind::Open);
        QVERIFY(open);
        QCOMPARE(open->text, QString("Netzwerkdatei öffnen"));
        QCOMPARE(open->filters, QStringList{"Netzwerke (*.nwb)"});
        QCOMPARE(progressCode, progress::kOpen);

        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(path));
        QVERIFY(test::inkPixels(f.w().bild1()->image()) > 100);
        QCOMPARE(f.ws().network.componentCount, 2);
        QCOMPARE(f.ws().confirmed.count, 2);
        QCOMPARE(f.ws().network.component(1).valueText, std::string("4k7"));
        QCOMPARE(f.ws().confirmed.records[1].value, 22e-9);
        QCOMPARE(f.ws().fields.fqEinzel, std::string("5 kHz"));
        QCOMPARE(f.find<QToolButton>("NwName1")->text(),
                 QString::fromStdString(recentFileCaption(path.string())));
        QVERIFY(f.find<QAction>("nwbn1")->isVisible());
        QVERIFY(!f.find<QAction>("nwbn2")->isVisible());
        QCOMPARE(f.ws().modes.workingMode(), 1);
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    void refusedFileChangesNothing() {
        MainWindow f;
        const fs::path good = f.writeNetwork("loop.nwb", test::seriesLoopLines());
        openThroughDialog(f, good);
        const QImage before = f.w().bild1()->image();
        LineList broken = test::seriesLoopLines();
        broken[1] = "zwölf";
        const fs::path bad = f.writeNetwork("broken.nwb", broken);
        openThroughDialog(f, bad);

        const QString message = f.dialogs.lastText(Kind::Error);
        QVERIFY2(message.contains("Zeile 2"), qPrintable(message));
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(good));
        QCOMPARE(f.w().bild1()->image(), before);
        QCOMPARE(f.ws().savedLines, test::seriesLoopLines());
        QVERIFY(f.find<QToolButton>("NwName2")->text().isEmpty());
    }

    void cancelledOpenChangesNothing() {
        MainWindow f;
        f.find<QAction>("nwOeffnen")->trigger();  // empty answer
        QCOMPARE(f.dialogs.count(Kind::Open), 1);
        QVERIFY(f.ws().grid.empty());
        QVERIFY(f.w().windowTitle().endsWith("OHNENAME.NWB"));
    }

    void saveOfTheUntitledNetworkAsksForAName() {
        MainWindow f;
        QVERIFY(f.w().windowTitle() == "Schaltung: " + q(f.folder.path() / "OHNENAME.NWB"));
        const fs::path target = f.folder.path() / "neu";
        f.dialogs.fileNames.push_back(q(target));
        QTest::mouseClick(f.find<QToolButton>("SbSpeichern1"), Qt::LeftButton);

        const test::ScriptedDialogs::Call* save = f.dialogs.last(Kind::Save);
        QVERIFY(save);
        QCOMPARE(save->text, QString("Netzwerk speichern"));
        QCOMPARE(save->filters, QStringList{"Netzwerke (*.nwb)"});
        const fs::path written = f.folder.path() / "neu.nwb";
        // Nothing drawn: the end mark, no records and the four fields.
        QCOMPARE(fileLines(written), (LineList{"0", "0", "1 V", "1 kHz", "20 Hz", "20 kHz"}));
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(written));
        QCOMPARE(f.w().statusPanel()->message(),
                 " Netzwerk wird gespeichert\n" + f.find<QToolButton>("NwName1")->text());
        QVERIFY(f.w().statusPanel()->isHidden());

        // Saved again: no dialog, same file.
        f.ws().fields.fqBis = "30 kHz";
        f.find<QAction>("NwSpeichern")->trigger();
        QCOMPARE(f.dialogs.count(Kind::Save), 1);
        QCOMPARE(fileLines(written).back(), std::string("30 kHz"));
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    void saveAsAsksBeforeReplacingAFile() {
        MainWindow f;
        const fs::path loop = f.writeNetwork("loop.nwb", test::seriesLoopLines());
        openThroughDialog(f, loop);
        const fs::path other = f.writeNetwork("other.nwb", {"0", "0", "a", "b", "c", "d"});

        f.dialogs.fileNames.push_back(q(other));
        f.dialogs.answers.push_back(false);
        f.find<QAction>("SpSpeichern1")->trigger();
        QVERIFY(f.dialogs.lastText(Kind::Question).contains("other.nwb"));
        QCOMPARE(fileLines(other), (LineList{"0", "0", "a", "b", "c", "d"}));
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(loop));

        f.dialogs.fileNames.push_back(q(other));
        f.dialogs.answers.push_back(true);
        f.find<QAction>("SpSpeichern1")->trigger();
        QCOMPARE(fileLines(other), test::seriesLoopLines());
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(other));
        QCOMPARE(f.ws().recent.pathOfSlot(1), other.string());
        QCOMPARE(f.ws().recent.pathOfSlot(2), loop.string());

        // Cancelled: nothing happens.
        f.find<QAction>("SpSpeichern1")->trigger();
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(other));
    }

    void failedWriteIsReportedAndChangesNothing() {
        MainWindow f;
        const fs::path loop = f.writeNetwork("loop.nwb", test::seriesLoopLines());
        openThroughDialog(f, loop);
        f.ws().fields.spEingabe = "5 V";
        const LineList saved = f.ws().savedLines;
        f.dialogs.fileNames.push_back(q(f.folder.path() / "fehlt" / "x.nwb"));
        f.find<QAction>("SpSpeichern1")->trigger();

        QCOMPARE(f.dialogs.lastText(Kind::Failure), QString::fromStdString(failureReportText(191)));
        QVERIFY(f.dialogs.lastText(Kind::Failure)
                    .startsWith("Beim Dateizugriff ist ein Fehler aufgetreten."));
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(loop));
        QCOMPARE(f.ws().savedLines, saved);
        QCOMPARE(f.ws().recent.pathOfSlot(1), loop.string());
        QVERIFY(f.w().statusPanel()->isHidden());
    }

    void recentFilesOpenBySlot() {
        MainWindow f;
        const fs::path first = f.writeNetwork("first.nwb", test::seriesLoopLines("1k"));
        const fs::path second = f.writeNetwork("second.nwb", test::seriesLoopLines("2k"));
        openThroughDialog(f, first);
        openThroughDialog(f, second);
        QCOMPARE(f.ws().recent.pathOfSlot(1), second.string());

        f.w().show();
        QApplication::setActiveWindow(&f.w());
        QTest::mouseClick(f.find<QToolButton>("NwName2"), Qt::LeftButton);
        QCOMPARE(progressCode, progress::kOpenRecent);
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(first));
        QCOMPARE(f.ws().network.component(1).valueText, std::string("1k"));
        // Moved to the newest slot without a copy.
        QCOMPARE(f.ws().recent.pathOfSlot(1), first.string());
        QCOMPARE(f.ws().recent.pathOfSlot(2), second.string());
        QVERIFY(f.ws().recent.pathOfSlot(3).empty());
        QCOMPARE(f.w().focusWidget(), static_cast<QWidget*>(f.w().tafel1()->analys()));

        // The menu entries do the same.
        f.find<QAction>("nwbn2")->trigger();
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(second));

        // An empty slot does nothing.
        const int calls = int(f.dialogs.calls.size());
        f.find<QToolButton>("NwName4")->click();
        f.find<QAction>("nwbn5")->trigger();
        QCOMPARE(int(f.dialogs.calls.size()), calls);
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(second));
    }

    void unsavedWorkIsAskedForBeforeOpening() {
        MainWindow f;
        const fs::path loop = f.writeNetwork("loop.nwb", test::seriesLoopLines("1k"));
        const fs::path next = f.writeNetwork("next.nwb", test::seriesLoopLines("9k"));
        openThroughDialog(f, loop);

        // Yes, but the save dialog is cancelled: the open is abandoned before its dialog.
        f.ws().fields.fqVon = "1 Hz";
        f.dialogs.answers.push_back(true);
        f.dialogs.fileNames.push_back(QString());
        f.find<QAction>("nwOeffnen")->trigger();
        QCOMPARE(f.dialogs.lastText(Kind::Question), kFrequencyQuestion);
        QCOMPARE(f.dialogs.last(Kind::Question)->offset, QPoint(200, 150));
        QCOMPARE(f.dialogs.count(Kind::Save), 1);
        QCOMPARE(f.dialogs.count(Kind::Open), 1);  // only the first open
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(loop));
        QCOMPARE(f.ws().fields.fqVon, std::string("1 Hz"));

        // Yes and saved: the changes are in the file, then the other one opens.
        const fs::path kept = f.folder.path() / "kept.nwb";
        f.dialogs.answers.push_back(true);
        f.dialogs.fileNames.push_back(q(kept));
        openThroughDialog(f, next);
        QCOMPARE(fileLines(kept)[fileLines(kept).size() - 2], std::string("1 Hz"));
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(next));

        // No: the changes go.
        f.ws().fields.fqVon = "2 Hz";
        f.dialogs.answers.push_back(false);
        f.w().NwName1Click(2);  // kept.nwb
        QCOMPARE(f.dialogs.lastText(Kind::Question), kFrequencyQuestion);
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(kept));
        QCOMPARE(f.ws().fields.fqVon, std::string("1 Hz"));
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    void newNetworkAsksBeforeDroppingUnsavedWork() {
        MainWindow f;
        const fs::path loop = f.writeNetwork("loop.nwb", test::seriesLoopLines());
        openThroughDialog(f, loop);
        f.ws().grid.set(40, 40, '1');
        f.dialogs.answers.push_back(true);  // save, but cancel the dialog: nothing is dropped
        f.dialogs.fileNames.push_back(QString());
        f.find<QAction>("NeuesNetzwerk1")->trigger();
        QCOMPARE(f.dialogs.lastText(Kind::Question), QString("Schaltbild speichern ?"));
        QCOMPARE(f.w().windowTitle(), "Schaltung: " + q(loop));
        QVERIFY(!f.ws().grid.empty());

        f.dialogs.answers.push_back(false);
        f.find<QAction>("Zeichnungloeschen1")->trigger();
        QVERIFY(f.ws().grid.empty());
        QVERIFY(f.w().windowTitle().endsWith("OHNENAME.NWB"));
        QCOMPARE(test::inkPixels(f.w().bild1()->image()), 0);
        QCOMPARE(progressCode, progress::kNewNetwork);
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    void shutdownAsksAndStaysOpenWhenSavingFails() {
        {
            MainWindow f;  // an empty drawing asks nothing
            f.w().show();
            QVERIFY(f.w().close());
            QCOMPARE(f.dialogs.count(Kind::Question), 0);
        }
        MainWindow f;
        const fs::path loop = f.writeNetwork("loop.nwb", test::seriesLoopLines());
        openThroughDialog(f, loop);
        f.ws().grid.set(40, 40, '1');  // a drawing change the editor made
        f.w().show();

        f.dialogs.answers.push_back(true);  // save, but cancel the dialog
        QVERIFY(!f.w().close());
        QVERIFY(f.w().isVisible());
        QCOMPARE(f.dialogs.lastText(Kind::Question), QString("Schaltbild speichern ?"));

        f.dialogs.answers.push_back(true);  // save into a folder that does not exist
        f.dialogs.fileNames.push_back(q(f.folder.path() / "fehlt" / "x.nwb"));
        QVERIFY(!f.w().close());
        QVERIFY(f.w().isVisible());
        QCOMPARE(f.dialogs.count(Kind::Failure), 1);

        const fs::path kept = f.folder.path() / "kept.nwb";
        f.dialogs.answers.push_back(true);
        f.dialogs.fileNames.push_back(q(kept));
        QVERIFY(f.w().close());
        QVERIFY(fs::exists(kept));
        QCOMPARE(f.ws().guardCode, guard::kClosing);
    }

    void shutdownWithoutSaving() {
        MainWindow f;
        const fs::path loop = f.writeNetwork("loop.nwb", test::seriesLoopLines());
        openThroughDialog(f, loop);
        f.ws().fields.spEingabe = "3 V";
        f.w().show();
        f.dialogs.answers.push_back(false);
        f.find<QAction>("Programmbeenden1")->trigger();
        QVERIFY(!f.w().isVisible());
        QCOMPARE(f.dialogs.lastText(Kind::Question),
                 QString("Eingangsspannung geändert!  Änderungen speichern?"));
        QCOMPARE(fileLines(loop), test::seriesLoopLines());
    }

    void deleteAsksAndDeletes() {
        MainWindow f;
        const fs::path doomed = f.writeNetwork("weg.nwb", test::seriesLoopLines());
        f.dialogs.fileNames.push_back(q(doomed));
        f.dialogs.answers.push_back(false);
        f.find<QAction>("NetwerkDateilschen1")->trigger();
        const test::ScriptedDialogs::Call* dialog = f.dialogs.last(Kind::Open);
        QCOMPARE(dialog->text, QString("Netzwerkdateien löschen"));
        QCOMPARE(dialog->filters, (QStringList{"Netzwerke (*.nwb)", "Netzwerke (Altform *.nwe)"}));
        QVERIFY(f.dialogs.lastText(Kind::Question).contains(q(doomed)));
        QVERIFY(fs::exists(doomed));
        QCOMPARE(progressCode, progress::kSave);

        f.dialogs.fileNames.push_back(q(doomed));
        f.dialogs.answers.push_back(true);
        f.find<QAction>("NetwerkDateilschen1")->trigger();
        QVERIFY(!fs::exists(doomed));
        QCOMPARE(f.dialogs.count(Kind::Failure), 0);

        // A file that cannot be deleted (here a folder with content) is reported.
        const fs::path stubborn = f.folder.path() / "fest.nwb";
        fs::create_directories(stubborn / "inhalt");
        f.dialogs.fileNames.push_back(q(stubborn));
        f.dialogs.answers.push_back(true);
        f.dialogs.choices.push_back(FailureChoice::Ignore);
        f.find<QAction>("NetwerkDateilschen1")->trigger();
        QCOMPARE(f.dialogs.lastText(Kind::Failure), QString::fromStdString(failureReportText(191)));
        QVERIFY(fs::exists(stubborn));
        QCOMPARE(f.dialogs.unexpected, 0);
    }
};

VOLMIRA_UITEST_MAIN(TgrfFilesTest)
#include "tgrf_files_uitest.moc"
