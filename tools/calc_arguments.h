#pragma once
// The command line of volmira-calc.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace volmira::calc {

enum class CalcMode {
    Branches,         // the eleven quantities of every branch at one frequency
    Components,       // one row per component
    Sweep,            // the sweep points of one branch
    Spice,            // a SPICE netlist of the network (with --sweep: of the sweep)
    Characteristics,  // the characteristic values of one branch quantity over the file's range
    Poles,            // the poles and zeros of Ue -> one branch's voltage and current
    Vary,             // one branch's quantities against one component's value
};

inline constexpr int kMinVaryPoints = 2;
inline constexpr int kMaxVaryPoints = 100000;

struct CalcOptions {
    std::string file;
    CalcMode mode = CalcMode::Branches;
    bool csv = false;
    bool help = false;
    // Texts in the program's value syntax; nothing: the file's fields.
    std::optional<std::string> frequency;
    std::optional<std::string> voltage;
    std::string sweepComponent;     // "R1" or "R 1"; also the one of --characteristics and --poles
    bool sweep = false;             // the file's range is swept (--sweep, --characteristics)
    std::string quantityKey = "U";  // --quantity of --characteristics
    bool linear = false;
    // --vary NAME [--of OTHER] [--from A --to B] [--points N]: texts as typed ('.' made ',').
    std::string varyComponent;
    std::string ofComponent;  // empty: NAME's own branch
    std::optional<std::string> from;
    std::optional<std::string> to;
    int points = 101;
};

struct ParsedArguments {
    CalcOptions options;
    std::string error;  // a usage error; empty when the arguments are fine
    bool ok() const { return error.empty(); }
};

// `arguments` without the program name.
ParsedArguments parseArguments(std::span<const std::string_view> arguments);

// The text of --help.
std::string_view usageText();

}  // namespace volmira::calc
