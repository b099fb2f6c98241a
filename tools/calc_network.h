#pragma once
// From a network file to a network ready to solve, as the program gets there, through the
// calculation engine: load, schematic check, analysis with the file's values, confirmation.
#include <optional>
#include <string>

#include "analysis/calculation.h"
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
    Calculation calculation;
};

// On success `out` holds the file and the engine with the analysed network and its confirmed
// values; otherwise the failure says why, in the program's words.
std::optional<Failure> prepareNetwork(const std::string& path, CalcNetwork& out);

// A frequency or voltage text taken by the engine, or its refusal.
std::optional<Failure> acceptFrequency(std::string_view text, Calculation& calculation);
std::optional<Failure> acceptVoltage(std::string_view text, Calculation& calculation);

}  // namespace volmira::calc
