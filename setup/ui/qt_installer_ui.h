#pragma once
// The installer's windows: the backdrop, the three dialogs and the message boxes.
#include <QObject>
#include <QPointer>
#include <memory>

#include "installer.h"
#include "ui/background_window.h"
#include "ui/progress_dialog.h"

class QDialog;

namespace setup {

class QtInstallerUi : public QObject, public InstallerUi {
  public:
    QtInstallerUi();
    ~QtInstallerUi() override;

    void fail(const std::string& message) override;
    void showBackground(const std::string& product) override;
    std::optional<std::string> askTargetFolder(const std::string& product,
                                               const std::string& proposal) override;
    bool retryAfterSpaceShortage() override;
    int showProgress(const std::string& product, const std::string& targetFolder) override;
    void fileStarted(const std::string& source, const std::string& target) override;
    bool barMoved(int edge) override;
    CopyErrorChoice copyError(const std::string& file) override;
    void showCompletion(const std::string& product, const std::string& targetFolder) override;

    BackgroundWindow* background() const { return background_.get(); }
    ProgressDialog* progress() const { return progress_.get(); }

  private:
    int runModal(QDialog& dialog);
    // Closing the backdrop ends the installation at once.
    void end();

    std::unique_ptr<BackgroundWindow> background_;
    std::unique_ptr<ProgressDialog> progress_;
    QPointer<QDialog> modal_;
    bool ended_ = false;
};

}  // namespace setup
