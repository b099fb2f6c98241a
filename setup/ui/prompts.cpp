#include "ui/prompts.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <memory>

#include "texts.h"

namespace setup {
namespace {

class StandardPrompts : public Prompts {
  public:
    void error(QWidget* parent, const QString& text) override {
        QMessageBox::critical(parent, kMessageCaption, text);
    }

    bool confirmCancel(QWidget* parent) override {
        QMessageBox box(QMessageBox::Question, kMessageCaption, QString::fromUtf8(kConfirmCancel),
                        QMessageBox::Yes | QMessageBox::No, parent);
        translate(box, QMessageBox::Yes, "&Ja");
        translate(box, QMessageBox::No, "&Nein");
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    bool spaceShort(QWidget* parent) override {
        QMessageBox box(QMessageBox::NoIcon, kMessageCaption, QString::fromUtf8(kSpaceShort),
                        QMessageBox::Ok | QMessageBox::Cancel, parent);
        translate(box, QMessageBox::Cancel, "Abbrechen");
        return box.exec() == QMessageBox::Ok;
    }

    CopyErrorChoice copyError(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Warning, kMessageCaption, text,
                        QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, parent);
        translate(box, QMessageBox::Abort, "&Abbrechen");
        translate(box, QMessageBox::Retry, "&Wiederholen");
        translate(box, QMessageBox::Ignore, "&Ignorieren");
        const int answer = box.exec();
        if (answer == QMessageBox::Retry) return CopyErrorChoice::Retry;
        if (answer == QMessageBox::Ignore) return CopyErrorChoice::Ignore;
        return CopyErrorChoice::Abort;
    }

    int run(QDialog& dialog) override { return dialog.exec(); }

  private:
    static void translate(QMessageBox& box, QMessageBox::StandardButton which, const char* text) {
        box.button(which)->setText(QString::fromUtf8(text));
    }
};

std::unique_ptr<Prompts>& installed() {
    static std::unique_ptr<Prompts> current = std::make_unique<StandardPrompts>();
    return current;
}

}  // namespace

Prompts& prompts() {
    return *installed();
}

void installPrompts(Prompts* replacement) {
    installed().reset(replacement ? replacement : new StandardPrompts);
}

}  // namespace setup
