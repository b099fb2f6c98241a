#include "graphics/ui/plot_paint_tools.h"

#include <QFontMetrics>
#include <QPolygon>
#include <algorithm>
#include <map>
#include <memory>
#include <string>

namespace volmira {

namespace {

constexpr int kMarkLength = 4;
constexpr int kLabelGap = 5;  // labels end this far left of the image's edge

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QFont arialFont(int pixelSize) {
    QFont font("Arial");
    font.setPixelSize(pixelSize);
    return font;
}

TextWidth textWidthOf(const QFont& font) {
    return [metrics = QFontMetrics(font)](std::string_view text) {
        return metrics.horizontalAdvance(qText(text));
    };
}

TextWidth cachedTextWidth(const QFont& font) {
    auto widths = std::make_shared<std::map<std::string, int, std::less<>>>();
    return [measure = textWidthOf(font), widths](std::string_view text) {
        const auto found = widths->find(text);
        if (found != widths->end()) return found->second;
        const int width = measure(text);
        widths->emplace(text, width);
        return width;
    };
}

QColor silver() {
    return QColor(0xC0, 0xC0, 0xC0);
}

QColor lime() {
    return QColor(0x00, 0xFF, 0x00);
}

QPen gridPen() {
    return QPen(silver(), 1, Qt::DotLine);
}

void paintPolyline(QPainter& painter, const std::vector<PlotPoint>& points, const QColor& colour,
                   int width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QPolygon line;
    for (const PlotPoint& p : points) line << QPoint(p.x, p.y);
    if (line.size() == 1) painter.drawPoint(line.front());
    if (line.size() > 1) painter.drawPolyline(line);
}

void paintYLabel(QPainter& painter, const QFontMetrics& metrics, int width, int row,
                 std::string_view text) {
    painter.drawLine(width - kMarkLength, row, width - 1, row);
    const QString label = qText(text);
    painter.drawText(width - kLabelGap - metrics.horizontalAdvance(label),
                     row + (metrics.ascent() - metrics.descent()) / 2, label);
}

void paintXLabels(QPainter& painter, std::span<const AxisLabel> labels, int tickTop, int imageWidth,
                  std::optional<int> gridTop) {
    const QFontMetrics metrics(painter.font());
    // A view that paints a part only (a scrolled window) sets the part as the clip: labels
    // outside it are not shaped and drawn at all.
    const QRect part = painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : QRect();
    const int reach = metrics.averageCharWidth() * kMaxTickLabel;
    for (const AxisLabel& label : labels) {
        if (part.isValid() &&
            (label.position + reach < part.left() || label.position - reach > part.right()))
            continue;
        if (gridTop) {
            painter.setPen(gridPen());
            painter.drawLine(label.position, *gridTop, label.position, tickTop - 1);
        }
        painter.setPen(Qt::black);
        painter.drawLine(label.position, tickTop, label.position, tickTop + kMarkLength - 1);
        const QString text = qText(label.text);
        const int width = metrics.horizontalAdvance(text);
        const int left = std::clamp(label.position - width / 2, 0, imageWidth - width);
        painter.drawText(left, tickTop + kMarkLength + metrics.ascent(), text);
    }
}

void paintYTitle(QPainter& painter, int width, int baseline, std::string_view title) {
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    const QString text = qText(title);
    painter.drawText(width - kLabelGap - QFontMetrics(font).horizontalAdvance(text), baseline,
                     text);
    painter.restore();
}

}  // namespace volmira
