#pragma once
// `optpan`, the options panel over the main window: the digits of displayed values, the four
// default texts of the input fields (taking effect at the next start), the hint switch and the
// automatic schematic check, with "OK" and "Abbruch".
#include <QFrame>

#include "app/settings_file.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace volmira {

class OptionsPanel : public QFrame {
    Q_OBJECT
  public:
    explicit OptionsPanel(QWidget* parent);

    // The stored options, shown in the controls (at start and on "Abbruch").
    void setOptions(const Options& options);
    const Options& options() const { return stored_; }
    // Where the settings cannot be written, a note says that options are kept only when the
    // program runs from a writable folder.
    void setWritable(bool writable);
    void showInFront();

  public slots:
    // "OK" (true) takes the controls into the stored options, "Abbruch" shows the stored ones
    // again; both hide the panel.
    void OpOKClick(bool ok);
    // Leaving a frequency field (or Enter in it): the text in the program's format.
    void OptFqExit(QLineEdit* field);
    void OptSpgExit();
    void OpStZahlChange(const QString& text);

  signals:
    void optionsAccepted(const Options& options);
    // The check box of the automatic check acts at once.
    void autoErrorSearchToggled(bool on);

  private:
    QLineEdit* addField(const char* name, const QString& caption);
    std::string storedText(const QLineEdit* field) const;

    Options stored_;
    QLineEdit* digits_ = nullptr;       // `OpStZahl`
    QLineEdit* voltage_ = nullptr;      // `OptSpg`
    QLineEdit* frequency_ = nullptr;    // `OptFq`
    QLineEdit* lower_ = nullptr;        // `OptFu`
    QLineEdit* upper_ = nullptr;        // `Optfo`
    QCheckBox* hints_ = nullptr;        // `OpKHinweis`
    QCheckBox* errorSearch_ = nullptr;  // `OpFehlerS`
    QLabel* note_ = nullptr;
    QGridLayout* defaults_ = nullptr;
};

}  // namespace volmira
