#include "ui/progress_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "texts.h"
#include "ui/prompts.h"

namespace setup {

ProgressFrame::ProgressFrame() {
    setObjectName("id1003");
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedHeight(22);
}

QRect ProgressFrame::barArea() const {
    return contentsRect().adjusted(2, 2, -2, -2);
}

int ProgressFrame::span() const {
    return std::max(0, barArea().width() - 4);
}

void ProgressFrame::setEdge(int edge) {
    edge_ = edge;
    repaint();
}

void ProgressFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter p(this);
    const QRect area = barArea();
    p.fillRect(QRect(area.left(), area.top(), edge_, area.height()),
               palette().color(QPalette::Highlight));
}

ProgressDialog::ProgressDialog(const QString& product, const QString& targetFolder, QWidget* parent)
    : SetupDialog(product, 288, 191, parent) {
    setObjectName("Dialog103");
    const std::string name = product.toStdString();
    addText("id1009", QString::fromStdString(progressIntroText(name)));
    addText("id1010", QString::fromUtf8(kProgressCancelText));
    addText("id1011", QString::fromStdString(uninstallText(name, targetFolder.toStdString())));
    source_ = addText("id1004", "Quelldatei:");
    target_ = addText("id1005", "Zieldatei:");
    bar_ = new ProgressFrame;
    content()->insertWidget(content()->count() - 2, bar_);
    connect(addButton("id2", "Abbrechen"), &QPushButton::clicked, this, &ProgressDialog::reject);
}

void ProgressDialog::showFile(const QString& source, const QString& target) {
    source_->setText(source);
    target_->setText(target);
}

void ProgressDialog::reject() {
    if (prompts().confirmCancel(this)) cancelled_ = true;
}

}  // namespace setup
