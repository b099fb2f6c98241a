#include "app/ui/title_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <cmath>

namespace volmira {

Ttitform::Ttitform(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("Ttitform");
    setFixedSize(kWidth, kHeight);
}

void Ttitform::showCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    }
    show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Ttitform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0x1F, 0x3A, 0x5F));
    background.setColorAt(1, QColor(0x0E, 0x1C, 0x30));
    p.fillRect(rect(), background);
    p.setPen(QPen(QColor(0x8F, 0xA8, 0xC8), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    // A sine period and its locus circle: what the program draws.
    const QRectF wave(40, 150, 230, 50);
    QPainterPath sine;
    for (int i = 0; i <= 230; ++i) {
        const double x = wave.left() + i;
        const double y = wave.center().y() - std::sin(i / 230.0 * 2 * M_PI) * wave.height() / 2;
        if (i == 0)
            sine.moveTo(x, y);
        else
            sine.lineTo(x, y);
    }
    p.setPen(QPen(QColor(0x6C, 0xC4, 0xFF), 2));
    p.drawPath(sine);
    p.setPen(QPen(QColor(0x6C, 0xC4, 0xFF, 120), 1));
    p.drawLine(QPointF(wave.left(), wave.center().y()), QPointF(wave.right(), wave.center().y()));
    p.setPen(QPen(QColor(0xFF, 0xC8, 0x57), 2));
    p.drawEllipse(QPointF(360, 175), 32, 32);
    p.drawLine(QPointF(360, 175), QPointF(360 + 32 * std::cos(0.7), 175 - 32 * std::sin(0.7)));

    QFont title("Arial");
    title.setPixelSize(54);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 28, width(), 70), Qt::AlignHCenter | Qt::AlignVCenter, "Volmira");

    QFont line("Arial");
    line.setPixelSize(15);
    p.setFont(line);
    p.setPen(QColor(0xD6, 0xE2, 0xF0));
    p.drawText(QRect(0, 98, width(), 24), Qt::AlignHCenter | Qt::AlignVCenter,
               "Berechnung linearer Netzwerke bei sinusförmiger Anregung");

    QFont small("Arial");
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(QColor(0x8F, 0xA8, 0xC8));
    p.drawText(QRect(0, height() - 26, width() - 12, 18), Qt::AlignRight | Qt::AlignVCenter,
               "Version " + QCoreApplication::applicationVersion());
}

}  // namespace volmira
