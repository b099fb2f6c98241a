#pragma once
// What the installer's dialogs share: the caption with the product's name, the icon on the
// left, the small dialog font and a fixed size given in dialog units.
#include <QDialog>
#include <QString>

class QBoxLayout;
class QLabel;
class QPushButton;

namespace setup {

class SetupDialog : public QDialog {
  public:
    SetupDialog(const QString& product, int widthUnits, int heightUnits, QWidget* parent);

  protected:
    QLabel* addText(const char* id, const QString& text);
    // The row of buttons at the bottom, right-aligned, in the order added.
    QPushButton* addButton(const char* id, const QString& text);
    QBoxLayout* content() const { return content_; }

  private:
    QBoxLayout* content_;
    QBoxLayout* buttons_;
};

}  // namespace setup
