#include "graphics/parameter_values.h"

#include <algorithm>

#include "analysis/value_text.h"

namespace volmira {

namespace {

constexpr std::array<double, kParameterValueCount> kFallbackFactors{0.2, 0.5, 1.0, 2.0, 5.0};

bool isEmptySlot(double v) {
    return v == NotComputed;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The first `count` characters of UTF-8 text.
std::string firstCharacters(std::string_view text, int count) {
    std::size_t end = 0;
    for (int seen = 0; end < text.size(); ++end) {
        const bool startsCharacter = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (startsCharacter && seen++ == count) break;
    }
    return std::string(text.substr(0, end));
}

std::string settingsText(std::string_view text) {
    return firstCharacters(trimmed(text), kSettingsTextLength);
}

}  // namespace

ParameterValues initialParameterValues(E12Kind kind, double v) {
    ParameterValues values{};
    if (v <= e12Value(kind, 2) || v >= e12Value(kind, kE12ValueCount - 2)) {
        for (std::size_t k = 0; k < values.size(); ++k) values[k] = v * kFallbackFactors[k];
        return values;
    }
    int i = 3;
    while (!(e12Value(kind, i) > v || isSameE12Value(v, e12Value(kind, i)))) ++i;
    if (isSameE12Value(v, e12Value(kind, i)))
        return {e12Value(kind, i - 2), e12Value(kind, i - 1), e12Value(kind, i),
                e12Value(kind, i + 1), e12Value(kind, i + 2)};
    return {e12Value(kind, i - 2), e12Value(kind, i - 1), v, e12Value(kind, i),
            e12Value(kind, i + 1)};
}

void sortParameterValues(ParameterValues& values) {
    std::stable_sort(values.begin(), values.end(), [](double a, double b) {
        if (isEmptySlot(a) || isEmptySlot(b)) return !isEmptySlot(a) && isEmptySlot(b);
        return a < b;
    });
}

ParameterValues valuesFromSelection(const E12Selection& selection) {
    ParameterValues values = selection.values();
    sortParameterValues(values);
    return values;
}

bool editParameterValue(ParameterValues& values, int index, std::string_view text) {
    if (index < 1 || index > kParameterValueCount) return false;
    double& slot = values[static_cast<std::size_t>(index - 1)];
    if (trimmed(text).empty()) {
        slot = NotComputed;
    } else {
        const std::optional<double> parsed = parseValue(text);
        if (!parsed || !(*parsed > 0)) return false;
        slot = *parsed;
    }
    sortParameterValues(values);
    return true;
}

ParameterCaptions parameterCaptions(const ParameterValues& values, int unitCode) {
    ParameterCaptions captions;
    for (std::size_t k = 0; k < values.size(); ++k)
        if (!isEmptySlot(values[k]))
            captions[k] = formatValue(unitCode, kParameterCaptionDigits, values[k]);
    return captions;
}

void ParameterMemory::remember(const std::string& componentName, const ParameterValues& values) {
    sets_[componentName] = values;
}

std::optional<ParameterValues> ParameterMemory::recall(const std::string& componentName) const {
    const auto found = sets_.find(componentName);
    if (found == sets_.end()) return std::nullopt;
    return found->second;
}

ParameterValues parameterValuesFor(const ParameterMemory& memory, const std::string& componentName,
                                   E12Kind kind, double value) {
    return memory.recall(componentName).value_or(initialParameterValues(kind, value));
}

SweepSettings sweepSettings(std::string_view fqVon, std::string_view fqBis, int paramMode,
                            int paramComponent, const ParameterCaptions& captions) {
    SweepSettings settings{settingsText(fqVon), settingsText(fqBis), paramMode, paramComponent, {}};
    for (std::size_t k = 0; k < captions.size(); ++k)
        settings.captions[k] = settingsText(captions[k]);
    return settings;
}

bool sweepSettingsDiffer(const SweepSettings& current, const SweepSettings& last) {
    if (current.fqVon != last.fqVon || current.fqBis != last.fqBis ||
        current.paramMode != last.paramMode)
        return true;
    return current.paramMode == 1 && current.captions != last.captions;
}

}  // namespace volmira
