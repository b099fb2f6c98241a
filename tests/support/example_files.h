#pragma once
// The example networks shipped in examples/, loaded from their files.
#include <string>
#include <vector>

#include "analysis/calculation.h"
#include "schematic/network_file.h"
#include "support/test_support.h"

namespace volmira::test {

inline const std::vector<std::string> kExampleFiles = {"Tp1kHz.nwb",     "RCL.nwb",  "Wienrob.nwb",
                                                       "Bandfilter.nwb", "DEMO.NWB", "Volmira.nwb",
                                                       "SallenKey.nwb"};

// The file's network; an empty one when it cannot be read (the caller's checks then fail).
inline LoadedNetwork loadExample(const std::string& fileName) {
    NetworkLoadResult loaded = loadNetworkFile(sourceDir() / "examples" / fileName);
    return loaded.ok() ? std::move(*loaded.network) : LoadedNetwork{};
}

// Analysed with the file's values confirmed, as the program does after loading.
inline bool confirmExample(Calculation& calc, const LoadedNetwork& network) {
    calc.adoptRecords(network.components);
    return calc.analyse(network.grid).ok() && !calc.confirmValues();
}

}  // namespace volmira::test
