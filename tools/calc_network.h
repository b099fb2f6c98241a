#pragma once
// From a network file to a network ready to solve, as the program gets there: load, schematic
// check, analysis, component values from the file, confirmation and branch sums; and the
// acceptance of frequency and voltage texts.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/network.h"
#include "schematic/network_file.h"

namespace volmira::calc {

// Exit status 2: the file cannot be used; 1: the program refuses the network or a value.
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

struct Failure {
    int exitCode = kExitRefused;
    std::string message;
};

struct CalcNetwork {
    LoadedNetwork file;
    Network network;
};

// On success `out` holds the file and the analysed network with confirmed values and branch
// sums; otherwise the failure says why, in the program's words.
std::optional<Failure> prepareNetwork(const std::string& path, CalcNetwork& out);

// The component named "R1" or "R 1" (letters in either case), 0 when there is none.
int findComponent(const Network& network, std::string_view name);

// A frequency or voltage text in the program's value syntax, accepted under the program's rules
// (no 0 Hz with capacitors or inductors, no 0 V); the value or the refusal.
struct Accepted {
    double value = 0;
    std::optional<Failure> failure;
};
Accepted acceptFrequency(std::string_view text, const Network& network);
Accepted acceptVoltage(std::string_view text);

}  // namespace volmira::calc
