#pragma once
// The value curve of the graphic mode: the quantity of the branch against one component's value
// at the single frequency, on the store, axes and readout of the frequency curve. Its range has
// texts of its own, so that the frequency range the network file saves stays as typed.
#include <optional>
#include <string>
#include <string_view>

#include "analysis/network.h"
#include "analysis/value_text.h"

namespace volmira {

inline constexpr std::string_view kValueCurveCaption = "Wertkurve";
inline constexpr std::string_view kValueRangeReversedMessage = "MinWert > MaxWert !";
inline constexpr std::string_view kNoValueComponentMessage =
    "Bitte zuerst im Parameter-Modus das Bauteil anklicken, dessen Wert sich \xC3\xA4ndern soll.";

struct ValueCurve {
    int component = 0;  // 0: the graphic mode plots against the frequency
    int unit = kUnitHertz;
    std::string from;  // FqVon and FqBis while the value curve is shown
    std::string to;
};

// The value curve of component k (1-based), a tenth to ten times its value, the texts in its
// unit; nothing for a component without a value above 0 (no logarithmic axis reaches it).
std::optional<ValueCurve> valueCurveFor(const Network& network, int component, int digits);

}  // namespace volmira
