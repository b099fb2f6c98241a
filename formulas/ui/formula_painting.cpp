#include "formulas/ui/formula_painting.h"

#include <QFontMetrics>
#include <QPainter>

#include "formulas/display_language.h"
#include "formulas/formula_displays.h"

namespace volmira {

namespace {

const QColor kOlive(0x80, 0x80, 0x00);

// The Symbol and Wingdings letters arrive as Unicode: Arial has the Greek ones, and the font
// fallback finds the arrow.
QFont textFont(int height, bool bold) {
    QFont font("Arial");
    font.setPixelSize(height);
    font.setBold(bold);
    return font;
}

// Text with its top-left corner at (x, y).
void drawTextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

QImage drawFormulaDisplay(std::string_view display) {
    QImage image = whiteImage(kFormulaDisplayWidth, kFormulaDisplayHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(kOlive, 2));
    painter.drawRect(QRect(1, 1, image.width() - 2, image.height() - 2));
    const DisplayItems items = readFormulaDisplay(display);
    painter.setPen(Qt::black);
    for (const DisplayText& text : items.texts) {
        painter.setFont(textFont(text.height, text.bold));
        drawTextAt(painter, text.x, text.y, QString::fromStdString(text.text));
    }
    for (const DisplayLine& line : items.lines) {
        painter.setPen(QPen(Qt::black, line.width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
    return image;
}

QImage drawCircuitFigure(const CircuitFigure& figure) {
    QImage image = whiteImage(kFigureWidth, kFigureHeight);
    QPainter painter(&image);
    for (const FigureBox& box : figure.boxes) {
        painter.setPen(Qt::black);
        painter.setBrush(box.filled ? QBrush(Qt::black) : QBrush(Qt::white));
        painter.drawRect(box.x, box.y, box.width, box.height);
    }
    for (const FigureLine& line : figure.lines) {
        painter.setPen(QPen(Qt::black, line.width));
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const FigureLabel& label : figure.labels) {
        const FigureLabelStyle style = readFigureLabel(label.text);
        painter.setFont(textFont(style.height, style.bold));
        painter.setPen(style.colour == FigureColour::Olive   ? kOlive
                       : style.colour == FigureColour::White ? QColor(Qt::white)
                                                             : QColor(Qt::black));
        drawTextAt(painter, label.x, label.y, QString::fromStdString(style.text));
    }
    return image;
}

}  // namespace volmira
