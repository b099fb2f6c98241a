#include "print/ui/element_painters.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "print/ui/text_measure.h"

namespace volmira {

namespace {

struct Label {
    double at = 0;  // page position along its axis
    QString text;
};

QString qString(const std::string& text) {
    return QString::fromStdString(text);
}

// A plot in an element: the title line, labels left of and under a framed area, the unit in
// bold under the y labels, and the curves clipped to the area. Positions are page units.
class PlotFrame {
  public:
    PlotFrame(QPainter& painter, const QRectF& rect, const QString& title,
              const std::vector<std::string>& yTexts, const std::string& unit)
        : painter_(painter),
          rect_(rect),
          labelHeight_(curveLabelHeight(rect.width())),
          font_(pageFont(labelHeight_)),
          metrics_(font_),
          unit_(qString(unit)) {
        painter_.save();
        painter_.setClipRect(rect);
        painter_.setFont(font_);
        painter_.setPen(Qt::black);
        const double titleHeight = labelHeight_ * 1.3;
        painter_.drawText(QRectF(rect.left(), rect.top(), rect.width(), titleHeight),
                          Qt::AlignLeft | Qt::AlignTop, title);
        double axisWidth = metrics_.horizontalAdvance(unit_);
        for (const std::string& text : yTexts)
            axisWidth = std::max(axisWidth, metrics_.horizontalAdvance(qString(text)));
        axisWidth_ = axisWidth + labelHeight_;
        tick_ = labelHeight_ * 0.4;
        area_ = QRectF(rect.left() + axisWidth_, rect.top() + titleHeight + labelHeight_ * 0.5,
                       rect.width() - axisWidth_ - labelHeight_,
                       rect.height() - titleHeight - labelHeight_ * 2.2 - tick_);
    }
    ~PlotFrame() { painter_.restore(); }
    PlotFrame(const PlotFrame&) = delete;
    PlotFrame& operator=(const PlotFrame&) = delete;

    const QRectF& area() const { return area_; }

    // Frame and ticks; grid lines and labels where a label keeps clear of the one before it.
    void paintAxes(const std::vector<Label>& rows, const std::vector<Label>& columns) {
        painter_.setPen(QPen(Qt::black, 2));
        painter_.drawRect(area_);
        double freeRow = 1e9;  // rows come from the top down or from the bottom up
        double lastRow = -1e9;
        for (const Label& row : rows) {
            if (row.at < area_.top() - 1 || row.at > area_.bottom() + 1) continue;
            painter_.drawLine(QPointF(area_.left() - tick_, row.at), QPointF(area_.left(), row.at));
            if (std::abs(row.at - lastRow) < labelHeight_ * 1.1 && freeRow != 1e9) continue;
            lastRow = row.at;
            freeRow = 0;
            gridLine(QPointF(area_.left(), row.at), QPointF(area_.right(), row.at));
            painter_.drawText(QRectF(rect_.left(), row.at - labelHeight_, axisWidth_ - tick_ * 2,
                                     labelHeight_ * 2),
                              Qt::AlignRight | Qt::AlignVCenter, row.text);
        }
        double freeFrom = -1e9;
        for (const Label& column : columns) {
            if (column.at < area_.left() - 1 || column.at > area_.right() + 1) continue;
            painter_.drawLine(QPointF(column.at, area_.bottom()),
                              QPointF(column.at, area_.bottom() + tick_));
            const double w = metrics_.horizontalAdvance(column.text);
            if (column.at - w / 2 < freeFrom) continue;
            freeFrom = column.at + w / 2 + labelHeight_ * 0.5;
            gridLine(QPointF(column.at, area_.top()), QPointF(column.at, area_.bottom()));
            painter_.drawText(
                QRectF(column.at - w, area_.bottom() + tick_, w * 2, labelHeight_ * 1.3),
                Qt::AlignHCenter | Qt::AlignTop, column.text);
        }
        QFont bold = font_;
        bold.setBold(true);
        painter_.setFont(bold);
        painter_.drawText(
            QRectF(rect_.left(), area_.bottom() + tick_, axisWidth_, labelHeight_ * 1.3),
            Qt::AlignLeft | Qt::AlignTop, unit_);
        painter_.setFont(font_);
    }

    // The other curves of a family in silver, the selected one over them in black.
    void paintCurves(const std::vector<QPolygonF>& curves, std::size_t selected) {
        painter_.setClipRect(area_.adjusted(-1, -1, 1, 1));
        painter_.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 3));
        for (std::size_t k = 0; k < curves.size(); ++k)
            if (k != selected) painter_.drawPolyline(curves[k]);
        painter_.setPen(QPen(Qt::black, 3));
        if (selected < curves.size()) painter_.drawPolyline(curves[selected]);
    }

  private:
    void gridLine(QPointF from, QPointF to) {
        painter_.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1, Qt::DotLine));
        painter_.drawLine(from, to);
        painter_.setPen(QPen(Qt::black, 2));
    }

    QPainter& painter_;
    QRectF rect_;
    int labelHeight_;
    QFont font_;
    QFontMetricsF metrics_;
    QString unit_;
    double axisWidth_ = 0;
    double tick_ = 0;
    QRectF area_;
};

std::vector<std::string> labelTexts(const std::vector<AxisLabel>& labels) {
    std::vector<std::string> texts;
    for (const AxisLabel& label : labels) texts.push_back(label.text);
    return texts;
}

}  // namespace

int curveLabelHeight(double rectWidth) {
    return std::min(35, static_cast<int>(rectWidth / 70 + 15));
}

void paintCurveElement(QPainter& painter, const QRectF& rect, const CurvePlotModel& model,
                       const QString& title) {
    PlotFrame frame(painter, rect, title, labelTexts(model.yLabels), model.yTitle);
    // Only the columns that hold curve points are shown, stretched over the plot area.
    int first = model.width;
    int last = 0;
    for (const auto& curve : model.curves)
        for (const PlotPoint& p : curve) {
            first = std::min(first, p.x);
            last = std::max(last, p.x);
        }
    if (first >= last) return;
    const QRectF& area = frame.area();
    const int topRow = model.rows.top + kCurveRowOffset;
    const int bottomRow = model.rows.bottom + kCurveRowOffset;
    const auto x = [&](double column) {
        return area.left() + (column - first) / (last - first) * area.width();
    };
    const auto y = [&](double row) {
        return area.top() + (row - topRow) / std::max(1, bottomRow - topRow) * area.height();
    };
    std::vector<Label> rows;
    for (const AxisLabel& label : model.yLabels)
        rows.push_back(
            {y(label.position - kLabelRowOffset + kCurveRowOffset), qString(label.text)});
    std::vector<Label> columns;
    for (const AxisLabel& label : model.frequencyLabels)
        if (label.position >= first && label.position <= last)
            columns.push_back({x(label.position), qString(label.text)});
    frame.paintAxes(rows, columns);
    std::vector<QPolygonF> curves;
    for (const auto& curve : model.curves) {
        QPolygonF points;
        for (const PlotPoint& p : curve) points << QPointF(x(p.x), y(p.y));
        curves.push_back(points);
    }
    frame.paintCurves(curves, static_cast<std::size_t>(model.selectedCurve - 1));
}

void paintLocusElement(QPainter& painter, const QRectF& rect, const LocusPlotModel& model,
                       const QString& title) {
    PlotFrame frame(painter, rect, title, labelTexts(model.imaginaryLabels), model.yTitle);
    if (!model.scale.drawable() || model.realLabelRow <= 0) return;
    // The model's pixels keep one scale for both axes: the curves and the origin are fitted
    // into the area.
    QRectF box(QPointF(model.origin.x, model.origin.y), QSizeF(0, 0));
    for (const LocusCurve& curve : model.curves)
        for (const PlotPoint& p : curve.points) box |= QRectF(p.x, p.y, 0.001, 0.001);
    box.adjust(-box.width() * 0.05 - 1, -box.height() * 0.05 - 1, box.width() * 0.05 + 1,
               box.height() * 0.05 + 1);
    const QRectF& area = frame.area();
    const double k = std::min(area.width() / box.width(), area.height() / box.height());
    const QPointF offset(area.left() + (area.width() - box.width() * k) / 2 - box.left() * k,
                         area.top() + (area.height() - box.height() * k) / 2 - box.top() * k);
    const auto place = [&](double x, double y) { return QPointF(x, y) * k + offset; };
    std::vector<Label> rows;
    for (const AxisLabel& label : model.imaginaryLabels)
        rows.push_back({place(0, label.position - 2).y(), qString(label.text)});
    std::vector<Label> columns;
    for (const AxisLabel& label : model.realLabels)
        columns.push_back({place(label.position, 0).x(), qString(label.text)});
    frame.paintAxes(rows, columns);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 2));
    const QPointF origin = place(model.origin.x, model.origin.y);
    painter.drawLine(QPointF(area.left(), origin.y()), QPointF(area.right(), origin.y()));
    painter.drawLine(QPointF(origin.x(), area.top()), QPointF(origin.x(), area.bottom()));
    std::vector<QPolygonF> curves;
    std::size_t selected = 0;
    for (const LocusCurve& curve : model.curves) {
        if (curve.selected) selected = curves.size();
        QPolygonF points;
        for (const PlotPoint& p : curve.points) points << place(p.x, p.y);
        curves.push_back(points);
    }
    frame.paintCurves(curves, selected);
}

void paintTableElement(QPainter& painter, const QRectF& rect, const FrequencyTable& table) {
    if (table.rows <= 0 || table.columns <= 0) return;
    const double rowHeight = rect.height() / (table.rows + 1);
    const QFont font = pageFont(std::min(rowHeight * (table.withPhase ? 0.35 : 0.6), 35.0));
    const QFontMetricsF metrics(font);
    double labelWidth = metrics.horizontalAdvance(QString::fromStdString(table.quantityName));
    for (int r = 0; r < table.rows; ++r)
        labelWidth = std::max(labelWidth,
                              metrics.horizontalAdvance(QString::fromStdString(table.labels[r])));
    labelWidth += metrics.horizontalAdvance(QStringLiteral("  "));
    const double columnWidth = (rect.width() - labelWidth) / table.columns;
    const double valuesLeft = rect.left() + labelWidth;

    painter.save();
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    // One rectangle per row across the values and one per column down the rows.
    for (int r = 1; r <= table.rows; ++r)
        painter.drawRect(QRectF(rect.left(), rect.top() + r * rowHeight, rect.width(), rowHeight));
    for (int c = 0; c < table.columns; ++c)
        painter.drawRect(
            QRectF(valuesLeft + c * columnWidth, rect.top(), columnWidth, rect.height()));

    painter.drawText(QRectF(rect.left(), rect.top(), labelWidth, rowHeight),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(table.quantityName));
    for (int c = 0; c < table.columns; ++c)
        painter.drawText(QRectF(valuesLeft + c * columnWidth, rect.top(), columnWidth, rowHeight),
                         Qt::AlignCenter, QString::fromStdString(table.frequencies[c]));
    for (int r = 0; r < table.rows; ++r) {
        const double top = rect.top() + (r + 1) * rowHeight;
        painter.drawText(QRectF(rect.left() + metrics.horizontalAdvance(QStringLiteral(" ")), top,
                                labelWidth, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(table.labels[r]));
        for (int c = 0; c < table.columns; ++c) {
            const QRectF cell(valuesLeft + c * columnWidth, top, columnWidth, rowHeight);
            if (!table.withPhase) {
                painter.drawText(cell, Qt::AlignCenter, QString::fromStdString(table.values[r][c]));
                continue;
            }
            painter.drawText(cell, Qt::AlignHCenter | Qt::AlignTop,
                             QString::fromStdString(table.values[r][c]));
            painter.drawText(cell, Qt::AlignHCenter | Qt::AlignBottom,
                             QString::fromStdString(table.phases[r][c]));
        }
    }
    painter.restore();
}

}  // namespace volmira
