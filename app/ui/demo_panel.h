#pragma once
// `demopan`, the panel of the guided demonstration: its text on the paint box `demobild`, 16
// pixels per line, with the prompt to press Enter at the bottom, and the buttons `DemoWeiter`
// and `DemoAbbruch`. Enter on the focused button presses it.
#include <QFrame>
#include <QStringList>
#include <span>
#include <string_view>

class QPushButton;

namespace volmira {

class DemoText : public QWidget {
    Q_OBJECT
  public:
    explicit DemoText(QWidget* parent = nullptr);

    void setLines(std::span<const std::string_view> lines);
    void setPromptShown(bool shown);
    const QStringList& lines() const { return lines_; }
    bool promptShown() const { return prompt_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QStringList lines_;
    bool prompt_ = false;
};

class DemoPanel : public QFrame {
    Q_OBJECT
  public:
    explicit DemoPanel(QWidget* parent);

    DemoText* text() const { return text_; }
    QPushButton* weiter() const { return weiter_; }
    QPushButton* abbruch() const { return abbruch_; }
    // The size for four lines, or the enlarged one for the closing text.
    void setEnlarged(bool enlarged);

  signals:
    void weiterClicked();
    void abbruchClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    DemoText* text_;
    QPushButton* weiter_;
    QPushButton* abbruch_;
};

}  // namespace volmira
