#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "app/ui/print_composer_link.h"
#include "app/ui/tgrf.h"
#include "app/workspace.h"
#include "platform/failure_handling.h"
#include "platform/program_folder.h"

int main(int argc, char** argv) {
    volmira::VolmiraApplication app(argc, argv);
    QApplication::setApplicationName("Volmira");
    QApplication::setApplicationVersion("3.0");

    // The toolkit's own dialogs (file dialogs) speak German like the rest of the program.
    QTranslator toolkitGerman;
    if (toolkitGerman.load(QLocale(QLocale::German), "qtbase", "_",
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitGerman);

    auto workspace = std::make_unique<volmira::Workspace>();
    volmira::Tgrf window(*workspace);
    window.showTitle();
    window.startupInitialisation(volmira::programFolder(), volmira::Tgrf::currentScreenSize());
    // The print composer with its page preview.
    const volmira::PrintComposer composer = volmira::installPrintComposer(window, *workspace);
    window.NeuesNetzwerk1Click();
    window.ReadSettings();
    // `volmira FILE.nwb` opens the file as the open dialog would.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.openFromCommandLine(arguments.at(1).toStdString());
    window.startTitleTimer();
    window.showPlaced();
    return app.exec();
}
