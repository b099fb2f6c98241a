#pragma once
// The one way the installer asks the user: its message boxes and its modal dialogs. The
// program installs the real ones; tests install their own answers so no test waits for a window.
#include <QString>

#include "copy_engine.h"

class QDialog;
class QWidget;

namespace setup {

class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual void error(QWidget* parent, const QString& text) = 0;
    // "Wollen Sie die Installation wirklich abbrechen?": Yes (true) or No.
    virtual bool confirmCancel(QWidget* parent) = 0;
    // The free-space warning: OK (true) or Cancel.
    virtual bool spaceShort(QWidget* parent) = 0;
    virtual CopyErrorChoice copyError(QWidget* parent, const QString& text) = 0;
    // Runs a modal dialog to its end; its result code.
    virtual int run(QDialog& dialog) = 0;
};

// The installed prompts (the real ones until something else is installed).
Prompts& prompts();
// Takes ownership; nullptr restores the real prompts.
void installPrompts(Prompts* replacement);

}  // namespace setup
