// Whole installations through the installer's windows into a temporary home folder, answered by
// scripted prompts: files arrive byte-identical, the Start-menu entries pass desktop-file-validate,
// and "Abbrechen" ends the installation. Set SETUP_SCREENSHOTS to a folder to keep pictures.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <fstream>
#include <functional>
#include <map>

#include "installer.h"
#include "next_answer.h"
#include "platform/system_folders.h"
#include "texts.h"
#include "ui/prompts.h"
#include "ui/qt_installer_ui.h"

namespace fs = std::filesystem;
using namespace setup;

namespace {

// Answers from queues; each modal dialog is shown, handed to the script kept under its object
// name, and ends with whatever the script did.
class ScriptedPrompts : public Prompts {
  public:
    std::deque<bool> cancelAnswers;
    std::deque<CopyErrorChoice> copyChoices;
    std::map<QString, std::function<void(QDialog&)>> scripts;
    std::function<void(QWidget*)> duringCopyError;
    QStringList shown;

    void error(QWidget*, const QString& text) override { shown << text; }
    bool confirmCancel(QWidget*) override {
        shown << QString::fromUtf8(kConfirmCancel);
        return test::nextAnswer(cancelAnswers, false);
    }
    bool spaceShort(QWidget*) override {
        shown << QString::fromUtf8(kSpaceShort);
        return false;
    }
    CopyErrorChoice copyError(QWidget* parent, const QString& text) override {
        shown << text;
        if (duringCopyError) duringCopyError(parent);
        return test::nextAnswer(copyChoices, CopyErrorChoice::Abort);
    }
    int run(QDialog& dialog) override {
        dialog.show();
        if (scripts.count(dialog.objectName())) scripts[dialog.objectName()](dialog);
        dialog.hide();
        return dialog.result();
    }
};

QString labelText(QWidget& w, const char* id) {
    return w.findChild<QLabel*>(id)->text();
}

void click(QWidget& w, const char* id) {
    QTest::mouseClick(w.findChild<QPushButton*>(id), Qt::LeftButton);
}

QByteArray contents(const fs::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const fs::path& path, const QByteArray& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
}

// desktop-file-validate's complaints, empty for a valid file.
QString validationErrors(const fs::path& file) {
    QProcess validate;
    validate.start("desktop-file-validate", {QString::fromStdString(file.string())});
    if (!validate.waitForFinished(30000)) return "desktop-file-validate did not run";
    const QString out = validate.readAllStandardOutput() + validate.readAllStandardError();
    return validate.exitCode() == 0 ? out : out + " (exit code not 0)";
}

void keepPicture(QWidget& widget, const char* name) {
    const QByteArray folder = qgetenv("SETUP_SCREENSHOTS");
    if (!folder.isEmpty()) widget.grab().save(QString(folder) + "/" + name + ".png");
}

}  // namespace

class SetupInstallTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir home_;
    ScriptedPrompts* prompts_ = nullptr;

    // As an ordinary user, whoever runs the test.
    InstallerSystem system(const fs::path& medium) {
        Environment env = currentEnvironment();
        env.administrator = false;
        return {medium, programFilesFolder(env), programsMenuFolder(env), availableSpace};
    }
    fs::path home() const { return home_.path().toStdString(); }

  private slots:
    void init() {
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toUtf8());
        qunsetenv("XDG_DATA_HOME");
        prompts_ = new ScriptedPrompts;
        installPrompts(prompts_);
    }

    // Volmira's own medium with one file missing, into a nested folder with a space in its name.
    void installsVolmiraIntoAChosenNestedFolder() {
        const fs::path medium = home() / "medium";
        fs::create_directories(medium);
        for (const fs::path& file : fs::directory_iterator(SETUP_MEDIUM))
            fs::create_symlink(file, medium / file.filename());
        fs::remove(medium / "data.stp");
        writeFile(medium / "data.stp",
                  contents(fs::path(SETUP_MEDIUM) / "data.stp") + "FILE=fehlt\n");
        const QString target =
            QString::fromStdString((home() / "Meine Programme" / "neu").string());
        const fs::path installed = target.toStdString();

        QString proposal;
        prompts_->scripts["Dialog102"] = [&](QDialog& d) {
            QCOMPARE(d.windowTitle(), "Volmira - Setup");
            QVERIFY(labelText(d, "id1007").contains("Volmira"));
            auto* edit = d.findChild<QLineEdit*>("id1006");
            proposal = edit->text();
            keepPicture(d, "dialog102");
            edit->setText(target);
            click(d, "id1");
        };
        prompts_->copyChoices = {CopyErrorChoice::Ignore};
        prompts_->duringCopyError = [&](QWidget* progress) {
            QCOMPARE(labelText(*progress, "id1004"), "Quelldatei: fehlt");
            QCOMPARE(labelText(*progress, "id1005"), "Zieldatei: " + target + "/fehlt");
            keepPicture(*progress, "dialog103");
        };
        QString completed;
        prompts_->scripts["Dialog104"] = [&](QDialog& d) {
            completed = labelText(d, "id1010");
            keepPicture(d, "dialog104");
            click(d, "id1");
        };

        QtInstallerUi ui;
        QCOMPARE(runInstaller(system(medium), ui), InstallResult::Completed);
        QCOMPARE(proposal, QString::fromStdString((home() / ".local/opt/Volmira").string()));
        QCOMPARE(prompts_->shown, QStringList{"Fehler beim Kopieren von fehlt!"});
        QCOMPARE(completed, "Volmira ist nun vollständig installiert.");
        // Everything on the medium but the installer and its description.
        for (const fs::path& file : fs::directory_iterator(medium)) {
            const fs::path name = file.filename();
            if (name == "setup" || name == "data.stp") continue;
            QVERIFY2(contents(installed / name) == contents(file), name.c_str());
        }
        QVERIFY(!fs::exists(installed / "fehlt"));
        QVERIFY((fs::status(installed / "volmira").permissions() & fs::perms::owner_exec) !=
                fs::perms::none);
        QCOMPARE(validationErrors(home() / ".local/share/applications/Volmira/Volmira.desktop"),
                 QString());
    }

    void abbrechenAsksAndEndsTheInstallation() {
        const fs::path medium = home() / "medium2";
        writeFile(medium / "a", QByteArray(5000, 'a'));
        writeFile(medium / "b", QByteArray(5000, 'b'));
        writeFile(medium / "data.stp", "APPNAME=P\nFOLDER=P\nFILE=fehlt\nFILE=a\nFILE=b\n");

        // In the folder dialog: No keeps it open, Yes ends.
        prompts_->cancelAnswers = {false, true};
        prompts_->scripts["Dialog102"] = [](QDialog& d) {
            click(d, "id2");
            QVERIFY(d.isVisible());
            click(d, "id2");
            QVERIFY(!d.isVisible());
        };
        QtInstallerUi first;
        QCOMPARE(runInstaller(system(medium), first), InstallResult::Ended);
        QVERIFY(!fs::exists(home() / ".local/opt/P/a"));

        // While copying: Yes stops the copy before the next file.
        prompts_->shown.clear();
        prompts_->cancelAnswers = {true};
        prompts_->scripts["Dialog102"] = [](QDialog& d) { click(d, "id1"); };
        prompts_->copyChoices = {CopyErrorChoice::Ignore};
        prompts_->duringCopyError = [](QWidget* progress) { click(*progress, "id2"); };
        QtInstallerUi second;
        QCOMPARE(runInstaller(system(medium), second), InstallResult::Ended);
        QCOMPARE(prompts_->shown.size(), 2);
        QVERIFY(fs::is_empty(home() / ".local/opt/P"));
    }
};

QTEST_MAIN(SetupInstallTest)
#include "setup_install_uitest.moc"
