#pragma once
// The status bar `Statuszeile`: the cell under the pointer, the tool in use, the working mode,
// the counts of the analysed network and the zoom; short notes that need no message box appear
// on its left for a few seconds. It also carries the check box `BauteilwerteAnzeigen`.
#include <QStatusBar>

class QCheckBox;
class QLabel;

namespace volmira {

class StatusLine : public QStatusBar {
    Q_OBJECT
  public:
    static constexpr int kNoteMilliseconds = 6000;

    explicit StatusLine(QWidget* parent = nullptr);

    void showCell(const QString& text) { set(cell_, text); }
    void showTool(const QString& text) { set(tool_, text); }
    void showMode(const QString& text) { set(mode_, text); }
    void showCounts(const QString& text) { set(counts_, text); }
    void showZoom(int percent);
    void note(const QString& text) { showMessage(text, kNoteMilliseconds); }

    QCheckBox* valuesBox() const { return values_; }

  private:
    QLabel* field(const char* name);
    static void set(QLabel* label, const QString& text);

    QLabel* cell_;
    QLabel* tool_;
    QLabel* mode_;
    QLabel* counts_;
    QLabel* zoom_;
    QCheckBox* values_;
};

}  // namespace volmira
