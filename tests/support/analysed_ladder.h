#pragma once
// An RC ladder analysed and given values (1 kOhm, 100 nF), ready to solve: the networks of the
// benchmarks.
#include <memory>
#include <stdexcept>

#include "analysis/component_values.h"
#include "analysis/network.h"
#include "analysis/topology.h"
#include "support/test_drawings.h"

namespace volmira::test {

// `sections` 4, 14 and 34 give 9, 29 and 69 branches.
inline std::unique_ptr<Network> analysedLadder(int sections) {
    auto network = std::make_unique<Network>();
    if (!analyseNetwork(rcLadder(sections), {}, *network).ok())
        throw std::runtime_error("ladder does not analyse");
    for (int k = 1; k <= network->componentCount; ++k)
        network->component(k).value = network->component(k).name.front() == 'R' ? 1000 : 100e-9;
    sumBranchValues(*network);
    return network;
}

}  // namespace volmira::test
