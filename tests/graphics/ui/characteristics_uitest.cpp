// The "Kennwerte" panel with its marks on the band-pass example's curve, and the pole-zero
// window of the Sallen-Key example; both are rendered to PNG files in the temporary folder.
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include "graphics/characteristic_markers.h"
#include "graphics/graphic_state.h"
#include "graphics/ui/characteristics_panel.h"
#include "graphics/ui/characteristics_tools.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/graphic_panel.h"
#include "graphics/ui/pole_zero_window.h"
#include "support/example_files.h"

namespace volmira {

class CharacteristicsTest : public QObject {
    Q_OBJECT

  private slots:
    void panelAndMarksOnBandPass() {
        const LoadedNetwork bandPass = test::loadExample("Bandfilter.nwb");
        Calculation calc;
        QVERIFY(test::confirmExample(calc, bandPass));
        GraphicState state;
        InputFields fields = bandPass.fields;
        const SchematicGrid& grid = bandPass.grid;
        GraphicPanel panel(calc, state, grid, fields);
        CharacteristicsTools tools(panel, calc, state);
        state.branch = calc.network().component(calc.network().componentCount).branch;
        panel.StartGraphic();
        QVERIFY(state.curveExists());
        QTest::mouseClick(panel.toolBar()->findChild<QToolButton*>("Kennwerte"), Qt::LeftButton);

        const QTableWidget* table = tools.characteristicsPanel()->table();
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Maximum"));
        QCOMPARE(table->item(2, 0)->text(), QStringLiteral("-3 dB unterhalb"));
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
};

}  // namespace volmira

QTEST_MAIN(volmira::CharacteristicsTest)
#include "characteristics_uitest.moc"
