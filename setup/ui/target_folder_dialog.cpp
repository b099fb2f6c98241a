#include "ui/target_folder_dialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "texts.h"
#include "ui/prompts.h"

namespace setup {

TargetFolderDialog::TargetFolderDialog(const QString& product, const QString& folder,
                                       QWidget* parent)
    : SetupDialog(product, 288, 167, parent) {
    setObjectName("Dialog102");
    const std::string name = product.toStdString();
    addText("id1007", QString::fromStdString(targetIntroText(name)));
    addText("idHow", QString::fromUtf8(kTargetHowText));
    addText("id1008", QString::fromStdString(targetCancelText(name)));

    auto* group = new QGroupBox("Zielordner");
    auto* groupLayout = new QVBoxLayout(group);
    edit_ = new QLineEdit(folder);
    edit_->setObjectName("id1006");
    edit_->setMaxLength(255);
    groupLayout->addWidget(edit_);
    content()->insertWidget(content()->count() - 2, group);

    QPushButton* next = addButton("id1", "Weiter >");
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, [this] {
        folder_ = edit_->text();
        accept();
    });
    connect(addButton("id2", "Abbrechen"), &QPushButton::clicked, this,
            &TargetFolderDialog::reject);
}

void TargetFolderDialog::reject() {
    if (prompts().confirmCancel(this)) QDialog::reject();
}

}  // namespace setup
