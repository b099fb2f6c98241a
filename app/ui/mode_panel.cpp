#include "app/ui/mode_panel.h"

#include <QBoxLayout>

namespace volmira {

ModePanel::ModePanel(const QString& objectName, QWidget* parent) : QFrame(parent) {
    setObjectName(objectName);
    setFrameShape(QFrame::NoFrame);
}

void ModePanel::adoptDrawing(QWidget* drawingFrame) {
    if (!drawingSlot_ || drawingFrame->parentWidget() == this) return;
    drawingSlot_->insertWidget(drawingPosition_, drawingFrame, 1);
    drawingFrame->show();
}

QFrame* makeSidePanel(const QString& objectName, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(objectName);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

}  // namespace volmira

namespace volmira {

SideColumn makeSideColumn(const QString& objectName, QWidget* parent, int width) {
    QFrame* frame = makeSidePanel(objectName, parent);
    if (width > 0) frame->setFixedWidth(width);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    return {frame, layout};
}

QHBoxLayout* makePanelRow(QWidget* panel) {
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    return layout;
}

}  // namespace volmira
