#include "graphics/graphic_state.h"

#include <cmath>

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
    state.valueCurve = {};
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

BoundInput acceptRangeBound(const GraphicState& state, std::string_view text) {
    if (!state.valueCurve.component) return acceptSweepBound(text);
    BoundInput out;
    const std::optional<double> value = parseValue(text);
    if (!value || !std::isfinite(*value) || *value <= 0) {
        out.message =
            "Ung\xC3\xBCltiger Wert \xC2\xB4" + messageText(text, kQuotedTextLimit) + "\xC2\xB4";
        return out;
    }
    out.accepted = true;
    out.value = *value;
    out.text = formatValue(state.valueCurve.unit, kBoundDigits, *value);
    return out;
}

namespace {

// Without a plot state the bounds are frequencies; with one they may be a component's values.
std::string refusal(const GraphicState* state, int button, int branch, const Network& network,
                    std::string_view fqVon, std::string_view fqBis) {
    const auto accept = [state](std::string_view text) {
        return state ? acceptRangeBound(*state, text) : acceptSweepBound(text);
    };
    const BoundInput from = accept(fqVon);
    if (!from.accepted) return from.message;
    const BoundInput to = accept(fqBis);
    if (!to.accepted) return to.message;
    if (state && state->valueCurve.component && !(from.value < to.value))
        return std::string(kValueRangeReversedMessage);
    double valueSum = 0;
    if (branch >= 1 && branch <= network.branchCount) {
        const Branch& b = network.branch(branch);
        valueSum = b.R + b.L + b.C;
    }
    return std::string(sweepStartMessage(selectorSlot(button), valueSum, from.value, to.value));
}

}  // namespace

std::string sweepRefusal(int button, int branch, const Network& network, std::string_view fqVon,
                         std::string_view fqBis) {
    return refusal(nullptr, button, branch, network, fqVon, fqBis);
}

std::string sweepRefusal(const GraphicState& state, const Network& network, std::string_view fqVon,
                         std::string_view fqBis) {
    return refusal(&state, state.button, state.branch, network, fqVon, fqBis);
}

}  // namespace volmira
