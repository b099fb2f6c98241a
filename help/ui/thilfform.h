#pragma once
// `THilfform`, "Volmira-Hilfe": in its narrow form the context help, which follows the mouse
// over the controls of every program window and explains the control under it; in its wide form
// the 13 topic pages with their contents.
#include <QWidget>

#include "help/context_help.h"
#include "help/help_placement.h"

class QPushButton;

namespace volmira {

// The context help's font: Arial of 14 pixels, bold for the title.
QFont contextFont(bool bold);

class THilfform : public QWidget {
    Q_OBJECT
  public:
    explicit THilfform(QWidget* parent = nullptr);
    ~THilfform() override;

    // The explanation of the control named `objectName` in the window `windowName`; nothing
    // happens while the window is hidden or shows the topics, or when the name has no entry.
    void ContextHelp(const QString& objectName, const QString& windowName = {});
    void ShowPage(int page);
    void ShowContents();

    // The narrow context form at `box`, or the wide topic form at `box` with the contents.
    void openContextHelp(const ScreenBox& box);
    void openTopics(const ScreenBox& box);
    // F1 in `composer` opens the narrow form at its left edge; hiding it hides the help.
    void followComposer(QWidget& composer);

    int currentPage() const { return page_; }
    bool showsContents() const { return view_ == View::Contents; }
    const ContextEntry* shownEntry() const { return view_ == View::Context ? entry_ : nullptr; }

  public slots:
    void InhaltClick();
    void vorherClick();
    void nachherClick();
    void ThemenschliessClick();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class View { Context, Page, Contents };
    bool contextForm() const { return width() < kContextFormWidthLimit; }
    void place(const ScreenBox& box);
    bool followsTheMouse() const;
    void showEntry(const ContextEntry* entry);
    void FormMouseDown(QPoint pos);
    void FormMouseMove(QPoint pos);
    // The entry of the control under the mouse: its own or its nearest named parent's.
    const ContextEntry* entryUnder(QObject* watched, QEvent* event) const;

    View view_ = View::Context;
    int page_ = 1;
    const ContextEntry* entry_ = nullptr;
    QWidget* composer_ = nullptr;
    QWidget* hilftafel_ = nullptr;
    QPushButton* vorher_ = nullptr;
    QPushButton* nachher_ = nullptr;
};

}  // namespace volmira
