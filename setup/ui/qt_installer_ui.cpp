#include "ui/qt_installer_ui.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "texts.h"
#include "ui/completion_dialog.h"
#include "ui/prompts.h"
#include "ui/target_folder_dialog.h"

namespace setup {
namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

QtInstallerUi::QtInstallerUi() = default;
QtInstallerUi::~QtInstallerUi() = default;

void QtInstallerUi::fail(const std::string& message) {
    prompts().error(background_.get(), text(message));
}

void QtInstallerUi::showBackground(const std::string& product) {
    background_ = std::make_unique<BackgroundWindow>(text(product));
    connect(background_.get(), &BackgroundWindow::closed, this, &QtInstallerUi::end);
    // Covers the screen even where no window manager honours the full-screen request.
    background_->setGeometry(QGuiApplication::primaryScreen()->geometry());
    background_->showFullScreen();
}

std::optional<std::string> QtInstallerUi::askTargetFolder(const std::string& product,
                                                          const std::string& proposal) {
    TargetFolderDialog dialog(text(product), text(proposal), background_.get());
    if (runModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.folder().toStdString();
}

bool QtInstallerUi::retryAfterSpaceShortage() {
    return prompts().spaceShort(background_.get()) && !ended_;
}

int QtInstallerUi::showProgress(const std::string& product, const std::string& targetFolder) {
    progress_ =
        std::make_unique<ProgressDialog>(text(product), text(targetFolder), background_.get());
    progress_->show();
    QCoreApplication::processEvents();
    return progress_->bar().span();
}

void QtInstallerUi::fileStarted(const std::string& source, const std::string& target) {
    progress_->showFile(text(sourceFileText(source)), text(targetFileText(target)));
}

bool QtInstallerUi::barMoved(int edge) {
    progress_->bar().setEdge(edge);
    QCoreApplication::processEvents();
    return !ended_ && !progress_->cancelled();
}

CopyErrorChoice QtInstallerUi::copyError(const std::string& file) {
    const CopyErrorChoice choice = prompts().copyError(progress_.get(), text(copyErrorText(file)));
    return ended_ ? CopyErrorChoice::Abort : choice;
}

void QtInstallerUi::showCompletion(const std::string& product, const std::string& targetFolder) {
    progress_.reset();
    CompletionDialog dialog(text(product), text(targetFolder), background_.get());
    runModal(dialog);
}

int QtInstallerUi::runModal(QDialog& dialog) {
    modal_ = &dialog;
    const int result = prompts().run(dialog);
    modal_ = nullptr;
    return ended_ ? QDialog::Rejected : result;
}

void QtInstallerUi::end() {
    ended_ = true;
    if (modal_) modal_->done(QDialog::Rejected);
}

}  // namespace setup
