#include "graphics/curve_csv.h"

#include <algorithm>
#include <vector>

#include "analysis/german_csv.h"
#include "analysis/result_labels.h"
#include "graphics/locus_plot.h"

namespace volmira {

namespace {

std::string titled(std::string title, const std::string& curveName) {
    return curveName.empty() ? title : title + " (" + curveName + ")";
}

}  // namespace

std::string curveCsv(const PlotState& plot, const CurveCsvView& view) {
    const int slot = selectorSlot(view.button);
    const int curves = std::clamp(view.curveCount, 1, kCurveCount);
    const std::string quantity = std::string(quantityLabel(static_cast<ElectricalQuantity>(slot))) +
                                 " [" + std::string(unitText(readoutUnitForSelector(view.button))) +
                                 "]";
    std::string csv(kCsvStart);
    std::vector<std::string> fields{view.xName + " [" + std::string(unitText(view.xUnit)) + "]"};
    for (int curve = 1; curve <= curves; ++curve) {
        const std::string& name = view.curveNames[static_cast<std::size_t>(curve - 1)];
        if (!view.locus) {
            fields.push_back(titled(quantity, name));
            continue;
        }
        fields.push_back(titled("Re " + quantity, name));
        fields.push_back(titled("Im " + quantity, name));
    }
    appendCsvLine(csv, fields);
    if (!view.range.set) return csv;
    for (int point = view.range.firstPoint; point <= view.range.lastPoint; ++point) {
        bool held = false;
        fields = {
            germanCsvNumber(pointFrequency(view.range, point, view.logarithmic), kCurveCsvDigits)};
        for (int curve = 1; curve <= curves; ++curve) {
            const double value = plot.curves.at(curve, slot, point);
            held = held || isComputed(value);
            if (!view.locus) {
                fields.push_back(germanCsvNumber(value, kCurveCsvDigits));
                continue;
            }
            const ComplexValue z = isComputed(value) ? locusValue(plot, curve, slot, point)
                                                     : ComplexValue{NotComputed, NotComputed};
            fields.push_back(germanCsvNumber(z.re, kCurveCsvDigits));
            fields.push_back(germanCsvNumber(z.im, kCurveCsvDigits));
        }
        if (held) appendCsvLine(csv, fields);
    }
    return csv;
}

}  // namespace volmira
