#pragma once
// The drawings moved to support/test_drawings.h; this file goes once no test includes it.
#include "support/test_drawings.h"
