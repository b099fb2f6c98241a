#include "graphics/graphic_state.h"

#include "analysis/value_text.h"
#include "graphics/sweep_checks.h"
#include "schematic/text_file.h"

namespace volmira {

void forgetCurves(GraphicState& state) {
    ResetPlot(*state.plot);
    state.range = {};
    state.branch = 0;
    state.curve = 1;
    state.curveCount = 1;
}

BoundInput acceptSweepBound(std::string_view text) {
    BoundInput out;
    const std::optional<double> value = parseValue(text);
    if (!value) {
        out.message =
            "Ung\xC3\xBCltige Frequenz \xC2\xB4" + messageText(text, kQuotedTextLimit) + "\xC2\xB4";
        return out;
    }
    out.message = sweepBoundMessage(*value);
    if (!out.message.empty()) return out;
    out.accepted = true;
    out.value = *value;
    out.text = formatValue(kUnitHertz, kBoundDigits, *value);
    return out;
}

std::string sweepRefusal(int button, int branch, const Network& network, std::string_view fqVon,
                         std::string_view fqBis) {
    const BoundInput from = acceptSweepBound(fqVon);
    if (!from.accepted) return from.message;
    const BoundInput to = acceptSweepBound(fqBis);
    if (!to.accepted) return to.message;
    double valueSum = 0;
    if (branch >= 1 && branch <= network.branchCount) {
        const Branch& b = network.branch(branch);
        valueSum = b.R + b.L + b.C;
    }
    return std::string(sweepStartMessage(selectorSlot(button), valueSum, from.value, to.value));
}

std::string sweepRefusal(const GraphicState& state, const Network& network, std::string_view fqVon,
                         std::string_view fqBis) {
    return sweepRefusal(state.button, state.branch, network, fqVon, fqBis);
}

}  // namespace volmira
