#include "platform/calculator.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "app/failure_report.h"

namespace volmira {

namespace {

// The window class each program gives its window, for finding a running one.
QString windowClass(const QString& program) {
    return program == "xcalc" ? QStringLiteral("XCalc") : program;
}

bool activateRunning(const QString& xdotool, const QString& program) {
    QProcess search;
    search.start(xdotool,
                 {"search", "--onlyvisible", "--class", windowClass(program), "windowactivate"});
    if (!search.waitForFinished(3000)) {
        search.kill();
        search.waitForFinished(1000);
        return false;
    }
    return search.exitStatus() == QProcess::NormalExit && search.exitCode() == 0;
}

}  // namespace

void bringUpCalculator() {
    QStringList installed;
    for (const std::string_view program : kCalculatorPrograms) {
        const QString path = QStandardPaths::findExecutable(
            QString::fromUtf8(program.data(), static_cast<qsizetype>(program.size())));
        if (!path.isEmpty()) installed << path;
    }
    if (installed.isEmpty()) throw CalculatorError("no calculator program installed");

    const QString xdotool = QStandardPaths::findExecutable("xdotool");
    if (!xdotool.isEmpty()) {
        for (const QString& path : installed)
            if (activateRunning(xdotool, QFileInfo(path).fileName())) return;
    }
    for (const QString& path : installed)
        if (QProcess::startDetached(path, {}, QDir::homePath())) return;
    throw CalculatorError("no calculator could be started");
}

}  // namespace volmira
