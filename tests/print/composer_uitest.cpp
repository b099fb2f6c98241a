// The print composer as the user drives it: every element kind inserted through its control,
// moved, resized, removed and turned to landscape; a configuration saved and loaded; the
// preliminary hand-over hatched in the preview; pages printed to PDF, rasterised and checked
// for ink inside each element's rectangle and nowhere else. The pages stay in the test's folder
// for viewing.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "app/ui/scripted_dialogs.h"
#include "print/ui/tdrform.h"
#include "print/ui/tseitan.h"
#include "support/test_support.h"
#include "tools/calc_network.h"

namespace volmira {
namespace {

constexpr int kDpi = 50;

class TestContext : public ComposerContext {
  public:
    calc::CalcNetwork net;
    int mode = 4;
    QStringList statusTexts;
    std::unique_ptr<PlotState> plot = std::make_unique<PlotState>();

    int workingMode() const override { return mode; }
    Calculation& calculation() override { return net.calculation; }
    const SchematicGrid& grid() const override { return net.file.grid; }
    const SymbolList& symbols() const override { return net.file.symbols; }
    std::string lowerFrequencyText() const override { return "10 Hz"; }
    std::string upperFrequencyText() const override { return "100 kHz"; }
    void showStatus(const QString& text) override { statusTexts << text; }
    PrintPlot printPlot() override {
        PrintPlot p;
        p.range = DeriveBounds(10, 100000, false);
        p.branch =
            net.calculation.network().component(net.calculation.network().componentCount).branch;
        sweepIntoPlot(net.calculation, *plot, p.range, true, p.branch);
        p.plot = plot.get();
        return p;
    }
};

int darkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++count;
    return count;
}

void mouse(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(p), QPointF(w->mapToGlobal(p)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, {});
    QApplication::sendEvent(w, &event);
}

void dragOnSheet(QWidget* blatt, QPoint from, QPoint to) {
    mouse(blatt, QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(blatt, QEvent::MouseMove, to, Qt::LeftButton);
    mouse(blatt, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

}  // namespace

class ComposerTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void everyKindInsertedMovedResizedAndRemoved();
    void enablingFollowsTheWorkingMode();
    void configurationSavedAndLoaded();
    void handOverHatchedInThePreviewAndPagesPrinted_data();
    void handOverHatchedInThePreviewAndPagesPrinted();

  private:
    template <class T>
    T* child(const char* name) {
        T* w = form_->findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    void insertEveryKind();
    QPoint centreOf(int slot) const {
        const SheetRect& r = form_->document().slot(slot).rect;
        return {r.left + r.width / 2, r.top + r.height / 2};
    }

    std::unique_ptr<TestContext> context_;
    std::unique_ptr<TDrForm> form_;
    test::ScriptedDialogs* dialogs_ = nullptr;
};

void ComposerTest::init() {
    dialogs_ = &test::ScriptedDialogs::install();
    context_ = std::make_unique<TestContext>();
    const auto failure =
        calc::prepareNetwork((test::sourceDir() / "examples" / "RCL.nwb").string(), context_->net);
    QVERIFY2(!failure, failure ? failure->message.c_str() : "");
    form_ = std::make_unique<TDrForm>(*context_);
    form_->setPrinterDialog([](QPrinter&, QWidget*) { return false; });
    form_->open();
}

void ComposerTest::cleanup() {
    form_.reset();
    installDialogs(nullptr);
}

// Schematic, a 2-column list, a curve, a locus of the voltage, a bold text and a table of one
// branch at two frequencies, each through its control.
void ComposerTest::insertEveryKind() {
    click("Schaltbild");
    click("BauteilEinfueg");
    auto* columns = child<QMenu>("BtSpaltenZahl");
    QVERIFY(columns->isVisible());
    columns->actions().at(1)->trigger();
    columns->hide();
    click("FgKurveEinfueg");
    child<QComboBox>("AwBox")->setCurrentIndex(1);  // "Spannung"
    click("OrtskurveEinfueg");
    child<QLineEdit>("Einfueg")->setText(QStringLiteral("Reihenschwingkreis RCL"));
    child<QSpinBox>("Sgr")->setValue(6);
    click("Fett");
    click("TxtEinfueg");

    auto* notebook = child<QTabWidget>("Notebook");
    notebook->setCurrentIndex(1);
    QVERIFY(!child<QLabel>("Memo2")->isVisible());
    // The marked row takes the branch of the component clicked in the miniature.
    const Component& c = context_->net.calculation.network().component(1);
    QTest::mouseClick(child<QLabel>("Paint1"), Qt::LeftButton, {},
                      QPoint((c.column - 1) * 5 + 5, (c.row - 1) * 5 + 5));
    QVERIFY(child<QLabel>("SzName1")->text().contains(QString::fromStdString(c.name)));
    for (int column : {1, 3}) {
        QTest::mouseClick(child<QLabel>(qPrintable(QStringLiteral("FgZ%1").arg(column))),
                          Qt::LeftButton);
        child<QLineEdit>("FFeld")->setText(column == 1 ? QStringLiteral("100")
                                                       : QStringLiteral("10k"));
        QMetaObject::invokeMethod(child<QLineEdit>("FFeld"), "editingFinished");
    }
    child<QCheckBox>("PhaseJaNein")->setChecked(true);
    click("TabEinfuegen");
    QCOMPARE(notebook->currentIndex(), 0);
}

void ComposerTest::everyKindInsertedMovedResizedAndRemoved() {
    insertEveryKind();
    PrintDocument& doc = form_->document();
    const std::string kinds = "SBFOTM";
    for (int n = 1; n <= 6; ++n) {
        QCOMPARE(static_cast<char>(doc.slot(n).element.kind), kinds[std::size_t(n - 1)]);
        auto* shape = child<QWidget>(qPrintable(QStringLiteral("Shape%1").arg(n)));
        QVERIFY(shape->isVisible());
        const SheetRect& r = doc.slot(n).rect;
        QCOMPARE(shape->geometry(), QRect(r.left, r.top, r.width, r.height));
    }
    QCOMPARE(int(doc.slot(2).element.fieldA), 2);
    QCOMPARE(int(doc.slot(4).element.fieldA), 0);  // the voltage's slot
    QCOMPARE(int(doc.slot(5).element.textStyle), kStyleBold);
    QCOMPARE(form_->frequencyTable().rows, 1);
    QCOMPARE(form_->frequencyTable().columns, 2);
    QVERIFY(!form_->frequencyTable().phases[0][1].empty());
    QVERIFY(!child<QPushButton>("TabEinfuegen")->isEnabled());
    QVERIFY(child<QPlainTextEdit>("Memo1")->toPlainText().startsWith("Frequenztabelle"));

    // Moving: the element follows the mouse.
    QWidget* blatt = child<QWidget>("Blatt");
    for (int n = 1; n <= 5; ++n) doc.moveTo(n, 3 + 20 * n, 3 + 30 * n);
    const SheetRect before = doc.slot(1).rect;
    dragOnSheet(blatt, centreOf(1), centreOf(1) + QPoint(5, 7));
    QCOMPARE(doc.slot(1).rect.left, before.left + 5);
    QCOMPARE(doc.slot(1).rect.top, before.top + 7);
    QCOMPARE(child<QLabel>("xpos")->text(),
             QStringLiteral(" X=%1").arg(roundEven(doc.slot(1).rect.left * 1.337)));

    // Resizing by the handle; a text has no handle.
    doc.moveTo(3, 2, 2);
    mouse(blatt, QEvent::MouseButtonPress, centreOf(3), Qt::LeftButton);
    mouse(blatt, QEvent::MouseButtonRelease, centreOf(3), Qt::NoButton);
    auto* vergr = child<QWidget>("Vergr");
    QVERIFY(vergr->isVisible());
    const SheetRect& curve = doc.slot(3).rect;
    dragOnSheet(blatt, QPoint(curve.right() - 3, curve.bottom() - 3), QPoint(60, 60));
    QCOMPARE(curve.width, 60 - curve.left + 4);
    QCOMPARE(vergr->geometry().bottomRight(), QPoint(curve.right() - 1, curve.bottom() - 1));
    dragOnSheet(blatt, centreOf(5), centreOf(5));
    QVERIFY(!vergr->isVisible());

    // Removing the table frees its slot and allows a table again.
    dragOnSheet(blatt, centreOf(6), centreOf(6));
    click("Entfernen");
    QVERIFY(doc.slot(6).free());
    QVERIFY(!child<QWidget>("Shape6")->isVisible());
    QVERIFY(child<QPushButton>("TabEinfuegen")->isEnabled());

    // Landscape: the paper turns, the info box moves under it, the elements keep their places.
    const SheetRect list = doc.slot(2).rect;
    click("HochQuer");
    QCOMPARE(child<QWidget>("GBlatt")->geometry(), QRect(69, 37, 222, 157));
    QCOMPARE(child<QWidget>("Memo1")->geometry(), QRect(97, 203, 169, 56));
    QCOMPARE(doc.slot(2).rect.left, list.left);
    QVERIFY(form_->printer().pageLayout().orientation() == QPageLayout::Landscape);
    click("HochQuer");
    QCOMPARE(child<QWidget>("GBlatt")->geometry(), QRect(8, 38, 157, 222));
    QCOMPARE(dialogs_->unexpected, 0);
}

void ComposerTest::enablingFollowsTheWorkingMode() {
    context_->mode = 1;
    form_->open();
    for (const char* name :
         {"Schaltbild", "BauteilEinfueg", "FgKurveEinfueg", "OrtskurveEinfueg", "TabEinfuegen"})
        QVERIFY2(!child<QAbstractButton>(name)->isEnabled(), name);
    child<QTabWidget>("Notebook")->setCurrentIndex(1);
    QVERIFY(child<QLabel>("Memo2")->isVisible());
    context_->mode = 4;
    form_->open();
    child<QComboBox>("AwBox")->setCurrentIndex(7);  // "Blindleistung": no locus
    QVERIFY(child<QAbstractButton>("FgKurveEinfueg")->isEnabled());
    QVERIFY(!child<QAbstractButton>("OrtskurveEinfueg")->isEnabled());
}

void ComposerTest::configurationSavedAndLoaded() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("seite"));
    insertEveryKind();
    PrintDocument& doc = form_->document();
    doc.moveTo(5, 30, 40);
    dialogs_->fileNames.push_back(file);
    click("DrKonSpei");
    QVERIFY(QFile::exists(file + ".dkf"));

    click("AlleLoesch");
    QVERIFY(!child<QWidget>("Shape1")->isVisible());
    dialogs_->fileNames.push_back(file + ".dkf");
    click("DrKonLad");
    // Every element but the table comes back, the text at its place and not bold any more
    // than it was saved.
    const std::string kinds = "SBFOT";
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(static_cast<char>(doc.slot(n).element.kind), kinds[std::size_t(n - 1)]);
    QVERIFY(doc.slot(6).free());
    QCOMPARE(doc.slot(5).rect.left, 30);
    QCOMPARE(doc.slot(5).rect.top, 40);
    QCOMPARE(child<QSpinBox>("Sgr")->value(), 6);
    QVERIFY(child<QToolButton>("Fett")->isChecked());

    // A damaged file: the message names the line (what the load keeps is the core's rule).
    QFile bad(dir.filePath(QStringLiteral("kaputt.dkf")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("S\r\n1\r\n1\r\n40\r\n30\r\nB\r\nzwei\r\n1\r\n40\r\n9\r\n2\r\nE\r\n");
    bad.close();
    dialogs_->fileNames.push_back(bad.fileName());
    click("DrKonLad");
    QVERIFY(dialogs_->lastText(test::ScriptedDialogs::Kind::Error).contains("Zeile 7"));
    QCOMPARE(dialogs_->unexpected, 0);
}

void ComposerTest::handOverHatchedInThePreviewAndPagesPrinted_data() {
    QTest::addColumn<bool>("landscape");
    QTest::newRow("hoch") << false;
    QTest::newRow("quer") << true;
}

void ComposerTest::handOverHatchedInThePreviewAndPagesPrinted() {
    QFETCH(bool, landscape);
    const QString name =
        landscape ? QStringLiteral("ausdruck_quer") : QStringLiteral("ausdruck_hoch");
    QPrinter& printer = form_->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir::current().filePath(name + ".pdf"));
    if (landscape) click("HochQuer");
    insertEveryKind();
    PrintDocument& doc = form_->document();
    // A layout that uses the page.
    const SheetRect area = doc.printableArea();
    const int w = area.width;
    doc.resizeTo(1, w / 2 - 4);
    doc.moveTo(1, 2, 2);
    doc.moveTo(5, landscape ? w / 2 + 4 : 2, landscape ? 2 : doc.slot(1).rect.bottom() + 4);
    doc.moveTo(2, landscape ? w / 2 + 4 : 2, doc.slot(5).rect.bottom() + 3);
    doc.resizeTo(3, w / 2 - 4);
    doc.moveTo(3, 2, landscape ? doc.slot(1).rect.bottom() + 4 : doc.slot(2).rect.bottom() + 4);
    doc.resizeTo(4, w / 2 - 8);
    doc.moveTo(4, w / 2 + 4, doc.slot(3).rect.top);
    doc.moveTo(6, landscape ? w / 2 + 4 : 2,
               landscape ? doc.slot(2).rect.bottom() + 4 : doc.slot(3).rect.bottom() + 4);

    // The preview draws every element in its place.
    click("Seitansicht");
    QWidget* surface = form_->preview()->surface();
    const double k = surface->width() / (area.width * 1.0);
    const auto onSurface = [&](int slot) {
        const SheetRect& r = doc.slot(slot).rect;
        return QRect(qRound(r.left * k) + 2, qRound(r.top * k) + 2, qRound(r.width * k) - 4,
                     qRound(r.height * k) - 4);
    };
    const QImage draft = surface->grab().toImage();
    for (int n = 1; n <= 6; ++n)
        QVERIFY2(darkPixels(draft, onSurface(n)) > 20, qPrintable(QString::number(n)));

    // The preliminary hand-over locks everything but the text, which waits for the end.
    QWidget* blatt = child<QWidget>("Blatt");
    dragOnSheet(blatt, centreOf(5), centreOf(5));
    click("Entfernen");
    QVERIFY(doc.slot(5).free());
    click("EinSpei");
    for (int n : {1, 2, 3, 4, 6}) QCOMPARE(doc.slot(n).colour, SlotColour::Green);
    QVERIFY(child<QPushButton>("TabEinfuegen")->isEnabled());  // the table is on paper
    // The open page keeps its orientation.
    click("HochQuer");
    QVERIFY(dialogs_->lastText(test::ScriptedDialogs::Kind::Error).startsWith("Druckerproblem"));
    QCOMPARE(doc.orientation() == Orientation::Landscape, landscape);
    child<QLineEdit>("Einfueg")->setText(QStringLiteral("Reihenschwingkreis RCL"));
    click("TxtEinfueg");
    QCOMPARE(doc.selected(), 5);
    doc.moveTo(5, landscape ? w / 2 + 4 : 2, landscape ? 2 : doc.slot(1).rect.bottom() + 4);

    click("Seitansicht");
    QVERIFY(form_->preview()->isVisible());
    const QImage preview = surface->grab().toImage();
    // Handed-over elements are hatched evenly; the text is drawn.
    for (int n : {1, 3}) {
        const QRect r = onSurface(n);
        const double share = double(darkPixels(preview, r)) / (r.width() * r.height());
        QVERIFY2(share > 0.1 && share < 0.7, qPrintable(QString::number(share)));
    }
    QVERIFY(darkPixels(preview, onSurface(5)) > 0);
    child<QPushButton>("Button1")->click();
    QVERIFY(!form_->preview()->isVisible());

    click("Drucken");
    for (int n = 1; n <= 6; ++n) QCOMPARE(doc.slot(n).colour, SlotColour::Grey);
    QVERIFY(!child<QPushButton>("TabEinfuegen")->isEnabled());
    QVERIFY(
        context_->statusTexts.contains(QStringLiteral(" Dokument wird gedruckt\r Bitte warten")));

    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral(PDFTOPPM),
                   {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), name + ".pdf", name});
    QVERIFY(pdftoppm.waitForFinished(60000));
    QCOMPARE(pdftoppm.exitCode(), 0);
    const QImage page(name + ".png");
    QVERIFY(!page.isNull());
    QCOMPARE(page.width() > page.height(), landscape);
    // Printed text stands a third taller than its placeholder: 3 mm of slack around each.
    const QPointF origin = printer.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    const double s = kMillimetresPerSheetPixel * kDpi / 25.4;
    const double o = kDpi / 25.4;
    const int slack = qRound(3 * o);
    QImage rest = page.convertToFormat(QImage::Format_RGB32);
    QPainter eraser(&rest);
    for (int n = 1; n <= 6; ++n) {
        const SheetRect& r = doc.slot(n).rect;
        const QRect area(qRound(origin.x() * o + r.left * s), qRound(origin.y() * o + r.top * s),
                         qRound(r.width * s), qRound(r.height * s));
        QVERIFY2(darkPixels(page, area) > 50, qPrintable(QStringLiteral("Teildokument %1").arg(n)));
        eraser.fillRect(area.adjusted(-slack, -slack, slack, slack), Qt::white);
    }
    eraser.end();
    QCOMPARE(darkPixels(rest, rest.rect()), 0);  // nothing outside the rectangles
}

}  // namespace volmira

QTEST_MAIN(volmira::ComposerTest)
#include "composer_uitest.moc"
