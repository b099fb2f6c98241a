#include "platform/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <memory>

namespace volmira {

namespace {

std::unique_ptr<Dialogs>& installed() {
    static std::unique_ptr<Dialogs> dialogs = std::make_unique<StandardDialogs>();
    return dialogs;
}

constexpr const char* kTitle = "Volmira";

// Runs the box at the offset from the parent's corner, or centred on it.
int runBox(QMessageBox& box, QWidget* parent, QPoint offset) {
    if (parent && !offset.isNull()) {
        box.adjustSize();
        box.move(parent->mapToGlobal(QPoint(0, 0)) + offset);
    }
    return box.exec();
}

}  // namespace

Dialogs& dialogs() {
    return *installed();
}

void installDialogs(Dialogs* replacement) {
    installed().reset(replacement ? replacement : new StandardDialogs);
}

void StandardDialogs::information(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, kTitle, text, QMessageBox::Ok, parent);
    runBox(box, parent, {});
}

void StandardDialogs::error(QWidget* parent, const QString& text, QPoint offset) {
    QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::Ok, parent);
    runBox(box, parent, offset);
}

bool StandardDialogs::question(QWidget* parent, const QString& text, QPoint offset) {
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton("Ja", QMessageBox::YesRole);
    box.addButton("Nein", QMessageBox::NoRole);
    box.setDefaultButton(yes);
    runBox(box, parent, offset);
    return box.clickedButton() == yes;
}

Answer StandardDialogs::questionWithCancel(QWidget* parent, const QString& text, QPoint offset) {
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton("Ja", QMessageBox::YesRole);
    QPushButton* no = box.addButton("Nein", QMessageBox::NoRole);
    QPushButton* cancel = box.addButton("Abbrechen", QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    runBox(box, parent, offset);
    if (box.clickedButton() == yes) return Answer::Yes;
    return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

FailureChoice StandardDialogs::failure(QWidget* parent, const QString& text, QPoint offset) {
    QMessageBox box(QMessageBox::Critical, kTitle, text, QMessageBox::NoButton, parent);
    QPushButton* abort = box.addButton("Abbruch", QMessageBox::RejectRole);
    QPushButton* ignore = box.addButton("Ignorieren", QMessageBox::AcceptRole);
    box.setDefaultButton(ignore);
    box.setEscapeButton(ignore);
    runBox(box, parent, offset);
    return box.clickedButton() == abort ? FailureChoice::Abort : FailureChoice::Ignore;
}

QString StandardDialogs::openFileName(QWidget* parent, const QString& title,
                                      const QStringList& filters, const QString& folder) {
    QFileDialog dialog(parent, title, folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString StandardDialogs::saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& folder, const QString& name) {
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    // A name typed without suffix gets the first filter's.
    static const QRegularExpression firstSuffix(QStringLiteral("\\*\\.(\\w+)"));
    dialog.setDefaultSuffix(firstSuffix.match(filter).captured(1));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!name.isEmpty()) dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace volmira
