#include "schematic/ui/component_label_marks.h"

#include <QFontMetrics>

#include "platform/qt_text.h"
#include "schematic/editor_geometry.h"

namespace volmira {

namespace {

// A one-pixel margin on the left keeps the text off a neighbouring symbol.
QRect drawingBox(const LabelCells& cells) {
    const GridPixel corner = cellBoxTopLeft({cells.column, cells.row});
    return QRect(corner.x + 1, corner.y, cells.columns * kPixelsPerCell - 1, kPixelsPerCell);
}

}  // namespace

LabelStyle drawingLabelStyle() {
    return {DrawingView::labelFont(), kPixelsPerCell, 1, drawingBox};
}

std::vector<DrawingView::Label> componentLabels(std::span<const Component> components,
                                                const SchematicGrid& grid,
                                                const LabelStyle& style) {
    const QFontMetrics metrics(style.font);
    std::vector<QString> texts;
    std::vector<LabelRequest> requests;
    for (const Component& c : components) {
        texts.push_back(qText(c.name) +
                        (c.valueText.empty() ? QString() : " " + qText(c.valueText)));
        requests.push_back({c.column, c.row, c.code, metrics.horizontalAdvance(texts.back())});
    }
    const std::vector<std::optional<LabelCells>> places =
        placeLabelCells(grid, requests, style.pixelsPerCell, style.rows);
    std::vector<DrawingView::Label> labels;
    for (std::size_t k = 0; k < places.size(); ++k)
        if (places[k]) labels.push_back({style.box(*places[k]), texts[k]});
    return labels;
}

}  // namespace volmira
