#include "schematic/ui/component_label_marks.h"

#include <QFontMetrics>

#include "platform/qt_text.h"
#include "schematic/component_labels.h"

namespace volmira {

std::vector<DrawingView::Label> componentLabels(std::span<const Component> components,
                                                const SchematicGrid& grid) {
    const QFontMetrics metrics(DrawingView::labelFont());
    std::vector<QString> texts;
    std::vector<LabelRequest> requests;
    for (const Component& c : components) {
        texts.push_back(qText(c.name) +
                        (c.valueText.empty() ? QString() : " " + qText(c.valueText)));
        requests.push_back({c.column, c.row, c.code, metrics.horizontalAdvance(texts.back())});
    }
    const std::vector<std::optional<PixelRect>> boxes = placeLabels(grid, requests);
    std::vector<DrawingView::Label> labels;
    for (std::size_t k = 0; k < boxes.size(); ++k)
        if (boxes[k])
            labels.push_back(
                {QRect(boxes[k]->x + 1, boxes[k]->y, boxes[k]->width - 1, boxes[k]->height),
                 texts[k]});
    return labels;
}

}  // namespace volmira
