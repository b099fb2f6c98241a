// The page painters on a real PDF printer: every element kind on a portrait and a landscape page,
// rasterised and checked for ink inside each element's rectangle and nowhere else; and the
// preview's hatching of handed-over elements. The pages stay in the test's folder for viewing.
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QtTest>
#include <memory>

#include "analysis/ac_solver.h"
#include "analysis/value_text.h"
#include "graphics/curve_plot.h"
#include "graphics/sweep_points.h"
#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/locus_plot_painter.h"
#include "print/ui/element_painters.h"
#include "print/ui/print_job.h"
#include "print/ui/text_measure.h"
#include "support/test_support.h"
#include "tools/calc_network.h"

namespace volmira {
namespace {

constexpr int kDpi = 50;
constexpr int kCurveButton = 2;  // voltage

double width100(const std::string& text, int style) {
    return textWidth100(QString::fromStdString(text), style);
}

int darkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++count;
    return count;
}

}  // namespace

class PageRenderTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void everyElementKindOnAPdfPage_data();
    void everyElementKindOnAPdfPage();
    void handedOverElementsAreHatchedInThePreview();

  private:
    struct Layout {
        int schematic, text, list, curve, locus, table;
    };
    Layout compose(PrintDocument& doc, Orientation orientation);
    ElementPainter elementPainter(const PrintDocument& doc);
    PrintPass pass(const PrintDocument& doc, PassTarget target) const {
        return buildPrintPass(doc, {net_.file.symbols, components_, false}, target);
    }

    calc::CalcNetwork net_;
    std::vector<Component> components_;
    std::unique_ptr<PlotState> plot_ = std::make_unique<PlotState>();
    SweepRange range_;
    int branch_ = 1;
    FrequencyTable table_;
};

void PageRenderTest::initTestCase() {
    const auto path = test::sourceDir() / "examples" / "RCL.nwb";
    const auto failure = calc::prepareNetwork(path.string(), net_);
    QVERIFY2(!failure, failure ? failure->message.c_str() : "");
    const Network& network = net_.calculation.network();
    for (int k = 1; k <= network.componentCount; ++k) components_.push_back(network.component(k));
    branch_ = network.component(network.componentCount).branch;

    // The curve: a real sweep of the last component's branch.
    auto solver = std::make_unique<AcSolver>();
    solver->prepareSweep(network);
    const auto solve = [&](double frequency, BranchQuantities& out) {
        BranchCurrents currents;
        solver->solveSweepPoint(frequency, 1.0, currents);
        const auto b = static_cast<std::size_t>(branch_ - 1);
        out = deriveQuantities(currentPolar(currents.current[b]), network.branch(branch_).R,
                               currents.reactance[b], 1.0);
    };
    ResetPlot(*plot_);
    range_ = DeriveBounds(10, 100000, false);
    SweepWindow(*plot_, {range_, true, 1, kCurveButton}, solve, [](int, int) { return true; });

    // The table: the current of three branches at three frequencies.
    table_.rows = 3;
    table_.columns = 3;
    table_.quantityName = "Strom";
    const double frequencies[] = {100, 1000, 10000};
    for (int c = 0; c < 3; ++c) {
        table_.frequencies[c] = formatValue(kUnitHertz, 5, frequencies[c]);
        for (int r = 0; r < 3; ++r) {
            BranchCurrents currents;
            solver->solveSweepPoint(frequencies[c], 1.0, currents);
            table_.labels[r] = "Stromzweig " + std::to_string(r + 1);
            table_.values[r][c] = formatValue(
                kUnitAmpere, 5, std::abs(currents.current[static_cast<std::size_t>(r)]));
        }
    }
}

PageRenderTest::Layout PageRenderTest::compose(PrintDocument& doc, Orientation orientation) {
    const bool landscape = orientation == Orientation::Landscape;
    Layout l{};
    l.schematic = doc.insertSchematic(net_.file.symbols.bounds()).slot;
    doc.resizeTo(l.schematic, 100);
    doc.moveTo(l.schematic, 3, 3);
    const std::string title = "Reihenschwingkreis RCL";
    l.text = doc.insertText(title, 6, kStyleBold | kStyleItalic,
                            width100(title, kStyleBold | kStyleItalic))
                 .slot;
    doc.moveTo(l.text, landscape ? 110 : 3, landscape ? 3 : 72);
    std::vector<ComponentEntry> entries;
    for (const Component& c : components_) entries.push_back({c.name, c.valueText});
    l.list = doc.insertComponentList(2, entries, listTextWidth).slot;
    doc.moveTo(l.list, landscape ? 110 : 3, landscape ? 14 : 82);
    l.curve =
        doc.insertCurve(ElementKind::Curve, selectorSlot(kCurveButton), "10 Hz", "100 kHz").slot;
    doc.resizeTo(l.curve, landscape ? 105 : 90);
    doc.moveTo(l.curve, 3, landscape ? 75 : 100);
    l.locus =
        doc.insertCurve(ElementKind::Locus, selectorSlot(kCurveButton), "10 Hz", "100 kHz").slot;
    doc.resizeTo(l.locus, landscape ? 55 : 52);
    doc.moveTo(l.locus, landscape ? 112 : 95, landscape ? 108 : 100);
    l.table = doc.insertTable(3, 3, 13, 9, false, "Strom").slot;
    doc.moveTo(l.table, landscape ? 112 : 3, landscape ? 80 : 184);
    return l;
}

ElementPainter PageRenderTest::elementPainter(const PrintDocument& doc) {
    return [this, &doc](QPainter& painter, const QRectF& rect, int slot, ElementKind kind) {
        if (kind == ElementKind::Locus) {
            const LocusBounds bounds = RebuildFromStore(*plot_, range_, kCurveButton, 1);
            paintLocusElement(painter, rect,
                              DrawLocusPlot(*plot_, bounds, {range_, kCurveButton}, plotTextWidth(),
                                            locusRealTextWidth()),
                              QStringLiteral("Ortskurve Spannung"));
            return;
        }
        if (kind == ElementKind::Table) {
            paintTableElement(painter, rect, table_);
            return;
        }
        const int button =
            doc.slot(slot).element.fieldA == selectorSlot(kCurveButton) ? kCurveButton : 1;
        const CurvePlotModel model =
            DrawCurvePlot(*plot_, {range_, true, button, 1}, plotTextWidth());
        paintCurveElement(painter, rect, model, QStringLiteral("Zweig %1: Spannung").arg(branch_));
    };
}

void PageRenderTest::everyElementKindOnAPdfPage_data() {
    QTest::addColumn<bool>("landscape");
    QTest::newRow("hoch") << false;
    QTest::newRow("quer") << true;
}

void PageRenderTest::everyElementKindOnAPdfPage() {
    QFETCH(bool, landscape);
    const QString name = landscape ? QStringLiteral("seite_quer") : QStringLiteral("seite_hoch");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir::current().filePath(name + ".pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter);

    PrintDocument doc;
    const Orientation orientation = landscape ? Orientation::Landscape : Orientation::Portrait;
    PrintJob job(printer);
    QVERIFY(job.setOrientation(orientation));
    if (landscape) doc.toggleOrientation(0, 0);
    const QSizeF mm = printableMillimetres(printer);
    doc.fitPrintableArea(mm.width(), mm.height());
    const Layout l = compose(doc, orientation);

    // Two passes: the preliminary hand-over, then the rest and the end of the page.
    const int text = l.text;
    doc.select(text);
    doc.removeSelected();
    const PrintPass first = pass(doc, PassTarget::Printer);
    QVERIFY(job.paint(first, elementPainter(doc)));
    handOver(doc, first, false);
    const std::string title = "Reihenschwingkreis RCL";
    QCOMPARE(doc.insertText(title, 6, kStyleBold | kStyleItalic,
                            width100(title, kStyleBold | kStyleItalic))
                 .slot,
             text);
    doc.moveTo(text, landscape ? 110 : 3, landscape ? 3 : 72);
    const PrintPass second = pass(doc, PassTarget::Printer);
    QCOMPARE(second.drawnSlots, std::vector<int>{text});
    QVERIFY(job.paint(second, elementPainter(doc)));
    job.finish();
    handOver(doc, second, true);

    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral(PDFTOPPM),
                   {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), name + ".pdf", name});
    QVERIFY(pdftoppm.waitForFinished(60000));
    QCOMPARE(pdftoppm.exitCode(), 0);
    const QImage page(name + ".png");
    QVERIFY(!page.isNull());

    // Each element's rectangle on the rasterised page holds ink; a margin strip holds none.
    const QPointF origin = printer.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    const auto pixels = [&](const SheetRect& r) {
        const double k = kMillimetresPerSheetPixel * kDpi / 25.4;
        const double o = kDpi / 25.4;
        return QRect(qRound(origin.x() * o + r.left * k), qRound(origin.y() * o + r.top * k),
                     qRound(r.width * k), qRound(r.height * k));
    };
    // Printed text stands a third taller than its placeholder: 3 mm of slack around each.
    const int slack = qRound(3 * kDpi / 25.4);
    QImage rest = page.convertToFormat(QImage::Format_RGB32);
    QPainter eraser(&rest);
    for (int slot : {l.schematic, l.text, l.list, l.curve, l.locus, l.table}) {
        const QRect area = pixels(doc.slot(slot).rect);
        const int dark = darkPixels(page, area);
        QVERIFY2(dark > 50, qPrintable(QStringLiteral("slot %1: %2").arg(slot).arg(dark)));
        eraser.fillRect(area.adjusted(-slack, -slack, slack, slack), Qt::white);
    }
    eraser.end();
    QCOMPARE(darkPixels(rest, rest.rect()), 0);  // nothing outside the rectangles
    QCOMPARE(darkPixels(page, QRect(0, 0, page.width(), qRound(origin.y() * kDpi / 25.4) - 1)), 0);
}

void PageRenderTest::handedOverElementsAreHatchedInThePreview() {
    PrintDocument doc;
    doc.fitPrintableArea(194, 281);
    const Layout l = compose(doc, Orientation::Portrait);
    doc.markPrinted(l.curve);

    QImage preview(776, 1124, QImage::Format_RGB32);  // 4 pixels per millimetre
    preview.fill(Qt::gray);
    QPainter painter(&preview);
    setPageTransform(painter, preview.size(), 194, 281);
    paintPreviewSheet(painter, 194, 281);
    paintPrintPass(painter, pass(doc, PassTarget::Preview), PassTarget::Preview,
                   elementPainter(doc));
    painter.end();

    const auto pixels = [](const SheetRect& r) {
        const double k = kMillimetresPerSheetPixel * 4;
        return QRect(qRound(r.left * k) + 2, qRound(r.top * k) + 2, qRound(r.width * k) - 4,
                     qRound(r.height * k) - 4);
    };
    // The hatch covers the handed-over curve evenly: a diagonal cross, not a drawing.
    const QRect curve = pixels(doc.slot(l.curve).rect);
    const double share = double(darkPixels(preview, curve)) / (curve.width() * curve.height());
    QVERIFY2(share > 0.1 && share < 0.7, qPrintable(QString::number(share)));
    QVERIFY(darkPixels(preview, pixels(doc.slot(l.list).rect)) > 0);
}

}  // namespace volmira

QTEST_MAIN(volmira::PageRenderTest)
#include "page_render_uitest.moc"
