// The graphic mode's panels and tools. In the real main window: "Wertkurve" sweeps the parameter
// component's value at FqEinzel and gives it back; "Kurven exportieren …" writes what is shown as
// CSV, PNG and SVG, "Tabelle exportieren …" the branch table; cancel and failures write nothing.
// On their own: the parameter panel (switching on, picking the component, editing one value in
// eingFeld, picking up to five from the E12 table), the "Kennwerte" panel with its marks on the
// band-pass example's curve, and the pole-zero window of the Sallen-Key example.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QXmlStreamReader>

#include "analysis/table_csv.h"
#include "analysis/ui/e12_picker.h"
#include "app/ui/main_window_fixture.h"
#include "app/ui/tafel4.h"
#include "graphics/characteristic_markers.h"
#include "graphics/ui/characteristics_panel.h"
#include "graphics/ui/characteristics_tools.h"
#include "graphics/ui/curve_export.h"
#include "graphics/ui/curve_plot_painter.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/parameter_panel.h"
#include "graphics/ui/pole_zero_window.h"
#include "platform/export_file.h"
#include "support/example_files.h"
#include "support/test_drawings.h"

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
    // The parameter mode with `name` as its component.
    void pickParameter(const char* name) {
        QTest::mouseClick(panel()->parameterPanel()->switchButton(), Qt::LeftButton);
        panel()->parameterPanel()->sbklein2MouseDown(
            findComponent(ws().calculation.network(), name));
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

struct Panel {
    test::ScriptedDialogs& dialogs = test::ScriptedDialogs::install();
    Calculation calc;
    ParameterMode mode;
    QWidget host;
    E12Picker picker{&host};
    QWidget* miniature = new QWidget;
    ParameterPanel panel{mode, calc, picker, miniature, &host};

    Panel() {
        bool changed = false;
        calc.analyse(test::rcLowPass());
        calc.storeValue(findComponent(calc.network(), "R 1"), "1k", changed);
        calc.storeValue(findComponent(calc.network(), "C 1"), "1u", changed);
        host.resize(900, 700);
        panel.setGeometry(0, 0, 800, 240);
        host.show();
    }
    ~Panel() { installDialogs(nullptr); }
    QStringList captions() {
        QStringList out;
        for (int k = 1; k <= 5; ++k) out << label(QStringLiteral("pareg%1").arg(k))->text();
        return out;
    }
    QLabel* label(const QString& name) { return panel.findChild<QLabel*>(name); }
    void clickCell(int column, int row) {
        QTest::mouseClick(picker.table(), Qt::LeftButton, {},
                          QPoint(70 * (column - 1) + 5, 11 + 17 * (row - 1) + 5));
    }
};

}  // namespace

class GraphicToolsTest : public QObject {
    Q_OBJECT
  private slots:
    void valueCurveSweepsTheComponentAndGivesItsValueBack() {
        ExportWindow f;
        QTest::mouseClick(f.find<QPushButton>("Wertkurve"), Qt::LeftButton);  // no component
        QCOMPARE(f.dialogs.lastText(test::ScriptedDialogs::Kind::Information),
                 QString::fromUtf8(kNoValueComponentMessage));
        QVERIFY(!f.find<QPushButton>("Wertkurve")->isChecked());

        f.pickParameter("R1");
        QTest::mouseClick(f.find<QPushButton>("Wertkurve"), Qt::LeftButton);
        QVERIFY(f.find<QPushButton>("Wertkurve")->isChecked());
        QCOMPARE(f.text("FqVon"), QString("100 Ohm"));
        QCOMPARE(f.ws().graphic.plot->computedCount, 449);
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

    void panelAndMarksOnBandPass() {
        const LoadedNetwork bandPass = test::loadExample("Bandfilter.nwb");
        Calculation calc;
        QVERIFY(test::confirmExample(calc, bandPass));
        GraphicState state;
        InputFields fields = bandPass.fields;
        GraphicPanel panel(calc, state, bandPass.grid, fields);
        CharacteristicsTools tools(panel, calc, state);
        state.branch = calc.network().component(calc.network().componentCount).branch;
        panel.StartGraphic();
        QVERIFY(state.curveExists());
        QTest::mouseClick(panel.toolBar()->findChild<QToolButton*>("Kennwerte"), Qt::LeftButton);

        // Both -3 dB points are listed (rows 2 and 3), not the dash.
        const QTableWidget* table = tools.characteristicsPanel()->table();
        QVERIFY(table->item(2, 1)->text() != QStringLiteral("\u2014"));
        QVERIFY(table->item(3, 1)->text() != QStringLiteral("\u2014"));

        // The resonance ring and both -3 dB crosses lie on the drawn curve.
        panel.curveView()->show();
        const QImage curve = panel.curveView()->grab().toImage();
        QVERIFY(tools.marks()->values());
        const std::vector<CharacteristicMarker> markers =
            characteristicMarkers(*tools.marks()->values(), panel.plotModel(),
                                  state.plot->scale(state.button), state.range, state.logarithmic);
        QCOMPARE(int(markers.size()), 3);
        QCOMPARE(QColor(curve.pixel(markers[0].x + 5, markers[0].y)), QColor(Qt::red));
        QCOMPARE(QColor(curve.pixel(markers[1].x, markers[1].y + 4)), QColor(0, 0, 200));
    }

    void poleZeroWindowOfSallenKey() {
        const LoadedNetwork sallenKey = test::loadExample("SallenKey.nwb");
        Calculation calc;
        QVERIFY(test::confirmExample(calc, sallenKey));
        const int load = calc.network().component(findComponent(calc.network(), "R3")).branch;
        PoleZeroWindow window;
        window.showBranch(calc.network(), load);
        window.show();
        QCOMPARE(window.table()->rowCount(), 1);  // one pole pair, no zeros
        QCOMPARE(window.table()->item(0, 0)->text(), QStringLiteral("Pol"));
        QVERIFY(window.table()->item(0, 2)->text().startsWith(QStringLiteral("1,07302")));
        QVERIFY(window.table()->item(0, 4)->text().startsWith(QStringLiteral("0,74162")));
    }

    void switchOnPickAndEditOneValue() {
        Panel f;
        QSignalSpy changes(&f.panel, &ParameterPanel::settingsChanged);
        f.panel.sbklein2MouseDown(1);  // covered while the mode is off
        QCOMPARE(f.mode.paramMode(), 0);
        QTest::mouseClick(f.panel.switchButton(), Qt::LeftButton);
        QCOMPARE(f.panel.switchButton()->text(), QString("Parameter-Modus wieder beenden"));
        QCOMPARE(f.label("NichtParPan")->height(), 30);
        f.panel.sbklein2MouseDown(findComponent(f.calc.network(), "R 1"));
        QCOMPARE(f.label("plab3")->text(), QString("R 1:   Normalwert:  = 1 kOhm"));
        QCOMPARE(f.captions()[2], QString("1 kOhm"));
        QVERIFY(f.panel.findChild<QWidget*>("parkreis")->isVisible());

        QSignalSpy selections(&f.panel, &ParameterPanel::curveSelected);
        QTest::mouseClick(f.label("pareg2"), Qt::LeftButton);
        QTest::mouseDClick(f.label("pareg2"), Qt::LeftButton);
        QCOMPARE(selections.count(), 1);
        QCOMPARE(selections.front().front().toInt(), 2);
        QVERIFY(f.panel.findChild<QWidget*>("awrahm")->isVisible());
        QVERIFY(f.picker.isOpen());
        QVERIFY(f.picker.acceptButton()->isHidden());
        QLineEdit* field = f.panel.editField();
        QCOMPARE(field->geometry().topLeft(),
                 f.label("pareg2")->geometry().topLeft() + QPoint(3, 2));
        QCOMPARE(field->text(), QString("820 Ohm"));
        field->setText("2k");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(f.captions()[4], QString("2 kOhm"));  // in its sorted place
        QVERIFY(!f.picker.isOpen());
        QVERIFY(field->isHidden());
        QVERIFY(!f.picker.handle()->isHidden());  // the picker is the value entry's again

        QTest::mouseClick(f.panel.switchButton(), Qt::LeftButton);
        QCOMPARE(f.mode.paramMode(), 0);
        QCOMPARE(changes.count(), 4);
    }

    void pickUpToFiveValues() {
        Panel f;
        QTest::mouseClick(f.panel.switchButton(), Qt::LeftButton);
        f.panel.sbklein2MouseDown(findComponent(f.calc.network(), "C 1"));
        QTest::mouseClick(f.label("alleNeu"), Qt::LeftButton);
        QCOMPARE(f.captions(), QStringList({"", "", "", "", ""}));
        QVERIFY(f.picker.acceptButton()->isVisible());
        QVERIFY(f.picker.label()->text().startsWith("Wählen Sie aus der Liste bis zu 5 Werte"));
        for (int row = 6; row >= 1; --row) f.clickCell(6, row);  // 2,7 uF down to 1 uF
        QCOMPARE(f.dialogs.lastText(test::ScriptedDialogs::Kind::Information),
                 QString::fromUtf8(kTooManyPickedMessage.data()));
        f.clickCell(6, 3);  // frees 1,5 uF
        QTest::mouseClick(f.picker.acceptButton(), Qt::LeftButton);
        QCOMPARE(f.captions(), QStringList({"1,2 uF", "1,8 uF", "2,2 uF", "2,7 uF", ""}));
        QVERIFY(!f.picker.isOpen());
    }
};

QTEST_MAIN(GraphicToolsTest)
#include "graphic_tools_uitest.moc"
