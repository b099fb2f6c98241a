#pragma once
// Dialogs that answer at once and remember every message, for the window tests.
#include <QStringList>

#include "app/ui/dialogs.h"

namespace volmira::test {

class RecordingDialogs : public Dialogs {
  public:
    // Installs a recorder as the program's dialogs; the seam owns it.
    static RecordingDialogs& install() {
        auto* recorder = new RecordingDialogs;
        installDialogs(recorder);
        return *recorder;
    }

    QStringList messages;  // information and error texts, in order

    void information(QWidget*, const QString& text) override { messages << text; }
    void error(QWidget*, const QString& text, QPoint) override { messages << text; }
    bool question(QWidget*, const QString& text, QPoint) override {
        messages << text;
        return false;
    }
    FailureChoice failure(QWidget*, const QString& text, QPoint) override {
        messages << text;
        return FailureChoice::Ignore;
    }
    QString openFileName(QWidget*, const QString&, const QStringList&, const QString&) override {
        return {};
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
};

}  // namespace volmira::test
