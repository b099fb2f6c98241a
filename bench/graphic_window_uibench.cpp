// The drawing overhead of the graphic mode: a whole sweep of the default window as the shown
// mode-4 controls run it (the engine's sweep with the progress bar and the event loop, then the
// plot laid out and everything the click changed painted into the backing store) against the
// pure core sweep of the same points into the store. Each sweep takes another branch than the
// one before, as clicks in the miniature do. The largest example network and an RC ladder of 69
// branches.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHBoxLayout>
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
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* frame = new QScrollArea;
    auto* panel = new GraphicPanel(network->calc, graphic, network->grid, network->fields);
    layout->addWidget(panel);
    layout->addWidget(panel->yBlock());
    layout->addWidget(frame);
    panel->attachFrame(frame);
    window.show();
    QCoreApplication::processEvents();
    GraphicState core;
    core.range = DeriveBounds(20, 20000, false);
    core.branch = graphic.branch;
    SweepPlan plan;
    const SweepProgress always = [](int, int) { return true; };
    const int branches[] = {graphic.branch, std::max(1, graphic.branch - 1)};
    int sweeps = 0;
    double bare = 0, shown = 0;
    for (auto _ : state) {
        graphic.branch = core.branch = branches[sweeps++ % 2];
        const double start = processorSeconds();
        ResetPlot(*core.plot);
        sweepWindowPoints(network->calc, *core.plot, core.target(), core.branch, plan, always);
        const double swept = processorSeconds();
        panel->StartGraphic();
        QCoreApplication::processEvents();  // the paint the screen gets
        shown += processorSeconds() - swept;
        bare += swept - start;
        if (graphic.plot->computedCount != core.plot->computedCount)
            state.SkipWithError("the window solved other points than the core");
    }
    if (const QString dir = qEnvironmentVariable("VOLMIRA_GRAB"); !dir.isEmpty())
        window.grab().save(dir + "/window" + QString::number(state.range(0)) + ".png");
    state.counters["branches"] = network->calc.network().branchCount;
    state.counters["window/core sweep"] = shown / bare;
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
