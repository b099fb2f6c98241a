#pragma once
// The example drawings moved to support/example_networks.h; this file goes once no test includes it.
#include "support/example_networks.h"
