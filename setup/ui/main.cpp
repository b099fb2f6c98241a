#include <QApplication>
#include <filesystem>

#include "installer.h"
#include "platform/system_folders.h"
#include "ui/qt_installer_ui.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const setup::Environment env = setup::currentEnvironment();
    const setup::InstallerSystem system{std::filesystem::current_path(),
                                        setup::programFilesFolder(env),
                                        setup::programsMenuFolder(env), setup::availableSpace};
    setup::QtInstallerUi ui;
    return setup::runInstaller(system, ui) == setup::InstallResult::Completed ? 0 : 1;
}
