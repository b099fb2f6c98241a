// The value curve and the exports in the real main window: "Wertkurve" sweeps the parameter
// component's value at FqEinzel and gives it back; "Kurven exportieren …" writes what is shown as
// CSV, PNG and SVG, "Tabelle exportieren …" the branch table; cancel and failures write nothing.
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>

#include "analysis/table_csv.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/tafel4.h"
#include "graphics/ui/curve_export.h"
#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/parameter_panel.h"
#include "platform/export_file.h"

using namespace volmira;
namespace fs = std::filesystem;

namespace {

struct ExportWindow : test::MainWindow {
    ExportWindow() {
        w().show();
        QVERIFY(openConfirmedExample("Tp1kHz.nwb"));
        w().lm1MouseDown(kModeGraphic);
        QDir(out()).mkpath(".");
    }
    GraphicPanel* panel() { return find<Tafel4>("tafel4")->graphic(); }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }
    int component(const char* name) { return findComponent(ws().calculation.network(), name); }
    // The parameter mode with `name` as its component.
    void pickParameter(const char* name) {
        QTest::mouseClick(panel()->parameterPanel()->switchButton(), Qt::LeftButton);
        panel()->parameterPanel()->sbklein2MouseDown(component(name));
    }
    QString out() { return QString::fromStdString((folder.path() / "export").string()); }
    QStringList written() { return QDir(out()).entryList(QDir::Files); }
    // Exports through the button into `name` (empty: the dialog is cancelled).
    void exportAs(const char* button, const QString& name) {
        if (!name.isEmpty()) dialogs.fileNames.push_back(out() + "/" + name);
        QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton);
    }
    ShownPlot shown() {
        const int left = find<QScrollArea>("Bild1Rahmen")->horizontalScrollBar()->value();
        const int columns = find<QScrollArea>("Bild1Rahmen")->viewport()->width();
        return {&panel()->plotModel(), nullptr, left, columns};
    }
    QByteArray read(const QString& name) {
        QFile file(out() + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

}  // namespace

class CurveExportTest : public QObject {
    Q_OBJECT
  private slots:
    void valueCurveSweepsTheComponentAndGivesItsValueBack() {
        ExportWindow f;
        QTest::mouseClick(f.find<QPushButton>("Wertkurve"), Qt::LeftButton);  // no component
        QCOMPARE(f.dialogs.lastText(test::ScriptedDialogs::Kind::Information),
                 QString::fromUtf8(kNoValueComponentMessage));
        QVERIFY(!f.find<QPushButton>("Wertkurve")->isChecked());

        f.pickParameter("R1");
        const double own = f.ws().calculation.network().component(f.component("R1")).value;
        QTest::mouseClick(f.find<QPushButton>("Wertkurve"), Qt::LeftButton);
        QVERIFY(f.find<QPushButton>("Wertkurve")->isChecked());
        QCOMPARE(f.text("FqVon"), QString("100 Ohm"));
        QCOMPARE(f.text("FqBis"), QString("10 kOhm"));
        QCOMPARE(f.ws().graphic.plot->computedCount, 449);
        QCOMPARE(f.ws().calculation.network().component(f.component("R1")).value, own);
        QVERIFY(f.panel()->plotModel().frequencyLabels.count > 0);
        QCOMPARE(f.panel()->plotModel().frequencyLabels.labels[0].text.back(), 'm');  // "...Ohm"

        QMouseEvent move(QEvent::MouseMove, QPointF(448, 100), QPointF(448, 100), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.panel()->curveView(), &move);
        QTRY_VERIFY(!f.text("FqMom").isEmpty());
        QCOMPARE(f.text("FqMom"), QString("1 kOhm"));

        // Off again: the frequency range as the file has it.
        QTest::mouseClick(f.find<QPushButton>("Wertkurve"), Qt::LeftButton);
        QCOMPARE(f.text("FqVon"), QString("100 Hz"));
        QCOMPARE(f.ws().fields.fqVon, std::string("100 Hz"));
    }

    void curvesExportAsCsvPngAndSvg() {
        ExportWindow f;
        f.pickParameter("R1");
        QTest::mouseClick(f.find<QPushButton>("Wertkurve"), Qt::LeftButton);

        f.exportAs("KurvenExport", "kurve");  // no suffix: CSV
        const QList<QByteArray> lines = f.read("kurve.csv").split('\n');
        QVERIFY(lines[0].startsWith("\xEF\xBB\xBFR 1 [Ohm];Strom [A]\r"));
        QCOMPARE(lines.size(), 449 + 2);

        f.exportAs("KurvenExport", "kurve.png");
        const QImage png(f.out() + "/kurve.png");
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32), renderShownPlot(f.shown()));
        const ShownPlot shown = f.shown();
        const QImage plot = renderCurvePlot(*shown.curve);
        QCOMPARE(png.copy(shown.axisWidth(), 0, shown.columns, shown.height())
                     .convertToFormat(QImage::Format_RGB32),
                 plot.copy(shown.left, 0, shown.columns, shown.height()));

        // The family of five curves as SVG: one long polyline each.
        QTest::mouseClick(f.find<QPushButton>("Wertkurve"), Qt::LeftButton);
        f.exportAs("KurvenExport", "schar.svg");
        QXmlStreamReader svg(f.read("schar.svg"));
        int curves = 0;
        while (!svg.atEnd())
            if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"polyline")
                curves += svg.attributes().value("points").split(u' ').size() > 100;
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QCOMPARE(curves, 5);
    }

    void cancelAndFailuresWriteNothingAndTheTableExports() {
        ExportWindow f;
        f.pickParameter("R1");
        QTest::mouseClick(f.find<QPushButton>("StarteGrafik"), Qt::LeftButton);
        f.exportAs("KurvenExport", {});
        QVERIFY(f.written().isEmpty());
        f.exportAs("KurvenExport", "fehlt/kurve.svg");
        QVERIFY(f.dialogs.lastText(test::ScriptedDialogs::Kind::Error).contains("kurve.svg"));
        QVERIFY(!QFile::exists(f.out() + "/fehlt/kurve.svg"));
        QVERIFY(
            writeExportFile(f.out() + "/halb.csv", "csv", [](QIODevice& device, const QString&) {
                device.write("1;2");
                return false;
            }).size() > 0);
        QVERIFY(f.written().isEmpty());

        f.w().lm1MouseDown(kModeSingleFrequency);
        f.exportAs("TabellenExport", "tabelle.csv");
        const Calculation& calc = f.ws().calculation;
        QCOMPARE(f.read("tabelle.csv").toStdString(), branchTableCsv(calc.network(), calc.table()));
        // An existing file stays when the user does not want it replaced.
        f.exportAs("TabellenExport", "tabelle.csv");
        QCOMPARE(f.dialogs.count(test::ScriptedDialogs::Kind::Question), 1);
        QCOMPARE(f.written(), QStringList{"tabelle.csv"});
    }
};

QTEST_MAIN(CurveExportTest)
#include "curve_export_uitest.moc"
