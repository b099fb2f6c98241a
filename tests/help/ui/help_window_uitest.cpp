// The help window in the real program: context help for every named control of every window,
// the topic pages and their navigation, the composer's narrow form and the printed topics.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <map>

#include "app/ui/main_window_fixture.h"
#include "app/ui/print_composer_link.h"
#include "help/context_text.h"
#include "help/help_pages.h"
#include "help/ui/help_print_panel.h"
#include "help/ui/thilfform.h"
#include "print/ui/help_topics_print.h"
#include "print/ui/tdrform.h"
#include "support/test_support.h"

using namespace volmira;
namespace fs = std::filesystem;

namespace {

bool ownName(const QString& name) {
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// Window and name of each named control with what it shows, for the failure message.
using NamedControls = std::map<std::pair<QString, QString>, QString>;

void collectNames(NamedControls& names) {
    for (QWidget* widget : QApplication::allWidgets()) {
        const QString window = widget->window()->objectName();
        if (ownName(widget->objectName()))
            names[{window, widget->objectName()}] =
                QString("%1 \"%2\" [%3]")
                    .arg(widget->metaObject()->className(), widget->property("text").toString(),
                         widget->toolTip());
        for (QAction* action : widget->actions())
            if (ownName(action->objectName()))
                names[{window, action->objectName()}] = "QAction \"" + action->text() + "\"";
    }
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void everyNamedControlHasContextHelp() {
        test::MainWindow f;
        PrintComposer composer = installPrintComposer(f.w(), f.ws());
        f.w().show();
        NamedControls names;
        collectNames(names);
        QVERIFY(f.openConfirmedExample("Tp1kHz.nwb"));  // every mode can be entered
        for (int mode = 1; mode <= 4; ++mode) {
            f.w().lm1MouseDown(mode);
            collectNames(names);
        }
        f.w().FSammelClick();
        f.w().Optionen1Click();
        f.w().HilfethemenAusdruckenClick();
        f.w().Hilfethemen1Click();
        f.find<QAction>("Drucken1")->trigger();
        composer.form->findChild<QAbstractButton*>("Seitansicht")->click();
        collectNames(names);

        QStringList missing;
        for (const auto& [control, shows] : names)
            if (!contextEntry(control.second.toStdString(), control.first.toStdString()))
                missing << control.first + ":" + control.second + " " + shows;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
        QVERIFY(names.size() > 150);
    }

    void contextHelpFollowsTheMouse() {
        test::MainWindow f;
        f.w().show();
        THilfform& help = *f.w().helpWindow();
        QWidget* analys = f.find<QWidget>("analys");
        // Hidden, the window ignores the mouse.
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), analys->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(analys, &enter);
        QVERIFY(!help.shownEntry());

        f.find<QAction>("Arbeitsoberflche1")->trigger();
        QVERIFY(help.isVisible());
        QCOMPARE(help.size(), QSize(395, 242));
        QVERIFY(!help.findChild<QWidget*>("Hilftafel")->isVisible());
        QApplication::sendEvent(analys, &enter);
        QCOMPARE(help.shownEntry(), contextEntry("analys"));
        const QImage image = help.grab().toImage();
        QCOMPARE(image.pixel(390, 230), qRgb(0xFF, 0xFF, 0xD0));
        QVERIFY(test::inkPixels(image) > 300);

        // An unnamed part of a named control shows the control's entry.
        help.ContextHelp("kein Name");
        QCOMPARE(help.shownEntry(), contextEntry("analys"));
        f.find<QAction>("Drucken1")->trigger();
        QVERIFY(!help.isVisible());
    }

    // Every text fits the composer's narrow form, 290 pixels wide.
    void contextTextsFitTheNarrowForm() {
        const QFontMetrics title(contextFont(true));
        const QFontMetrics plain(contextFont(false));
        auto qs = [](std::string_view s) {
            return QString::fromUtf8(s.data(), qsizetype(s.size()));
        };
        QStringList tooWide;
        for (const ContextTopic& topic : contextTopics()) {
            if (4 + title.horizontalAdvance(qs(topic.entry.title)) >= 290)
                tooWide << qs(topic.entry.title);
            for (std::string_view line : topic.entry.lines)
                if (5 + plain.horizontalAdvance(qs(line)) >= 290) tooWide << qs(line);
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join('\n')));
    }

    void topicPagesAndContents() {
        THilfform help;
        help.openTopics({100, 100, 600, 430});
        QVERIFY(help.showsContents());
        QVERIFY(!help.findChild<QWidget*>("vorher")->isVisibleTo(&help));

        // The fourth entry, "Die Grenzen des Programms", leads to page 7.
        QTest::mouseClick(&help, Qt::LeftButton, {}, QPoint(100, 65 + 3 * 30 + 8));
        QVERIFY(!help.showsContents());
        QCOMPARE(help.currentPage(), 7);
        const QImage page = help.grab().toImage();
        QVERIFY(test::inkPixels(page, QRect(0, 60, 600, 370)) > 2000);

        help.findChild<QPushButton*>("nachher")->click();
        QCOMPARE(help.currentPage(), 8);
        help.findChild<QPushButton*>("vorher")->click();
        QCOMPARE(help.currentPage(), 7);
        help.findChild<QPushButton*>("Themenschliess")->click();
        QVERIFY(!help.isVisible());
    }

    void composerOpensTheNarrowForm() {
        test::MainWindow f;
        PrintComposer composer = installPrintComposer(f.w(), f.ws());
        f.find<QAction>("Drucken1")->trigger();
        composer.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(composer.form.get()));
        QTest::keyClick(composer.form.get(), Qt::Key_F1);
        THilfform& help = *f.w().helpWindow();
        QVERIFY(help.isVisible());
        QCOMPARE(help.width(), 290);
        // A name the graphic mode uses too gets the composer's entry.
        QEnterEvent enter{QPointF(), QPointF(), QPointF()};
        QApplication::sendEvent(composer.form->findChild<QWidget*>("EinSpei"), &enter);
        QCOMPARE(help.shownEntry(), contextEntry("EinSpei", "TDrForm"));
        composer.form->hide();
        QVERIFY(!help.isVisible());
    }

    void printsTheTopicsOnSheets() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const test::TempFolder folder;
        const QString file = QString::fromStdString((folder.path() / "hilfe.pdf").string());
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(printHelpTopics(printer, 1, kTopicPageCount));
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const qsizetype sheets =
            QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page\\b"));
        // Two or three topic pages to a sheet.
        QVERIFY(sheets >= 5 && sheets <= 7);
    }
};

VOLMIRA_UITEST_MAIN(HelpWindowTest)
#include "help_window_uitest.moc"
