#include "analysis/network.h"

namespace volmira {

bool Network::hasReactiveComponents() const {
    for (int k = 1; k <= componentCount; ++k)
        if (component(k).kind() != ComponentKind::Resistor) return true;
    return false;
}

}  // namespace volmira
