// The formula window driven through its controls: typing, choosing, computing, failing.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include "formulas/ui/formula_window.h"

using namespace volmira;

class FormulaWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        messages_.clear();
        window_ = std::make_unique<Tformel>(
            nullptr, [this](QWidget*, const QString& text) { messages_ << text; });
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    // A typed full stop becomes a comma, Enter formats the field, "Berechnen" fills the sought one.
    void typingAndComputing() {
        QCOMPARE(window_->sheet().key().code(), 1111);
        QLineEdit* field = child<QLineEdit>("wert2");
        QTest::mouseClick(field, Qt::LeftButton);
        QVERIFY(child<QLabel>("hinw")->isVisible());
        QCOMPARE(child<QLabel>("hinw")->text(), QString("Werteingabe in Ohm"));
        QTest::keyClicks(field, "1.5");
        QCOMPARE(field->text(), QString("1,5"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), QString("1,5 Ohm"));
        field->setText("100");
        child<QLineEdit>("wert3")->setText("220");
        QTest::mouseClick(child<QPushButton>("Berechnen"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>("wert1")->text(), QString("320 Ohm"));
        QVERIFY(messages_.isEmpty());
    }

    // Clicking a label makes it the sought quantity; a division by zero is reported and the
    // fields stay as typed.
    void failedComputationShowsTheMessage() {
        child<QTabBar>("TabReg")->setCurrentIndex(1);
        QTest::mouseClick(child<QLabel>("gro2"), Qt::LeftButton);
        QCOMPARE(window_->sheet().key().code(), 1212);
        QCOMPARE(child<QLabel>("gro2")->palette().color(QPalette::Window), QColor(0x808080));
        QCOMPARE(child<QLabel>("gro1")->palette().color(QPalette::Window), QColor(0xC0C0C0));
        child<QLineEdit>("wert1")->setText("100");
        child<QLineEdit>("wert3")->setText("100");
        QTest::mouseClick(child<QPushButton>("Berechnen"), Qt::LeftButton);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].contains("Division durch Null, negativer Wurzelwert"));
        QCOMPARE(child<QLineEdit>("wert2")->text(), QString());
    }

    // A page change rebuilds the formula row after the timer; the variant row follows the
    // formula and a variant changes the quantities of its fields.
    void pagesFormulasAndVariants() {
        child<QTabBar>("Register")->setCurrentIndex(1);
        QTRY_COMPARE(window_->sheet().key().code(), 2111);
        QCOMPARE(child<QTabBar>("TabReg")->count(), 4);
        QCOMPARE(child<QTabBar>("Variant")->count(), 1);
        child<QTabBar>("TabReg")->setCurrentIndex(2);
        QCOMPARE(child<QTabBar>("Variant")->count(), 2);
        QCOMPARE(child<QTabBar>("Variant")->tabText(1), QString("Var 2"));
        child<QTabBar>("Variant")->setCurrentIndex(1);
        QCOMPARE(window_->sheet().key().code(), 2321);
        QVERIFY(child<QLineEdit>("wert3")->isVisible());
        QVERIFY(!child<QLineEdit>("wert4")->isVisible());
        QCOMPARE(child<QLabel>("gro2")->text(), QString("Frequenz f"));
    }

    // The entry point of the main window's menu: one window per parent, shown again.
    void openingTwiceShowsTheSameWindow() {
        QWidget parent;
        openFormulaCollection(&parent);
        auto* window = parent.findChild<Tformel*>();
        QVERIFY(window && window->isVisible());
        window->hide();
        openFormulaCollection(&parent);
        QCOMPARE(parent.findChildren<Tformel*>().size(), 1);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Elektrotechnische Formelsammlung"));
    }

  private:
    template <typename T>
    T* child(const char* name) {
        T* found = window_->findChild<T*>(name);
        if (!found) qFatal("no control %s", name);
        return found;
    }

    std::unique_ptr<Tformel> window_;
    QStringList messages_;
};

QTEST_MAIN(FormulaWindowTest)
#include "formula_window_uitest.moc"
