#include "platform/calculator.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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

QStringList calculatorPrograms() {
    return {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
}

void bringUpCalculator() {
    QStringList installed;
    for (const QString& program : calculatorPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) installed << path;
    }
    if (installed.isEmpty()) throw CalculatorError("no calculator program installed");

    const QString xdotool = QStandardPaths::findExecutable("xdotool");
    if (!xdotool.isEmpty()) {
        for (const QString& path : installed)
            if (activateRunning(xdotool, QFileInfo(path).fileName())) return;
    }
    if (!QProcess::startDetached(installed.first(), {}, QDir::homePath()))
        throw CalculatorError("the calculator could not be started");
}

}  // namespace volmira
