#pragma once
// The comforts around the drawing: the status bar `Statuszeile` and what it shows, the menu
// "Ansicht" with the zoom, the line tool's hint naming Escape, and the component labels that
// its check box switches on in modes 2 and 3 and in the graphic mode's miniature. The main window
// tells it what happens.
#include <QObject>
#include <QPoint>

class QMainWindow;
class QMenu;

namespace volmira {

class DrawingView;
class EditorController;
class HintImage;
class StatusLine;
class ValueEntryPanel;
struct Workspace;

class EditorComforts : public QObject {
    Q_OBJECT
  public:
    // The menu "Ansicht" goes after `drawingMenu`.
    EditorComforts(QMainWindow& window, Workspace& workspace, DrawingView* view,
                   EditorController* editor, HintImage* hints, ValueEntryPanel* valueEntry,
                   QMenu* drawingMenu);

    StatusLine* statusLine() const { return statusLine_; }

    void modeChanged(const QString& modeName);
    void networkAnalysed();
    // The drawing was edited, or another network was loaded or begun: the counts may be gone.
    void drawingChanged();

  signals:
    // Whether the miniature of the graphic mode shows the labels: it is seen only there.
    void miniatureLabelsSwitched(bool shown);

  private:
    void showPointer(QPoint pixel);
    void showTool();
    void refreshLabels();

    Workspace& ws_;
    DrawingView* view_;
    EditorController* editor_;
    HintImage* hints_;
    StatusLine* statusLine_;
};

}  // namespace volmira
