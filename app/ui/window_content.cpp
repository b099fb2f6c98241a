#include "app/ui/window_content.h"

#include <QEvent>
#include <QLayout>
#include <algorithm>

namespace volmira {

WindowContent::WindowContent(QSize designMinimum, std::function<void()> neededSizeChanged)
    : designMinimum_(designMinimum), neededSizeChanged_(std::move(neededSizeChanged)) {}

QSize WindowContent::minimumSizeHint() const {
    // Only the height: the tool rows may shorten their captions, a frame cannot overlap.
    const int needed = layout() ? layout()->minimumSize().height() : 0;
    return {designMinimum_.width(), std::max(needed, designMinimum_.height())};
}

bool WindowContent::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::LayoutRequest && neededSizeChanged_) neededSizeChanged_();
    return handled;
}

}  // namespace volmira
