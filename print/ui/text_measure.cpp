#include "print/ui/text_measure.h"

#include <QFontMetricsF>
#include <cmath>

#include "print/print_document.h"

namespace volmira {

namespace {

constexpr int kReferenceEm = 1000;
constexpr double kScreenPixelsPerPoint = 96.0 / 72.0;

QFont arial(double em, int style) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
    font.setBold(style & kStyleBold);
    font.setItalic(style & kStyleItalic);
    font.setUnderline(style & kStyleUnderline);
    return font;
}

double cellPerEm() {
    static const double ratio = QFontMetricsF(arial(kReferenceEm, 0)).height() / kReferenceEm;
    return ratio;
}

}  // namespace

QFont pageFont(double cellHeight, int style) {
    return arial(cellHeight / cellPerEm(), style);
}

double textWidth100(const QString& text, int style) {
    return QFontMetricsF(arial(100 * kScreenPixelsPerPoint, style)).horizontalAdvance(text);
}

double listTextWidth(std::string_view text) {
    return QFontMetricsF(pageFont(45))
        .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace volmira
