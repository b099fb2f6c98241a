// Our currents against ngspice's: every example network and a set of generated ones is exported
// by volmira-calc --spice, run by ngspice, and every component current compared with the
// current of its branch from volmira-calc --csv, in magnitude and phase, at several frequencies.
// ngspice must be installed: without it these tests fail, they never skip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <complex>
#include <fstream>
#include <map>

#include "support/example_files.h"
#include "support/random_drawings.h"
#include "support/test_drawings.h"
#include "support/test_support.h"
#include "tools/process_runner.h"

namespace volmira::test {
namespace {

// A loop with two capacitors in one branch (R 1, C 1, C 2 from the source to junction N), then
// "R 2" from N to ground and "L 1" with "C 3" in series from N to ground.
SchematicGrid twoCapacitorsInABranch() {
    return art::gridFromArt({
        "31x11z11z1C11y114",
        "2         2     2",
        "A         x     z",
        "2         2     2",
        "2         2     2",
        "2         I     I",
        "I",
    });
}

// A horizontal source (code 6) on top of a loop: "R 1" down the left side, "C 1" down the right
// side, "L 1" along the bottom; no ground mark. Branch 1 leaves the source to the right.
SchematicGrid horizontalSourceLoop() {
    return art::gridFromArt({
        "31A114",
        "2    2",
        "x    z",
        "2    2",
        "511y16",
    });
}

// The RC ladder of 34 sections with a load resistor from its output node (50, 16) to ground: 70
// branches, the most a network may have.
SchematicGrid loadedRcLadder() {
    SchematicGrid grid = rcLadder(34);
    drawRows(grid, 46, 16, {"31x1D", "2", "I"});
    return grid;
}

// One component current as ngspice prints it ("i(vi_r1) = re,im", or one number after an
// operating point).
std::map<std::string, std::complex<double>> parseNgspiceCurrents(const std::string& output) {
    std::map<std::string, std::complex<double>> currents;
    for (const std::string& line : splitLines(output)) {
        if (line.rfind("i(vi_", 0) != 0) continue;
        const auto equals = line.find(" = ");
        if (equals == std::string::npos) continue;
        const std::string name = line.substr(5, line.find(')') - 5);
        const std::string value = line.substr(equals + 3);
        const auto comma = value.find(',');
        const double re = std::stod(value.substr(0, comma));
        const double im = comma == std::string::npos ? 0 : std::stod(value.substr(comma + 1));
        currents[name] = {re, im};
    }
    return currents;
}

// Relative magnitude error and phase difference (degrees) allowed. The op-amps' gain of 1e9
// stands for an infinite one, which moves currents by about 1e-9 of their size.
constexpr double kMagnitudeTolerance = 1e-6;
constexpr double kPhaseTolerance = 1e-4;
// A current below this share of the largest one is the remainder of a cancellation (a bridge at
// balance, an op-amp input); both sides must then agree absolutely at that level.
constexpr double kNegligibleShare = 1e-9;

// The generated networks by name; the shipped examples go by their files' names.
std::map<std::string, SchematicGrid> generatedNetworks() {
    return {
        {"SeriesRlcNoGround", seriesRlcLoop()},
        {"RcLowPassTwoGrounds", rcLowPass()},
        {"RcLadder3", rcLadder(3)},
        {"RcLadder25TwoBands", rcLadder(25)},
        {"LoadedRcLadder70Branches", loadedRcLadder()},
        {"WheatstoneBridgeNoGround", wheatstoneBridge()},
        // Ground marks on a return rail close loops of bare wire, which carry nothing.
        {"DividerTwoGroundsOnTheRail", drawLattice(groundedRailLadder(1))},
        {"LadderThreeGroundsOnTheRail", drawLattice(groundedRailLadder(8))},
        {"ResistorGrid6x6", drawLattice(resistorGrid(6, 6))},
        {"HorizontalSourceLoop", horizontalSourceLoop()},
        {"TwoCapacitorsInABranch", twoCapacitorsInABranch()},
        {"InvertingAmplifier", invertingAmplifier()},
        {"NonInvertingAmplifier", nonInvertingAmplifier()},
        {"LeftPointingOpAmp", leftPointingInvertingAmplifier()},
        {"TwoOpAmpsInARow", twoInvertingStages()},
        {"ActiveLowPass", activeLowPass()},
        {"OpAmpWithSourceResistor", invertingAmplifierWithSourceResistor()},
    };
}

std::vector<std::string> crossCheckCases() {
    std::vector<std::string> names = kExampleFiles;
    for (const auto& [name, drawing] : generatedNetworks()) names.push_back(name);
    return names;
}

// ngspice's output on the netlist that volmira-calc writes with these arguments.
ProcessResult runNgspice(const TempFolder& folder, const std::vector<std::string>& arguments) {
    const ProcessResult netlist = runCalc(arguments);
    EXPECT_EQ(netlist.exitCode, 0) << netlist.err;
    const auto path = folder.path() / "netlist.cir";
    std::ofstream(path) << netlist.out;
    const ProcessResult spice = runProcess("ngspice", {"-b", path.string()});
    EXPECT_TRUE(spice.started) << "ngspice is not installed (scripts/install-deps installs it)";
    return spice;
}

class NgspiceCrossCheck : public ::testing::TestWithParam<std::string> {
  protected:
    // The network file of the case: the shipped example, or the drawing saved with values.
    std::string networkFile() {
        const std::map<std::string, SchematicGrid> generated = generatedNetworks();
        const auto drawing = generated.find(GetParam());
        if (drawing == generated.end()) return examplePath(GetParam()).string();
        const auto path = folder_.path() / (GetParam() + ".nwb");
        std::string error;
        EXPECT_TRUE(saveGeneratedNetwork(drawing->second, path,
                                         {"1 V", "1 kHz", "100 Hz", "10 kHz"}, error))
            << error;
        return path.string();
    }

    TempFolder folder_;
};

TEST_P(NgspiceCrossCheck, EveryComponentCurrentAgreesInMagnitudeAndPhase) {
    const std::string file = networkFile();
    const ProcessResult components = runCalc({file, "--components"});
    ASSERT_EQ(components.exitCode, 0) << components.err;
    const auto componentRows = splitLines(components.out);
    ASSERT_GT(componentRows.size(), 1u);

    // Networks of resistors only are also calculated at 0 Hz: ngspice's operating point.
    std::vector<std::string> frequencies = {"37", "1k", "23,5k"};
    if (std::all_of(componentRows.begin() + 1, componentRows.end(),
                    [](const std::string& row) { return row[0] == 'R'; }))
        frequencies.push_back("0");

    for (const std::string& frequency : frequencies) {
        SCOPED_TRACE("f = " + frequency);
        const ProcessResult branches = runCalc({file, "--csv", "--at", frequency});
        ASSERT_EQ(branches.exitCode, 0) << branches.err;
        // branch -> current from |I| and phi I.
        std::map<std::string, std::complex<double>> ours;
        double largest = 0;
        for (const std::string& line : splitLines(branches.out)) {
            const auto fields = splitFields(line);
            if (fields.size() != 14 || fields[0] == "branch") continue;
            const double magnitude = std::stod(fields[4]);
            ours[fields[0]] = std::polar(magnitude, std::stod(fields[13]) * M_PI / 180);
            largest = std::max(largest, magnitude);
        }

        const ProcessResult spice = runNgspice(folder_, {file, "--spice", "--at", frequency});
        ASSERT_EQ(spice.exitCode, 0) << spice.out << spice.err;
        const auto theirs = parseNgspiceCurrents(spice.out);

        for (std::size_t i = 1; i < componentRows.size(); ++i) {
            const auto fields = splitFields(componentRows[i]);
            ASSERT_EQ(fields.size(), 6u);
            std::string name = fields[0];
            for (char& ch : name)
                ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            ASSERT_TRUE(theirs.count(name)) << "ngspice printed no current of " << fields[0] << "\n"
                                            << spice.out;
            const std::complex<double> a = ours.at(fields[4]);
            const std::complex<double> b = theirs.at(name);
            SCOPED_TRACE(fields[0] + " in branch " + fields[4]);
            if (std::abs(a) < kNegligibleShare * largest) {
                EXPECT_LT(std::abs(a - b), kNegligibleShare * largest);
                continue;
            }
            EXPECT_LT(std::abs(std::abs(b) - std::abs(a)) / std::abs(a), kMagnitudeTolerance)
                << "ours " << a << ", ngspice " << b;
            const double phase = std::remainder(std::arg(b) - std::arg(a), 2 * M_PI) * 180 / M_PI;
            EXPECT_LT(std::abs(phase), kPhaseTolerance) << "ours " << a << ", ngspice " << b;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Networks, NgspiceCrossCheck, ::testing::ValuesIn(crossCheckCases()),
                         [](const auto& info) {
                             return info.param.substr(0, info.param.find('.'));
                         });

// The frequency and current of each row ngspice prints of an AC sweep: index, frequency, real
// and imaginary part.
std::vector<std::pair<double, std::complex<double>>> parseNgspiceSweep(const std::string& output) {
    std::vector<std::pair<double, std::complex<double>>> rows;
    for (const std::string& line : splitLines(output)) {
        const auto fields = splitFields(line, '\t');
        if (fields.size() < 4 || fields[0].empty() ||
            !std::isdigit(static_cast<unsigned char>(fields[0][0])))
            continue;
        rows.emplace_back(std::stod(fields[1]),
                          std::complex(std::stod(fields[2]), std::stod(fields[3])));
    }
    return rows;
}

// Over a range of whole decades ngspice's logarithmic sweep takes the very points of ours: the
// sweep netlist gives the same current at every one of the 897 points.
TEST(NgspiceSweepCrossCheck, EveryPointOfTheLogarithmicSweepAgrees) {
    const std::string file = examplePath("RCL.nwb").string();
    const ProcessResult ours = runCalc({file, "--sweep", "C1", "--csv"});
    ASSERT_EQ(ours.exitCode, 0) << ours.err;
    const auto lines = splitLines(ours.out);
    ASSERT_EQ(lines.size(), 898u);

    const ProcessResult spice = runNgspice(TempFolder(), {file, "--spice", "--sweep", "C 1"});
    const auto theirs = parseNgspiceSweep(spice.out);
    ASSERT_EQ(theirs.size(), 897u) << spice.out;

    for (std::size_t i = 0; i < theirs.size(); ++i) {
        const auto fields = splitFields(lines[i + 1]);
        ASSERT_EQ(fields.size(), 13u);
        // ngspice multiplies its step up point by point; the product drifts by about 1e-11 a point.
        EXPECT_NEAR(theirs[i].first / std::stod(fields[1]), 1, 1e-7) << "point " << i;
        const std::complex<double> a =
            std::polar(std::stod(fields[3]), std::stod(fields[12]) * M_PI / 180);
        const std::complex<double> b = theirs[i].second;
        EXPECT_LT(std::abs(b - a) / std::abs(a), kMagnitudeTolerance) << "point " << i;
    }
}

}  // namespace
}  // namespace volmira::test
