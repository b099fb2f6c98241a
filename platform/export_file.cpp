#include "platform/export_file.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include "app/file_session.h"
#include "platform/dialogs.h"
#include "platform/qt_text.h"

namespace volmira {

namespace {

QStringList suffixesOf(const QString& filters) {
    QStringList suffixes;
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    for (auto match = pattern.globalMatch(filters); match.hasNext();)
        suffixes << match.next().captured(1).toLower();
    return suffixes;
}

}  // namespace

QString writeExportFile(const QString& path, const QString& suffix, const ExportWriter& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (!write(file, suffix) || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}

bool exportThroughDialog(QWidget* parent, const QString& title, const QString& filters,
                         const QString& name, const ExportWriter& write) {
    QString path = dialogs().saveFileName(parent, title, filters, QString(), name);
    if (path.isEmpty()) return false;
    const QStringList suffixes = suffixesOf(filters);
    QString suffix = QFileInfo(path).suffix().toLower();
    if (!suffixes.contains(suffix)) {
        suffix = suffixes.value(0);
        path += QStringLiteral(".") + suffix;
    }
    if (const auto question = overwriteQuestion(fsPath(path));
        question && !dialogs().question(parent, qText(*question)))
        return false;
    const QString reason = writeExportFile(path, suffix, write);
    if (reason.isNull()) return true;
    dialogs().error(parent, QStringLiteral("Die Datei \u201E%1\u201C konnte nicht geschrieben "
                                           "werden.\n%2")
                                .arg(QFileInfo(path).fileName(), reason));
    return false;
}

}  // namespace volmira
