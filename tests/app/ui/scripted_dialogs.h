#pragma once
// The dialogs of every window test: each call is recorded and answered at once from queues the
// test fills, so that no test waits for a window. An empty queue answers No, "Ignorieren" or an
// empty file name and counts the call as unexpected.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "platform/dialogs.h"

namespace volmira::test {

class ScriptedDialogs : public Dialogs {
  public:
    enum class Kind { Information, Error, Question, Failure, Open, Save };

    struct Call {
        Call(Kind k, QString t, QStringList f = {}, QString d = {}, QPoint o = {})
            : kind(k), text(std::move(t)), filters(std::move(f)), folder(std::move(d)), offset(o) {}
        Kind kind;
        QString text;  // message, or the file dialog's title
        QStringList filters;
        QString folder;  // file dialogs: the folder they start in
        QPoint offset;
        QString proposedName;  // the save dialog's
    };

    // Installs a fresh instance as the program's dialogs (the seam owns it).
    static ScriptedDialogs& install() {
        auto* dialogs = new ScriptedDialogs;
        installDialogs(dialogs);
        return *dialogs;
    }

    std::vector<Call> calls;
    std::deque<Answer> answers;  // questions; a question without "Abbrechen" takes Cancel as No
    std::deque<FailureChoice> choices;
    std::deque<QString> fileNames;  // open and save dialogs
    int unexpected = 0;
    // Runs inside every call, after it was recorded (to look at the window while a box is up,
    // or to fail inside a dialog).
    std::function<void(const Call&)> during;

    int count(Kind kind) const {
        int n = 0;
        for (const Call& c : calls) n += c.kind == kind;
        return n;
    }
    const Call* last(Kind kind) const {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->kind == kind) return &*it;
        return nullptr;
    }
    QString lastText(Kind kind) const {
        const Call* c = last(kind);
        return c ? c->text : QString();
    }

    void information(QWidget*, const QString& text) override { record({Kind::Information, text}); }
    void error(QWidget*, const QString& text, QPoint offset) override {
        record({Kind::Error, text, {}, {}, offset});
    }
    bool question(QWidget*, const QString& text, QPoint offset) override {
        record({Kind::Question, text, {}, {}, offset});
        return take(answers, Answer::No) == Answer::Yes;
    }
    Answer questionWithCancel(QWidget*, const QString& text, QPoint offset) override {
        record({Kind::Question, text, {}, {}, offset});
        return take(answers, Answer::No);
    }
    FailureChoice failure(QWidget*, const QString& text, QPoint offset) override {
        record({Kind::Failure, text, {}, {}, offset});
        return take(choices, FailureChoice::Ignore);
    }
    QString openFileName(QWidget*, const QString& title, const QStringList& filters,
                         const QString& folder) override {
        record({Kind::Open, title, filters, folder});
        return take(fileNames, QString());
    }
    QString saveFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& folder, const QString& name) override {
        record({Kind::Save, title, {filter}, folder});
        calls.back().proposedName = name;
        return take(fileNames, QString());
    }

  private:
    void record(Call call) {
        calls.push_back(call);
        if (during) during(calls.back());
    }
    template <class T>
    T take(std::deque<T>& queue, T fallback) {
        if (queue.empty()) {
            ++unexpected;
            return fallback;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

}  // namespace volmira::test
