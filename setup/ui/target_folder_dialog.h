#pragma once
// The dialog that asks for the target folder ("Weiter >" or "Abbrechen").
#include <QString>

#include "ui/setup_dialog.h"

class QLineEdit;

namespace setup {

class TargetFolderDialog : public SetupDialog {
  public:
    TargetFolderDialog(const QString& product, const QString& folder, QWidget* parent);
    // The folder taken by "Weiter >".
    QString folder() const { return folder_; }
    // "Abbrechen", Escape and the close button ask before they end the installation.
    void reject() override;

  private:
    QLineEdit* edit_;
    QString folder_;
};

}  // namespace setup
