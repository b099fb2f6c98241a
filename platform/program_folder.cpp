#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace volmira {

std::filesystem::path programFolder() {
    const QString folder = QDir::cleanPath(QCoreApplication::applicationDirPath());
    return std::filesystem::path(folder.toStdString());
}

}  // namespace volmira
