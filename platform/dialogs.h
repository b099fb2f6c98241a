#pragma once
// The one way the program asks the user: message boxes and file dialogs. The program installs
// the real dialogs; the tests install their own answers so that no test waits for a window.
#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

namespace volmira {

enum class FailureChoice { Abort, Ignore };
enum class Answer { Yes, No, Cancel };

// Message boxes may be placed at an offset from the top-left corner of their parent (a null
// offset centres them).
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual void information(QWidget* parent, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& text, QPoint offset = {}) = 0;
    // Yes (true) or No.
    virtual bool question(QWidget* parent, const QString& text, QPoint offset = {}) = 0;
    // "Ja", "Nein" or "Abbrechen" (the work that asked does not go on).
    virtual Answer questionWithCancel(QWidget* parent, const QString& text, QPoint offset = {}) = 0;
    // The failure report: "Abbruch" or "Ignorieren".
    virtual FailureChoice failure(QWidget* parent, const QString& text, QPoint offset = {}) = 0;

    // An existing file, or an empty text when cancelled. `filters` as "Netzwerke (*.nwb)".
    virtual QString openFileName(QWidget* parent, const QString& title, const QStringList& filters,
                                 const QString& folder) = 0;
    // A file name to write, starting in `folder` with `name` proposed (may be empty). The dialog
    // does not ask about an existing file: the caller does, through question(), so that the
    // question is German and answerable in tests.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder, const QString& name) = 0;
};

// The installed dialogs (the real ones until something else is installed).
Dialogs& dialogs();
// Takes ownership; the previous one is deleted. nullptr restores the real dialogs.
void installDialogs(Dialogs* replacement);

// The real dialogs: QMessageBox and QFileDialog.
class StandardDialogs : public Dialogs {
  public:
    void information(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text, QPoint offset) override;
    bool question(QWidget* parent, const QString& text, QPoint offset) override;
    Answer questionWithCancel(QWidget* parent, const QString& text, QPoint offset) override;
    FailureChoice failure(QWidget* parent, const QString& text, QPoint offset) override;
    QString openFileName(QWidget* parent, const QString& title, const QStringList& filters,
                         const QString& folder) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& folder, const QString& name) override;
};

}  // namespace volmira
