#pragma once
// `prhbild`: the two hint lines of the working mode, drawn on an image.
#include <QImage>
#include <QWidget>

#include "app/hint_lines.h"

namespace volmira {

class HintImage : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHeight = 32;

    explicit HintImage(QWidget* parent = nullptr);
    void showLines(const HintLines& lines);
    const QImage& image() const { return image_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void render();

    HintLines lines_;
    QImage image_;
};

}  // namespace volmira
