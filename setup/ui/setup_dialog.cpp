#include "ui/setup_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "texts.h"
#include "ui/setup_icon.h"

namespace setup {
namespace {

// Dialog units of the small dialog font at 96 dots per inch.
constexpr double kPixelsPerUnitX = 1.5;
constexpr double kPixelsPerUnitY = 1.625;

}  // namespace

SetupDialog::SetupDialog(const QString& product, int widthUnits, int heightUnits, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QString::fromStdString(setup::windowTitle(product.toStdString())));
    setWindowIcon(setupIcon());
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    setFont(QFont("MS Sans Serif", 8));
    setFixedSize(qRound(widthUnits * kPixelsPerUnitX), qRound(heightUnits * kPixelsPerUnitY));

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(11, 11, 11, 11);
    outer->setSpacing(14);
    auto* icon = new QLabel;
    icon->setObjectName("id101");
    icon->setPixmap(setupPixmap(32));
    outer->addWidget(icon, 0, Qt::AlignTop);
    content_ = new QVBoxLayout;
    content_->setSpacing(8);
    outer->addLayout(content_, 1);
    buttons_ = new QHBoxLayout;
    buttons_->addStretch(1);
    content_->addStretch(1);
    content_->addLayout(buttons_);
}

QLabel* SetupDialog::addText(const char* id, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(id);
    label->setWordWrap(true);
    content_->insertWidget(content_->count() - 2, label);
    return label;
}

QPushButton* SetupDialog::addButton(const char* id, const QString& text) {
    auto* button = new QPushButton(text);
    button->setObjectName(id);
    button->setMinimumWidth(75);
    buttons_->addWidget(button);
    return button;
}

}  // namespace setup
