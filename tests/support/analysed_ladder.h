#pragma once
// An RC ladder analysed and given values (1 kOhm, 100 nF), ready to solve: the networks of the
// benchmarks.
#include <memory>

#include "analysis/network.h"

namespace volmira::test {

// `sections` 4, 14 and 34 give 9, 29 and 69 branches.
std::unique_ptr<Network> analysedLadder(int sections);

}  // namespace volmira::test
