#include "ui/completion_dialog.h"

#include <QPushButton>

#include "texts.h"

namespace setup {

CompletionDialog::CompletionDialog(const QString& product, const QString& targetFolder,
                                   QWidget* parent)
    : SetupDialog(product, 288, 129, parent) {
    setObjectName("Dialog104");
    const std::string name = product.toStdString();
    addText("id1010", QString::fromStdString(completedText(name)));
    addText("idStart", QString::fromUtf8(kStartMenuText));
    addText("id1011", QString::fromStdString(uninstallText(name, targetFolder.toStdString())));
    QPushButton* ok = addButton("id1", "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CompletionDialog::accept);
}

}  // namespace setup
