#pragma once
// The one place a failure that escapes an event handler ends up. The application catches what
// escapes any event in notify(); handlers connected to signals run through runHandler(), which
// catches at the slot so that no exception crosses a signal emission of Qt. Both hand the
// failure to the installed failure handler (the main window's `MyExcept`).
#include <QApplication>
#include <cstdint>
#include <functional>
#include <utility>

#include "common/progress.h"

namespace volmira {

// Installs the handler of `owner` in place of any other. Without a handler the report is shown
// without a window and "Abbruch" quits the application.
void setFailureHandler(const void* owner, std::function<void()> handler);
// Removes the handler if `owner` installed the one in place.
void removeFailureHandler(const void* owner);

// Reports the failure that was just caught. Never throws.
void reportFailure();

// Code that writes no ProgressCode of its own (timer ticks): a failure is reported with the
// code that stands.
template <class Body>
void runGuarded(Body&& body) {
    try {
        body();
    } catch (...) {
        reportFailure();
    }
}

// A handler's body: writes its ProgressCode first; whatever escapes is reported.
template <class Body>
void runHandler(std::int32_t code, Body&& body) {
    progressCode = code;
    runGuarded(std::forward<Body>(body));
}

// A slot for connect(): the callable runs guarded, so that no exception crosses the emission of
// the signal that called it. The ProgressCode that stands is the one the handler before it set.
template <class Slot>
auto guardedSlot(Slot slot) {
    return [slot = std::move(slot)](const auto&... args) { runGuarded([&] { slot(args...); }); };
}

// A handler for connect(): writes its ProgressCode, then runs guarded.
template <class Slot>
auto handlerSlot(std::int32_t code, Slot slot) {
    return [code, slot = std::move(slot)](const auto&... args) {
        runHandler(code, [&] { slot(args...); });
    };
}

class VolmiraApplication : public QApplication {
    Q_OBJECT
  public:
    VolmiraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace volmira
