// volmira-calc: the program's calculation on the command line (see --help).
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

#include "analysis/spice_export.h"
#include "tools/calc_arguments.h"
#include "tools/calc_characteristics.h"
#include "tools/calc_network.h"
#include "tools/calc_output.h"
#include "tools/calc_sweep.h"
#include "tools/calc_vary.h"

using namespace volmira;
using namespace volmira::calc;

namespace {

int refuse(const Failure& failure) {
    std::cerr << "volmira-calc: " << failure.message << '\n';
    return failure.exitCode;
}

// The voltage and, without a sweep, the frequency: the options' or the file's.
std::optional<Failure> acceptInputs(const CalcOptions& options, CalcNetwork& calc) {
    Calculation& calculation = calc.calculation;
    if (auto failure =
            acceptVoltage(options.voltage.value_or(calc.file.fields.spEingabe), calculation))
        return failure;
    if (options.sweep) return std::nullopt;
    return acceptFrequency(options.frequency.value_or(calc.file.fields.fqEinzel), calculation);
}

int calculate(const CalcOptions& options) {
    auto calc = std::make_unique<CalcNetwork>();
    if (auto failure = prepareNetwork(options.file, *calc)) return refuse(*failure);
    Calculation& calculation = calc->calculation;
    const Network& network = calculation.network();

    int sweepComponent = 0;
    if (options.sweep || options.mode == CalcMode::Poles) {
        sweepComponent = findComponent(network, options.sweepComponent);
        if (sweepComponent == 0)
            return refuse(
                {kExitUsage, "no component " + options.sweepComponent + " in " + options.file});
    }
    if (options.mode == CalcMode::Components) {
        writeComponents(std::cout, network);
        return 0;
    }
    if (options.mode == CalcMode::Poles) {
        const int branch = network.component(sweepComponent).branch;
        return writePolesAndZeros(std::cout, std::cerr, network, branch, options.csv)
                   ? 0
                   : kExitRefused;
    }
    const std::optional<ElectricalQuantity> quantity = quantityForKey(options.quantityKey);
    if (!quantity) return refuse({kExitUsage, "no quantity " + options.quantityKey});
    if (auto failure = acceptInputs(options, *calc)) return refuse(*failure);

    if (options.mode == CalcMode::Vary) {
        std::string_view message;
        if (auto failure = writeValueCurve(std::cout, calculation, options, message))
            return refuse(*failure);
        return message.empty() ? 0 : refuse({kExitRefused, std::string(message)});
    }

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
        settings.voltage = calculation.voltage();
        settings.frequency = options.sweep ? 0.0 : calculation.frequency();
        if (sweep) {
            settings.sweep = SpiceSweep{sweep->frequency.front(), sweep->frequency.back(),
                                        static_cast<int>(sweep->frequency.size()), !options.linear};
            settings.printedComponent = sweepComponent;
        }
        std::cout << exportSpiceNetlist(network, settings);
        return 0;
    }

    // The results are shown as computed, as the program does; the message tells that they are
    // not to be trusted.
    std::string_view message;
    if (options.mode == CalcMode::Characteristics) {
        const int branch = network.component(sweepComponent).branch;
        message =
            writeCharacteristics(std::cout, calculation, branch, *quantity, *sweep, options.csv);
    } else if (sweep) {
        const int branch = network.component(sweepComponent).branch;
        message = writeSweepSeries(std::cout, calculation, branch, *sweep, options.csv);
    } else {
        message = calculation.solve().message();
        writeBranches(std::cout, network, calculation.table(), options.csv);
    }
    if (message.empty()) return 0;
    return refuse({kExitRefused, std::string(message)});
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
