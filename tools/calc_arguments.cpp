#include "tools/calc_arguments.h"

#include <charconv>

namespace volmira::calc {

namespace {

constexpr std::string_view kUsage =
    R"(Usage: volmira-calc FILE.nwb [options]

Analyses a Volmira network file the way the program does (schematic check, analysis, component
values, branch sums) and calculates it at one frequency or over the file's sweep range.

  volmira-calc FILE.nwb                  analysis summary and the eleven quantities of every
                                         branch at the file's frequency and voltage, formatted as
                                         the program shows them
  volmira-calc FILE.nwb --csv            the same, machine-readable
  volmira-calc FILE.nwb --components     one row per component: name,row,column,kind,branch,value
  volmira-calc FILE.nwb --sweep NAME     the 897 points of the file's sweep range (FqVon, FqBis)
                                         for the branch holding component NAME ("R1" or "R 1")
  volmira-calc FILE.nwb --spice          an equivalent SPICE netlist (ngspice -b runs it)
  volmira-calc FILE.nwb --characteristics NAME
                                         maximum, minimum, -3 dB frequencies, bandwidth, centre
                                         frequency, Q and the phase passings of one quantity of
                                         NAME's branch over the file's range (FqVon..FqBis),
                                         each solved at exactly its frequency; "—" where
                                         the range has none
  volmira-calc FILE.nwb --vary NAME [--of OTHER] [--from A --to B] [--points N] [--lin] [--at F]
                                         CSV of the quantities of OTHER's branch (default: NAME's
                                         own) against the value of component NAME at the file's
                                         frequency (or F): N points (default 101) from A to B
                                         (default a tenth to ten times NAME's value), spaced
                                         logarithmically (--lin: linearly); the point at NAME's
                                         own value equals the single calculation there
  volmira-calc FILE.nwb --poles NAME     poles and zeros (1/s, and in Hz with damping and Q) of
                                         Ue -> voltage and Ue -> current of NAME's branch

Options:
  --at F          frequency instead of the file's (the program's value syntax: 1,5k or 1.5k);
                  1 uHz to 1 THz, or 0 for a network of resistors only
  --volt U        source voltage instead of the file's; 1 pV to 1 GV
  --quantity K    with --characteristics: U (default), I, Z, gain, S, P, phiU, R, X, Q, phiI
  --lin           with --sweep or --characteristics: linear instead of logarithmic frequency
                  points (the widened linear range can reach below 0 Hz; those points are left
                  out, as in the program); with --vary: linear value points
  --csv           comma-separated output with a header line, '.' as decimal point and 17
                  significant digits
  --help          this text

With --spice, --at and --volt set the analysis of the netlist; --spice --sweep NAME [--lin] gives
a netlist whose analysis sweeps the file's range and prints the current of NAME.

CSV columns:
  branches:   branch,components,f_Hz,U_V,I_A,Z_Ohm,gain_dB,S_VA,P_W,phiU_deg,R_Ohm,X_Ohm,Q_var,
              phiI_deg   (components: names without blank joined by "+"; a quantity the
              program shows as "unendlich" is written as inf or -inf, such as the gain
              across a branch without voltage)
  sweep:      point,f_Hz, then the eleven quantity columns as above
  vary:       point,value, then the eleven quantity columns as above (value in Ohm, F or H)
  characteristics: name,value,f_Hz   (empty where the range has none)
  poles:      kind,transfer,re_per_s,im_per_s,f_Hz,damping,Q,cancelled   (kind pole or zero,
              transfer U or I, cancelled 1 where a pole and a zero cancel)
  components: name,row,column,kind,branch,value   (kind: the SymbolCode, 1..3 or 7..9)

Exit status:
  0  success
  1  the analysis or a value is refused (the program's message on standard error), or the
     solver met a short circuit or lost digits (its message on standard error, the results
     as computed)
  2  usage or file error
)";

// The program's numeric fields turn a typed full stop into a comma; so does the command line.
void typedIntoField(std::string& text) {
    for (char& c : text)
        if (c == '.') c = ',';
}

}  // namespace

std::string_view usageText() {
    return kUsage;
}

ParsedArguments parseArguments(std::span<const std::string_view> arguments) {
    ParsedArguments parsed;
    CalcOptions& options = parsed.options;
    bool components = false;
    bool spice = false;
    bool characteristics = false;
    bool poles = false;
    bool quantity = false;
    bool varyOptions = false;
    auto fail = [&parsed](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= arguments.size()) return false;
            into = std::string(arguments[++i]);
            return true;
        };
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--csv") {
            options.csv = true;
        } else if (argument == "--components") {
            components = true;
        } else if (argument == "--spice") {
            spice = true;
        } else if (argument == "--lin") {
            options.linear = true;
        } else if (argument == "--at") {
            if (!value(options.frequency.emplace())) return fail("--at needs a frequency");
            typedIntoField(*options.frequency);
        } else if (argument == "--volt") {
            if (!value(options.voltage.emplace())) return fail("--volt needs a voltage");
            typedIntoField(*options.voltage);
        } else if (argument == "--sweep") {
            if (!value(options.sweepComponent)) return fail("--sweep needs a component name");
            options.sweep = true;
        } else if (argument == "--characteristics" || argument == "--poles") {
            if (!value(options.sweepComponent))
                return fail(std::string(argument) + " needs a component name");
            (argument == "--poles" ? poles : characteristics) = true;
        } else if (argument == "--vary") {
            if (!value(options.varyComponent)) return fail("--vary needs a component name");
        } else if (argument == "--of") {
            if (!value(options.ofComponent)) return fail("--of needs a component name");
            varyOptions = true;
        } else if (argument == "--from" || argument == "--to") {
            std::optional<std::string>& bound = argument == "--from" ? options.from : options.to;
            if (!value(bound.emplace())) return fail(std::string(argument) + " needs a value");
            typedIntoField(*bound);
            varyOptions = true;
        } else if (argument == "--points") {
            std::string count;
            if (!value(count)) return fail("--points needs a number");
            const auto [end, error] =
                std::from_chars(count.data(), count.data() + count.size(), options.points);
            if (error != std::errc{} || end != count.data() + count.size() ||
                options.points < kMinVaryPoints || options.points > kMaxVaryPoints)
                return fail("--points needs a whole number from 2 to 100000");
            varyOptions = true;
        } else if (argument == "--quantity") {
            if (!value(options.quantityKey)) return fail("--quantity needs a quantity");
            quantity = true;
        } else if (argument.size() > 1 && argument[0] == '-') {
            return fail("unknown option " + std::string(argument));
        } else if (options.file.empty()) {
            options.file = std::string(argument);
        } else {
            return fail("only one network file, not also " + std::string(argument));
        }
    }
    if (options.help) return parsed;
    if (options.file.empty()) return fail("no network file given");
    if (options.varyComponent.empty() && varyOptions)
        return fail("--of, --from, --to and --points need --vary");
    if (!options.varyComponent.empty()) {
        if (characteristics || poles || options.sweep || spice || components || quantity)
            return fail("--vary goes with no other listing");
        if (options.from.has_value() != options.to.has_value())
            return fail("--from and --to go together");
        options.mode = CalcMode::Vary;
        return parsed;
    }
    if (int(characteristics) + int(poles) + int(options.sweep) + int(spice) + int(components) > 1 &&
        (characteristics || poles))
        return fail("--characteristics and --poles go with no other listing");
    if (quantity && !characteristics) return fail("--quantity needs --characteristics");
    if (characteristics) {
        options.sweep = true;
        options.mode = CalcMode::Characteristics;
    }
    if (poles) {
        if (options.linear || options.frequency)
            return fail("--poles takes neither --lin nor --at");
        options.mode = CalcMode::Poles;
        return parsed;
    }
    if (components && (spice || options.sweep))
        return fail("--components goes with neither --sweep nor --spice");
    if (options.linear && !options.sweep) return fail("--lin needs --sweep");
    if (options.sweep && options.frequency)
        return fail("--at has no meaning with --sweep: the file's range is swept");
    if (spice && options.csv) return fail("--csv has no meaning with --spice");
    if (spice)
        options.mode = CalcMode::Spice;
    else if (components)
        options.mode = CalcMode::Components;
    else if (options.sweep && !characteristics)
        options.mode = CalcMode::Sweep;
    return parsed;
}

}  // namespace volmira::calc
