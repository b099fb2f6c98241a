#include "app/ui/status_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace volmira {

namespace {

// One pixel of border, then a four-pixel raised bevel around a light grey face.
class BevelPanel : public QFrame {
  public:
    using QFrame::QFrame;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        p.fillRect(r, QColor(0xF0, 0xF0, 0xF0));
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QColor light(0xFF, 0xFF, 0xFF), dark(0xA0, 0xA0, 0xA0);
        for (int i = 1; i <= 4; ++i) {
            const QRect b = r.adjusted(i, i, -i - 1, -i - 1);
            p.setPen(light);
            p.drawLine(b.topLeft(), b.topRight());
            p.drawLine(b.topLeft(), b.bottomLeft());
            p.setPen(dark);
            p.drawLine(b.bottomLeft(), b.bottomRight());
            p.drawLine(b.topRight(), b.bottomRight());
        }
    }
};

}  // namespace

StatusPanel::StatusPanel(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                              Qt::WindowDoesNotAcceptFocus),
      mainWindow_(mainWindow) {
    setObjectName("StatusPanel");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(kWidth, kHeight);

    panel_ = new BevelPanel(this);
    panel_->setObjectName("MeldungPanel");
    label_ = new QLabel(panel_);
    label_->setObjectName("Meldung");
    label_->setAlignment(Qt::AlignCenter);
    QFont font("Arial");
    font.setPixelSize(13);
    font.setBold(true);
    label_->setFont(font);

    auto* inner = new QVBoxLayout(panel_);
    inner->setContentsMargins(8, 8, 8, 8);
    inner->addWidget(label_);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel_);
}

void StatusPanel::showMessage(const QString& text) {
    QString lines = text;
    lines.replace("\r\n", "\n").replace('\r', '\n');
    label_->setText(lines);
    if (mainWindow_) move(mainWindow_->frameGeometry().topLeft() + kOffset);
    show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString StatusPanel::message() const {
    return label_->text();
}

}  // namespace volmira
