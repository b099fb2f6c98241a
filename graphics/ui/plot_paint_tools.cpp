#include "graphics/ui/plot_paint_tools.h"

#include <QFontMetrics>
#include <QHash>
#include <QPolygon>
#include <algorithm>
#include <map>
#include <string>

namespace volmira {

namespace {

constexpr int kMarkLength = 4;
constexpr int kLabelGap = 5;  // labels end this far left of the image's edge
// Beyond this many texts in one font (only typed parameter values could get there) the
// kept labels are dropped and shaped again as they come.
constexpr std::size_t kMaxShapedPerFont = 4096;

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QFont arialFont(int pixelSize) {
    QFont font("Arial");
    font.setPixelSize(pixelSize);
    return font;
}

const ShapedLabel& shapedLabel(const QFont& font, std::string_view text) {
    using Labels = std::map<std::string, ShapedLabel, std::less<>>;
    // Never destroyed: a static destroyed after the application would release font engines
    // that are gone by then.
    static auto* const shaped = new QHash<QFont, Labels>;
    Labels& labels = (*shaped)[font];
    if (const auto found = labels.find(text); found != labels.end()) return found->second;
    if (labels.size() >= kMaxShapedPerFont) labels.clear();
    const QString string = qText(text);
    const QFontMetrics metrics(font);
    ShapedLabel label{QStaticText(string), QFontMetricsF(font).ascent(),
                      metrics.horizontalAdvance(string),
                      (metrics.ascent() - metrics.descent()) / 2};
    label.text.setTextFormat(Qt::PlainText);
    label.text.prepare(QTransform(), font);
    return labels.emplace(std::string(text), std::move(label)).first->second;
}

void drawLabel(QPainter& painter, int x, int baseline, const ShapedLabel& label) {
    painter.drawStaticText(QPointF(x, baseline - label.ascent), label.text);
}

TextWidth textWidthOf(const QFont& font) {
    return [font](std::string_view text) { return shapedLabel(font, text).advance; };
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

void paintPolyline(QPainter& painter, std::span<const PlotPoint> points, const QColor& colour,
                   int width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    QPolygon line;
    line.reserve(static_cast<qsizetype>(points.size()));
    for (const PlotPoint& p : points) line << QPoint(p.x, p.y);
    if (line.size() == 1) painter.drawPoint(line.front());
    if (line.size() > 1) painter.drawPolyline(line);
}

void paintYLabel(QPainter& painter, int width, int row, std::string_view text) {
    painter.drawLine(width - kMarkLength, row, width - 1, row);
    const ShapedLabel& label = shapedLabel(painter.font(), text);
    drawLabel(painter, width - kLabelGap - label.advance, row + label.centreDrop, label);
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
        const ShapedLabel& shaped = shapedLabel(painter.font(), label.text);
        const int width = shaped.advance;
        const int left = std::clamp(label.position - width / 2, 0, imageWidth - width);
        drawLabel(painter, left, tickTop + kMarkLength + metrics.ascent(), shaped);
    }
}

void paintYTitle(QPainter& painter, int width, int baseline, std::string_view title) {
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    const ShapedLabel& label = shapedLabel(font, title);
    drawLabel(painter, width - kLabelGap - label.advance, baseline, label);
    painter.restore();
}

}  // namespace volmira
