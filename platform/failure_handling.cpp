#include "platform/failure_handling.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>

#include "app/failure_report.h"
#include "platform/dialogs.h"

namespace volmira {

namespace {

struct Installed {
    const void* owner = nullptr;
    std::function<void()> handler;
};

Installed& installed() {
    static Installed current;
    return current;
}

std::function<void()>& installedHandler() {
    return installed().handler;
}

}  // namespace

void setFailureHandler(const void* owner, std::function<void()> handler) {
    installed() = {owner, std::move(handler)};
}

void removeFailureHandler(const void* owner) {
    if (installed().owner == owner) installed() = {};
}

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
