#include "tools/calc_vary.h"

#include <cmath>
#include <string>
#include <vector>

#include "analysis/quantities.h"
#include "analysis/value_points.h"
#include "analysis/value_text.h"
#include "schematic/text_file.h"
#include "tools/calc_output.h"

namespace volmira::calc {

namespace {

std::optional<Failure> rangeBound(std::string_view text, double& value) {
    const std::optional<double> parsed = parseValue(text);
    if (!parsed || !std::isfinite(*parsed) || *parsed <= 0)
        return Failure{kExitRefused, "Der Wert \xE2\x80\x9E" + messageText(text, kQuotedTextLimit) +
                                         "\xE2\x80\x9C ist keine Zahl gr\xC3\xB6\xC3\x9F"
                                         "er 0."};
    value = *parsed;
    return std::nullopt;
}

std::optional<Failure> valueRange(const CalcOptions& options, const Component& varied,
                                  ValueRange& range) {
    if (!options.from) {
        range = defaultValueRange(varied.value);
        if (varied.value > 0 && std::isfinite(range.to)) return std::nullopt;
        return Failure{kExitRefused, varied.name +
                                         " hat keinen Wert gr\xC3\xB6\xC3\x9F"
                                         "er 0: bitte "
                                         "--from und --to angeben."};
    }
    if (auto failure = rangeBound(*options.from, range.from)) return failure;
    if (auto failure = rangeBound(*options.to, range.to)) return failure;
    if (range.from < range.to) return std::nullopt;
    return Failure{kExitRefused, "Der Anfangswert muss kleiner als der Endwert sein."};
}

int namedComponent(const Network& network, const std::string& name, const std::string& file,
                   std::optional<Failure>& failure) {
    const int component = findComponent(network, name);
    if (component == 0) failure = Failure{kExitUsage, "no component " + name + " in " + file};
    return component;
}

}  // namespace

std::optional<Failure> writeValueCurve(std::ostream& out, Calculation& calculation,
                                       const CalcOptions& options, std::string_view& message) {
    const Network& network = calculation.network();
    std::optional<Failure> failure;
    const int varied = namedComponent(network, options.varyComponent, options.file, failure);
    if (failure) return failure;
    const int of = options.ofComponent.empty()
                       ? varied
                       : namedComponent(network, options.ofComponent, options.file, failure);
    if (failure) return failure;
    ValueRange range;
    if (auto refusal = valueRange(options, network.component(varied), range)) return refusal;

    std::vector<double> values(static_cast<std::size_t>(options.points));
    valuePoints(range, !options.linear, network.component(varied).value, values);
    const int branch = network.component(of).branch;
    const double voltage = calculation.voltage();
    writeValueSweepHeader(out);
    const SweepOutcome outcome =
        calculation.sweepValues(varied, values, [&](std::size_t i, const BranchCurrents& currents) {
            writeSweepRow(out, static_cast<int>(i), values[i],
                          branchQuantities(network, currents, branch, voltage), true);
            return true;
        });
    message = outcome.message();
    return std::nullopt;
}

}  // namespace volmira::calc
