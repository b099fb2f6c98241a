#include "graphics/curve_memory.h"

#include <algorithm>
#include <charconv>

namespace volmira {

namespace {

// 15 significant digits, as the default conversion of a number to text gives them.
std::string defaultNumberText(double v) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::general, 15);
    return std::string(text, end.ptr);
}

}  // namespace

ImageMemory BurnIn(const CurvePlotModel& model) {
    ImageMemory memory;
    memory.fill(kEmptyColumn);
    const auto index = static_cast<std::size_t>(model.selectedCurve - 1);
    if (index >= model.curves.size()) return memory;
    for (const PlotPoint& p : model.curves[index])
        if (p.x >= 1 && p.x <= kSweepLastPoint)
            memory[std::size_t(p.x)] = static_cast<std::int16_t>(std::clamp(p.y, -9000, 9000));
    return memory;
}

std::vector<PlotPoint> imageOverlay(const ImageMemory& memory) {
    std::vector<PlotPoint> line;
    for (int x = 1; x <= kSweepLastPoint; ++x)
        if (memory[std::size_t(x)] != kEmptyColumn) line.push_back({x, memory[std::size_t(x)]});
    return line;
}

std::string curveMemoryKey(const SweepRange& range, bool logarithmic) {
    if (logarithmic) return defaultNumberText(range.fMinExt) + defaultNumberText(range.fMaxExt);
    return defaultNumberText(range.fMinLin) + defaultNumberText(range.fMaxLin);
}

void StoreCurve(CurveMemory& memory, const PlotState& plot, int curve, const SweepRange& range,
                bool logarithmic) {
    for (int slot = 0; slot < kQuantityCount; ++slot)
        for (int point = 0; point <= kSweepLastPoint; ++point)
            memory.values[std::size_t(slot)][std::size_t(point)] =
                plot.curves.at(curve, slot, point);
    for (int slot = 0; slot < kPhaseCellCount; ++slot)
        for (int point = 0; point <= kSweepLastPoint; ++point)
            memory.phases[std::size_t(slot)][std::size_t(point)] =
                plot.phases.at(curve, slot, point);
    memory.key = curveMemoryKey(range, logarithmic);
}

bool curveMemoryMatches(const CurveMemory& memory, const SweepRange& range, bool logarithmic) {
    return !memory.key.empty() && memory.key == curveMemoryKey(range, logarithmic);
}

void includeCurveMemory(ScaleRecord& scale, const CurveMemory& memory, int button) {
    for (const double v : memory.values[std::size_t(selectorSlot(button))]) {
        if (!isComputed(v)) continue;
        scale.minSeen = std::min(scale.minSeen, v);
        scale.maxSeen = std::max(scale.maxSeen, v);
    }
}

LocusRow locusRow(const CurveMemory& memory, int button) {
    const auto slot = static_cast<std::size_t>(selectorSlot(button));
    return {memory.values[slot], slot < memory.phases.size()
                                     ? std::span<const double>(memory.phases[slot])
                                     : std::span<const double>{}};
}

std::vector<PlotPoint> curveMemoryLine(const CurveMemory& memory, const ScaleRecord& scale,
                                       const PlotRows& rows, int button) {
    std::vector<PlotPoint> line;
    if (!(scale.span > 0)) return line;
    const auto& values = memory.values[std::size_t(selectorSlot(button))];
    for (int point = 1; point <= kSweepLastPoint; ++point)
        if (isComputed(values[std::size_t(point)]))
            line.push_back(
                {point, valueRow(scale, rows, values[std::size_t(point)], kCurveRowOffset).row});
    return line;
}

}  // namespace volmira
