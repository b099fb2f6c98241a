#pragma once
// The drawings moved to support/test_drawings.h; this file goes once no test includes it.
#include "schematic/network_file.h"
#include "schematic/symbol_list.h"
#include "support/test_drawings.h"
