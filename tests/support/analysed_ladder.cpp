#include "support/analysed_ladder.h"

#include <stdexcept>

#include "analysis/component_values.h"
#include "analysis/topology.h"
#include "support/test_drawings.h"

namespace volmira::test {

std::unique_ptr<Network> analysedLadder(int sections) {
    auto network = std::make_unique<Network>();
    if (!analyseNetwork(rcLadder(sections), {}, *network).ok())
        throw std::runtime_error("ladder does not analyse");
    for (int k = 1; k <= network->componentCount; ++k)
        network->component(k).value = network->component(k).name.front() == 'R' ? 1000 : 100e-9;
    sumBranchValues(*network);
    return network;
}

}  // namespace volmira::test
