// The network-file loader on arbitrary bytes: it either refuses with a short message free of
// control characters, or what it loads survives save and load unchanged, and saving from the
// drawing mode (which recognises the grid again first) writes the same symbols.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "schematic/network_file.h"

namespace {

using namespace volmira;

void check(bool condition) {
    if (!condition) std::abort();
}

// The file name, a line number and a quoted excerpt: a few hundred bytes at most.
void checkMessage(std::string_view error) {
    check(!error.empty() && error.size() < 600);
    for (const char c : error) check(static_cast<unsigned char>(c) >= 0x20 || c == '\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const NetworkLoadResult first = parseNetworkLines(splitTextLines(bytes), "fuzz.nwb");
    if (!first.ok()) {
        checkMessage(first.error);
        return 0;
    }
    const LoadedNetwork& net = *first.network;
    const std::string saved =
        joinTextLines(buildNetworkLines(net.symbols, net.components, net.fields));
    const NetworkLoadResult second = parseNetworkLines(splitTextLines(saved), "fuzz.nwb");
    check(second.ok());
    check(second.network->grid == net.grid);
    check(second.network->symbols == net.symbols);
    check(second.network->components == net.components);
    check(second.network->fields == net.fields);

    SchematicGrid grid = net.grid;
    SymbolList symbols;
    check(rebuildSymbolList(grid, symbols));
    check(symbols == net.symbols);
    check(grid == net.grid);
    return 0;
}
