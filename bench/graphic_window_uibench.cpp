// The drawing overhead of the graphic mode: a whole sweep of the default window as the mode-4
// window runs it (the engine's sweep with the progress bar and the event loop, then the plot laid
// out and its visible part painted) against the pure core sweep of the same points into the
// store. The largest example network and an RC ladder of 69 branches.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollArea>
#include <ctime>
#include <memory>

#include "analysis/calculation.h"
#include "graphics/graphic_state.h"
#include "graphics/sweep_window.h"
#include "graphics/ui/curve_view.h"
#include "graphics/ui/graphic_panel.h"
#include "schematic/network_file.h"
#include "support/test_drawings.h"
#include "support/test_support.h"

namespace volmira {
namespace {

// The main thread's processor time: the sweep and the painting run there, and the machine's
// other load stays out.
double processorSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct ConfirmedNetwork {
    Calculation calc;
    SchematicGrid grid;
    InputFields fields{"1 V", "1 kHz", "20 Hz", "20 kHz"};
};

// Bandfilter.nwb with its own values, or the ladder with 1 kOhm and 100 nF.
std::unique_ptr<ConfirmedNetwork> confirmedNetwork(bool ladder) {
    auto n = std::make_unique<ConfirmedNetwork>();
    if (ladder) {
        n->grid = test::rcLadder(34);
    } else {
        const NetworkLoadResult loaded =
            loadNetworkFile(test::sourceDir() / "examples" / "Bandfilter.nwb");
        n->grid = loaded.network->grid;
        n->calc.adoptRecords(loaded.network->components);
    }
    (void)n->calc.analyse(n->grid);
    bool changed = false;
    if (ladder)
        for (int k = 1; k <= n->calc.network().componentCount; ++k)
            n->calc.storeValue(k, n->calc.network().component(k).name[0] == 'R' ? "1k" : "100n",
                               changed);
    (void)n->calc.confirmValues();
    return n;
}

void WindowSweepAndDraw(benchmark::State& state) {
    const auto network = confirmedNetwork(state.range(0) != 0);
    GraphicState graphic;
    graphic.branch = network->calc.network().branchCount;
    QScrollArea frame;
    GraphicPanel panel(network->calc, graphic, network->grid, network->fields);
    panel.attachFrame(&frame);
    GraphicState core;
    core.range = DeriveBounds(20, 20000, false);
    core.branch = graphic.branch;
    SweepPlan plan;
    const QRect visible(kNormalFirstPoint, 0, kWindowSteps + 1, plotImageHeight(false));
    QImage plotImage(visible.size(), QImage::Format_RGB32);
    QImage axisImage(kMinYAxisWidth * 2, plotImageHeight(false), QImage::Format_RGB32);
    const SweepProgress always = [](int, int) { return true; };
    double bare = 0, window = 0;
    for (auto _ : state) {
        const double start = processorSeconds();
        ResetPlot(*core.plot);
        sweepWindowPoints(network->calc, *core.plot, core.target(), core.branch, plan, always);
        const double swept = processorSeconds();
        panel.StartGraphic();
        // What the screen paints, into images kept like a backing store: the window's columns
        // of Bild1 and the y axis.
        panel.curveView()->render(&plotImage, {}, QRegion(visible));
        panel.yBlock()->render(&axisImage);
        benchmark::DoNotOptimize(plotImage.bits());
        window += processorSeconds() - swept;
        bare += swept - start;
        if (graphic.plot->computedCount != core.plot->computedCount)
            state.SkipWithError("the window solved other points than the core");
    }
    if (const QString dir = qEnvironmentVariable("VOLMIRA_GRAB"); !dir.isEmpty()) {
        const QString tag = QString::number(state.range(0));
        plotImage.save(dir + "/plot" + tag + ".png");
        axisImage.save(dir + "/axis" + tag + ".png");
        panel.grab().save(dir + "/panel" + tag + ".png");
    }
    state.counters["branches"] = network->calc.network().branchCount;
    state.counters["window/core sweep"] = window / bare;
    state.counters["core sweep us"] = bare / state.iterations() * 1e6;
}

BENCHMARK(WindowSweepAndDraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace volmira

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
