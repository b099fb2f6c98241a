#pragma once
// The last dialog: the product is installed; only "OK" closes it.
#include "ui/setup_dialog.h"

namespace setup {

class CompletionDialog : public SetupDialog {
  public:
    CompletionDialog(const QString& product, const QString& targetFolder, QWidget* parent);
    void reject() override {}
};

}  // namespace setup
