#pragma once
// The menu "Ansicht": zooming the drawing in and out and back to 100 %.
class QAction;
class QMenu;
class QMenuBar;

namespace volmira {

class DrawingView;

// Placed before `before` (the end of the bar when null).
QMenu* buildViewMenu(QMenuBar* bar, QAction* before, DrawingView* view);

}  // namespace volmira
