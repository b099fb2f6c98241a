// The command-line contract of volmira-calc: exit status 0 / 1 / 2, --help, the CSV forms with 17
// significant digits, the sweep points, and refusals with the program's messages.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <regex>

#include "tools/process_runner.h"

namespace volmira::test {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Wrong arguments and unreadable files exit 2, the program's own refusals (value, frequency,
// voltage, sweep range, drawing, limits) exit 1; each with a message, which the core's tests
// own, and no output.
TEST(CalcUsage, FailuresExitWithTheirStatusAMessageAndNoOutput) {
    TempFolder folder;
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{}, 2},
        {{kLowPass, "--frobnicate"}, 2},
        {{kLowPass, kLowPass}, 2},
        {{kLowPass, "--at"}, 2},
        {{kLowPass, "--lin"}, 2},
        {{kLowPass, "--components", "--spice"}, 2},
        {{kLowPass, "--sweep", "R1", "--at", "1k"}, 2},
        {{kLowPass, "--sweep", "R9"}, 2},
        {{kLowPass, "--of", "C1"}, 2},
        {{kLowPass, "--vary", "R1", "--sweep", "R1"}, 2},
        {{kLowPass, "--vary", "R1", "--points", "1"}, 2},
        {{kLowPass, "--vary", "X9"}, 2},
        {{(folder.path() / "missing.nwb").string()}, 2},
        {{changedLowPass(folder, {{"5", "zwei"}})}, 2},
        {{changedLowPass(folder, {{"1k", "1,2,3"}})}, 1},
        {{changedLowPass(folder, {{"159,155n", "0"}})}, 1},
        {{kLowPass, "--at", "0"}, 1},
        {{kLowPass, "--at", "3e307"}, 1},
        {{kLowPass, "--volt", "1e300"}, 1},
        {{kLowPass, "--vary", "R1", "--from", "3k", "--to", "1k"}, 1},
        {{changedLowPass(folder, {{"1 V", "0 V"}}), "--spice"}, 1},
        {{changedLowPass(folder, {{"10 kHz", "10 Hz"}}), "--sweep", "R1"}, 1},
        {{changedLowPass(folder, {{"10 kHz", "1e308"}}), "--sweep", "R1"}, 1},
        {{changedLowPass(folder, {{"4", "1"}})}, 1},  // a corner turned into a wire: an open end
    };
    for (const auto& [arguments, exitCode] : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const ProcessResult result = runCalc(arguments);
        EXPECT_EQ(result.exitCode, exitCode);
        EXPECT_FALSE(result.err.empty());
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
}

TEST(CalcUsage, ShortCircuitShowsTheResultsButExitsOne) {
    TempFolder folder;
    std::string error;
    const auto path = folder.path() / "shorted.nwb";
    ASSERT_TRUE(
        saveGeneratedNetwork(shortedSource(), path, {"1 V", "1 kHz", "20 Hz", "20 kHz"}, error))
        << error;
    const ProcessResult result = runCalc({path.string(), "--csv"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(contains(result.err, "Kurzschluss")) << result.err;
    EXPECT_GT(splitLines(result.out).size(), 1u);
}

TEST(CalcOutput, CsvHasItsHeaderAndSeventeenSignificantDigits) {
    const std::regex number(R"(-?[0-9]\.[0-9]{16}e[-+][0-9]{2,3}|-inf)");
    struct Form {
        std::vector<std::string> arguments;
        std::string header;
        std::size_t firstNumber;
    };
    const std::vector<Form> forms = {
        {{kLowPass, "--csv"},
         "branch,components,f_Hz,U_V,I_A,Z_Ohm,gain_dB,S_VA,P_W,phiU_deg,R_Ohm,X_Ohm,Q_var,phiI_"
         "deg",
         2},
        {{kLowPass, "--sweep", "C 1", "--csv"},
         "point,f_Hz,U_V,I_A,Z_Ohm,gain_dB,S_VA,P_W,phiU_deg,R_Ohm,X_Ohm,Q_var,phiI_deg",
         1},
    };
    for (const Form& form : forms) {
        const ProcessResult result = runCalc(form.arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const auto lines = splitLines(result.out);
        ASSERT_GT(lines.size(), 1u);
        EXPECT_EQ(lines[0], form.header);
        const std::size_t columns = splitFields(form.header).size();
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const auto fields = splitFields(lines[i]);
            ASSERT_EQ(fields.size(), columns) << lines[i];
            for (std::size_t c = form.firstNumber; c < columns; ++c)
                EXPECT_TRUE(std::regex_match(fields[c], number)) << fields[c];
        }
    }
}

TEST(CalcOutput, ComponentsListNameCellKindBranchAndValue) {
    // The drawing's resistor lies horizontally with its letter at column 8, row 4; the
    // capacitor vertically at column 17, row 7 (code 9).
    EXPECT_EQ(splitLines(runCalc({kLowPass, "--components"}).out),
              (std::vector<std::string>{"name,row,column,kind,branch,value",
                                        "R1,4,8,1,1,1.0000000000000000e+03",
                                        "C1,7,17,9,3,1.5915500000000000e-07"}));
}

TEST(CalcOutput, OptionsOverrideTheFilesFrequencyAndVoltage) {
    // The low-pass's series current follows Ue / |R + 1/(jwC)|. A full stop counts as the
    // decimal comma, as in the program's fields.
    const ProcessResult result = runCalc({kLowPass, "--csv", "--at", "1.5k", "--volt", "0.5"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto row = splitFields(splitLines(result.out)[1]);
    EXPECT_DOUBLE_EQ(std::stod(row[2]), 1500);
    const double expected =
        0.5 / std::abs(std::complex<double>(1000, -1 / (2 * M_PI * 1500 * 159.155e-9)));
    EXPECT_NEAR(std::stod(row[4]) / expected, 1, 1e-12);
}

// Where the widened range lies is the sweep's rule; here every point reaches the output, and on
// the linear axis those at or below 0 Hz are left out.
TEST(CalcSweep, PrintsEveryPointAndLeavesOutThoseBelowZeroHertz) {
    const ProcessResult log = runCalc({kLowPass, "--sweep", "R1", "--csv"});
    ASSERT_EQ(log.exitCode, 0) << log.err;
    const auto lines = splitLines(log.out);
    ASSERT_EQ(lines.size(), 898u);
    EXPECT_DOUBLE_EQ(std::stod(splitFields(lines[225])[1]), 100);
    const ProcessResult lin = runCalc({kLowPass, "--sweep", "R1", "--lin", "--csv"});
    ASSERT_EQ(lin.exitCode, 0) << lin.err;
    const auto linear = splitLines(lin.out);
    ASSERT_EQ(linear.size(), 898u - 220u);
    for (std::size_t i = 1; i < linear.size(); ++i)
        EXPECT_GT(std::stod(splitFields(linear[i])[1]), 0) << linear[i];
    EXPECT_EQ(splitFields(linear.back())[0], "896");
}

// The help names every form; the summary shows the analysis and every branch as the program
// does; the netlist takes the options' frequency and voltage and ends with quit; the CSV writes
// the display's "unendlich" as inf, not as the marker number behind it.
TEST(CalcOutput, EachFormHoldsWhatTheOptionsSay) {
    TempFolder folder;
    const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
        {{"--help"},
         {"--csv", "--components", "--at", "--volt", "--sweep", "--lin", "--spice", "Exit status"}},
        {{kLowPass, "--volt", "2", "--at", "1,5k"},
         {"Analyse erfolgreich durchgef\xC3\xBChrt", "Frequenz: 1,5 kHz", "Spannung: 2 V",
          "Stromzweig 3: C 1", "Verst\xC3\xA4rkung     >> Ua=0V", "S-Widerstand    1 kOhm"}},
        {{kLowPass, "--spice", "--at", "2k", "--volt", "3"},
         {"\nV1 ue_p 0 DC 0 AC 3\n", "\nac lin 1 2000 2000\n", "\nquit\n.endc\n.end\n"}},
    };
    for (const auto& [arguments, parts] : cases) {
        const ProcessResult result = runCalc(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        for (const std::string& part : parts)
            EXPECT_TRUE(contains(result.out, part)) << part << " in\n" << result.out;
    }
    const ProcessResult infinite = runCalc({changedLowPass(folder, {{"1k", "1e40"}}), "--csv"});
    EXPECT_TRUE(contains(infinite.out, ",inf,")) << infinite.out;
    EXPECT_FALSE(contains(infinite.out, "e+37")) << infinite.out;
}

TEST(CalcVary, TheRowAtTheFilesValueIsTheSingleCalculationThere) {
    const ProcessResult vary = runCalc({kLowPass, "--vary", "C1", "--of", "R1", "--at", "2k"});
    ASSERT_EQ(vary.exitCode, 0) << vary.err;
    const auto lines = splitLines(vary.out);
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines[0].rfind("point,value,U_V,I_A,", 0), 0u);
    const ProcessResult single = runCalc({kLowPass, "--csv", "--at", "2k"});
    const auto branch = splitFields(splitLines(single.out)[1]);  // R1's branch
    auto row = splitFields(lines[51]);
    EXPECT_EQ(row[1], "1.5915500000000000e-07");
    EXPECT_EQ(std::vector<std::string>(row.begin() + 2, row.end()),
              std::vector<std::string>(branch.begin() + 3, branch.end()));

    const ProcessResult linear =
        runCalc({kLowPass, "--vary", "R1", "--from", "1k", "--to", "3k", "--points", "3", "--lin"});
    ASSERT_EQ(splitLines(linear.out).size(), 4u);
    EXPECT_EQ(splitFields(splitLines(linear.out)[2])[1], "2.0000000000000000e+03");
}

}  // namespace
}  // namespace volmira::test
