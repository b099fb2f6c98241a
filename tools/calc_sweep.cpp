#include "tools/calc_sweep.h"

#include <iostream>
#include <string>

#include "analysis/input_checks.h"
#include "analysis/quantities.h"
#include "analysis/value_text.h"
#include "graphics/sweep_range.h"
#include "schematic/text_file.h"
#include "tools/calc_output.h"

namespace volmira::calc {

namespace {

constexpr std::string_view kRangeReversed = "MinFrequenz > MaxFrequenz !";

std::optional<Failure> sweepBound(std::string_view text, double& value) {
    const std::optional<double> parsed = parseValue(text);
    if (!parsed)
        return Failure{kExitRefused, "Die Frequenz \xE2\x80\x9E" +
                                         messageText(text, kQuotedTextLimit) +
                                         "\xE2\x80\x9C ist keine g\xC3\xBCltige Zahl."};
    const FrequencyCheck check = checkSweepBound(*parsed);
    if (!check.accepted) return Failure{kExitRefused, std::string(check.message)};
    value = *parsed;
    return std::nullopt;
}

}  // namespace

std::optional<Failure> sweepPoints(const InputFields& fields, bool logarithmic, SweepPoints& out) {
    double fMin = 0, fMax = 0;
    if (auto failure = sweepBound(fields.fqVon, fMin)) return failure;
    if (auto failure = sweepBound(fields.fqBis, fMax)) return failure;
    if (!(fMin < fMax)) return Failure{kExitRefused, std::string(kRangeReversed)};
    const SweepRange range = DeriveBounds(fMin, fMax, false);
    out = {};
    for (int point = 0; point <= kSweepLastPoint; ++point) {
        const double frequency = pointFrequency(range, point, logarithmic);
        if (!(frequency > 0)) continue;
        out.point.push_back(point);
        out.frequency.push_back(frequency);
    }
    return std::nullopt;
}

std::string_view writeSweepSeries(std::ostream& out, Calculation& calculation, int branch,
                                  const SweepPoints& points, bool csv) {
    const Network& network = calculation.network();
    writeSweepHeader(out, network, branch, csv);
    const double voltage = calculation.voltage();
    const SweepOutcome outcome =
        calculation.sweep(points.frequency, [&](std::size_t i, const BranchCurrents& currents) {
            const BranchQuantities quantities =
                branchQuantities(network, currents, branch, voltage);
            writeSweepRow(out, points.point[i], points.frequency[i], quantities, csv);
            return true;
        });
    return outcome.message();
}

}  // namespace volmira::calc
