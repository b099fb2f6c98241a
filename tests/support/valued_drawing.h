#pragma once
// A drawing analysed by the calculation engine with its values confirmed, for tests that solve.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "analysis/calculation.h"

namespace volmira::test {

// `valueOf(name)` gives the value text of each component ("R 1" -> "1k"). False (with a test
// failure) when the analysis or the confirmation refuses.
inline bool analyseWithValues(Calculation& calc, const SchematicGrid& grid,
                              const std::function<std::string(const std::string&)>& valueOf) {
    const AnalysisResult analysis = calc.analyse(grid);
    if (!analysis.ok()) return false;
    bool changed = false;
    for (int k = 1; k <= calc.network().componentCount; ++k)
        calc.storeValue(k, valueOf(calc.network().component(k).name), changed);
    const auto problem = calc.confirmValues();
    EXPECT_FALSE(problem) << problem->message;
    return !problem;
}

// The branch that holds the named component.
inline int branchOf(const Calculation& calc, std::string_view name) {
    const int component = findComponent(calc.network(), name);
    return component == 0 ? 0 : calc.network().component(component).branch;
}

}  // namespace volmira::test
