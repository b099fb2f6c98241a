// volmira-calc: the program's calculation on the command line (see --help).
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

#include "analysis/ac_solver.h"
#include "analysis/quantities.h"
#include "analysis/spice_export.h"
#include "tools/calc_arguments.h"
#include "tools/calc_network.h"
#include "tools/calc_output.h"
#include "tools/calc_sweep.h"

using namespace volmira;
using namespace volmira::calc;

namespace {

int refuse(const Failure& failure) {
    std::cerr << "volmira-calc: " << failure.message << '\n';
    return failure.exitCode;
}

// The frequency and voltage of a single-frequency calculation: the options' or the file's.
struct Inputs {
    double frequency = 0;
    double voltage = 0;
};

std::optional<Failure> acceptInputs(const CalcOptions& options, const CalcNetwork& calc,
                                    Inputs& inputs) {
    const Accepted voltage = acceptVoltage(options.voltage.value_or(calc.file.fields.spEingabe));
    if (voltage.failure) return voltage.failure;
    inputs.voltage = voltage.value;
    if (options.sweep) return std::nullopt;
    const Accepted frequency =
        acceptFrequency(options.frequency.value_or(calc.file.fields.fqEinzel), calc.network);
    if (frequency.failure) return frequency.failure;
    inputs.frequency = frequency.value;
    return std::nullopt;
}

int calculate(const CalcOptions& options) {
    auto calc = std::make_unique<CalcNetwork>();
    if (auto failure = prepareNetwork(options.file, *calc)) return refuse(*failure);
    Network& network = calc->network;

    int sweepComponent = 0;
    if (options.sweep) {
        sweepComponent = findComponent(network, options.sweepComponent);
        if (sweepComponent == 0)
            return refuse(
                {kExitUsage, "no component " + options.sweepComponent + " in " + options.file});
    }
    if (options.mode == CalcMode::Components) {
        writeComponents(std::cout, network);
        return 0;
    }
    Inputs inputs;
    if (auto failure = acceptInputs(options, *calc, inputs)) return refuse(*failure);

    std::optional<SweepPoints> sweep;
    if (options.sweep) {
        SweepPoints points;
        if (auto failure = sweepPoints(calc->file.fields, !options.linear, points))
            return refuse(*failure);
        sweep = points;
    }

    if (options.mode == CalcMode::Spice) {
        SpiceExportSettings settings;
        settings.title = "Volmira: " + std::filesystem::path(options.file).filename().string();
        settings.voltage = inputs.voltage;
        settings.frequency = inputs.frequency;
        if (sweep) {
            settings.sweep = SpiceSweep{sweep->frequency.front(), sweep->frequency.back(),
                                        static_cast<int>(sweep->frequency.size()), !options.linear};
            settings.printedComponent = sweepComponent;
        }
        std::cout << exportSpiceNetlist(network, settings);
        return 0;
    }

    auto solver = std::make_unique<AcSolver>();
    BranchCurrents currents;
    if (sweep) {
        const int branch = network.component(sweepComponent).branch;
        if (writeSweepSeries(std::cout, network, branch, *sweep, inputs.voltage, options.csv,
                             *solver))
            return 0;
    } else {
        const SolveStatus status =
            solver->solve(network, inputs.frequency, inputs.voltage, currents);
        auto table = std::make_unique<AllBranchTable>();
        recordAllBranches(network, currents, inputs.frequency, inputs.voltage, *table);
        writeBranches(std::cout, network, *table, options.csv);
        if (status.message().empty()) return 0;
        // The results are shown as computed, as the program does; the status tells that they
        // are not to be trusted.
        return refuse({kExitRefused, std::string(status.message())});
    }
    return refuse({kExitRefused, std::string(kSolverFailureMessage)});
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ParsedArguments parsed = parseArguments(arguments);
    if (!parsed.ok()) {
        std::cerr << "volmira-calc: " << parsed.error << "\n(volmira-calc --help explains)\n";
        return kExitUsage;
    }
    if (parsed.options.help) {
        std::cout << usageText();
        return 0;
    }
    try {
        return calculate(parsed.options);
    } catch (const std::exception& e) {
        std::cerr << "volmira-calc: " << e.what() << '\n';
        return kExitUsage;
    }
}
