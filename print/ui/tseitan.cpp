#include "print/ui/tseitan.h"

#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "print/ui/page_painter.h"

namespace volmira {

namespace {
constexpr int kBarHeight = 45;
constexpr double kSheetRatio = 1.414;
}  // namespace

class Tseitan::Surface : public QWidget {
  public:
    using QWidget::QWidget;
    QSizeF printable;
    PagePainter page;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        setPageTransform(painter, size(), printable.width(), printable.height());
        paintPreviewSheet(painter, printable.width(), printable.height());
        if (page) page(painter);
    }
};

PreviewGeometry previewGeometry(QSize window, QSizeF printable) {
    const double r = printable.width() / printable.height();
    int h = window.height() - kBarHeight;
    int w = 0;
    double referenceHeight = 297;
    if (r > 1.0) {
        const int available = window.width() - 14;
        if (double(available) / h < kSheetRatio) h = int(std::lround(available / kSheetRatio)) - 10;
        w = int(std::lround(h * kSheetRatio));
        referenceHeight = 210;
    } else {
        w = int(std::lround(h / kSheetRatio));
    }
    PreviewGeometry g;
    g.sheet = QRect((window.width() - w) / 2, 35, w, h);
    const int surfaceHeight = int(std::lround(printable.height() / referenceHeight * h));
    const int surfaceWidth = int(std::lround(surfaceHeight * r));
    g.surface = QRect((w - surfaceWidth) / 2, (h - surfaceHeight) / 2, surfaceWidth, surfaceHeight);
    return g;
}

Tseitan::Tseitan(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("Tseitan");
    setWindowTitle(QStringLiteral("Seitenansicht"));
    setAutoFillBackground(true);
    setPalette(QPalette(QColor(0x80, 0x80, 0x80)));
    auto* bar = new QWidget(this);
    bar->setObjectName("Panel1");
    bar->setGeometry(0, 0, 4000, 30);
    bar->setAutoFillBackground(true);
    bar->setPalette(QPalette(QColor(0xC0, 0xC0, 0xC0)));
    auto* close = new QPushButton(QStringLiteral("Schließen"), bar);
    close->setObjectName("Button1");
    close->setGeometry(6, 3, 90, 24);
    connect(close, &QPushButton::clicked, this, &Tseitan::Button1Click);
    mBlatt_ = new QWidget(this);
    mBlatt_->setObjectName("MBlatt");
    mBlatt_->setAutoFillBackground(true);
    mBlatt_->setPalette(QPalette(Qt::white));
    saBild_ = new Surface(mBlatt_);
    saBild_->setObjectName("SaBild");
}

QWidget* Tseitan::surface() const {
    return saBild_;
}

void Tseitan::showPage(QRect screen, QSizeF printableMm, PagePainter page) {
    setGeometry(screen);
    const PreviewGeometry g = previewGeometry(screen.size(), printableMm);
    mBlatt_->setGeometry(g.sheet);
    saBild_->setGeometry(g.surface);
    saBild_->printable = printableMm;
    saBild_->page = std::move(page);
    show();
    raise();
    saBild_->update();
}

}  // namespace volmira
