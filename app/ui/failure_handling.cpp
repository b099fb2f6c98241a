#include "app/ui/failure_handling.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>

#include "app/failure_report.h"
#include "app/ui/dialogs.h"

namespace volmira {

namespace {

std::function<void()>& installedHandler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

void setFailureHandler(std::function<void()> handler) { installedHandler() = std::move(handler); }

void reportFailure() {
    try {
        if (installedHandler()) {
            installedHandler()();
            return;
        }
        const QString text = QString::fromStdString(failureReportText(progressCode));
        if (dialogs().failure(nullptr, text) == FailureChoice::Abort) QCoreApplication::quit();
    } catch (...) {
        // The report itself failed: there is no one left to tell but the console.
        std::fprintf(stderr, "Volmira: failure report failed (code %d)\n", int(progressCode));
    }
}

VolmiraApplication::VolmiraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VolmiraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportFailure();
        return true;
    }
}

}  // namespace volmira
