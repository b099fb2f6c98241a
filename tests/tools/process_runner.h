#pragma once
// For the tests of volmira-calc and the ngspice cross-check: runs a program with arguments (no
// shell) and collects its standard output, standard error and exit status; writes the network
// files the program reads.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/topology.h"
#include "schematic/network_file.h"
#include "support/test_drawings.h"
#include "support/test_support.h"

namespace volmira::test {

struct ProcessResult {
    int exitCode = -1;  // -1: the program could not be started or did not exit normally
    bool started = false;
    std::string out;
    std::string err;
};

// `program` is looked up in PATH when it holds no slash.
inline ProcessResult runProcess(const std::string& program,
                                const std::vector<std::string>& arguments) {
    TempFolder folder;
    const std::string paths[] = {"/dev/null", (folder.path() / "out").string(),
                                 (folder.path() / "err").string()};  // stdin, stdout, stderr
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd = 0; fd < 3; ++fd)
        posix_spawn_file_actions_addopen(&actions, fd, paths[fd].c_str(),
                                         fd == 0 ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ProcessResult result;
    pid_t pid = 0;
    const int spawned =
        posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return result;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return result;
    result.started = true;
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    result.out = readFileBytes(paths[1]);
    result.err = readFileBytes(paths[2]);
    return result;
}

inline ProcessResult runCalc(const std::vector<std::string>& arguments) {
    return runProcess(VOLMIRA_CALC, arguments);
}

inline std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

inline std::vector<std::string> splitFields(const std::string& line, char separator = ',') {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, separator)) fields.push_back(field);
    if (!line.empty() && line.back() == separator) fields.emplace_back();
    return fields;
}

inline std::filesystem::path examplePath(const std::string& name) {
    return sourceDir() / "examples" / name;
}

// The shipped low-pass: R 1 "1k", C 1 "159,155n"; 1 V, 1 kHz, 100 Hz .. 10 kHz.
inline const std::string kLowPass = examplePath("Tp1kHz.nwb").string();

// The low-pass with the first line of each text replaced, saved into the folder under a new name.
inline std::string changedLowPass(const TempFolder& folder,
                                  const std::map<std::string, std::string>& replacements) {
    static int saved = 0;
    LineList lines = readTextLines(kLowPass).lines;
    for (const auto& [from, to] : replacements)
        if (auto line = std::find(lines.begin(), lines.end(), from); line != lines.end())
            *line = to;
    const auto path = folder.path() / ("changed" + std::to_string(++saved) + ".nwb");
    saveNetworkFile(path, lines);
    return path.string();
}

// Values by kind and number: resistors 220 Ohm to 8.2 kOhm, inductors 1 to 33 mH, capacitors
// 10 nF to 1 uF, so that at audio frequencies no branch dominates the others.
inline std::string generatedValueText(const Component& component, int index) {
    static const std::vector<std::vector<const char*>> values = {
        {"1k", "2,2k", "470", "4,7k", "680", "3,3k", "220", "8,2k"},
        {"10m", "4,7m", "33m", "1m", "22m"},
        {"100n", "220n", "47n", "1u", "10n", "470n"}};
    const std::vector<const char*>& list = values[static_cast<int>(component.kind()) - 1];
    return list[static_cast<std::size_t>(index) % list.size()];
}

// Analyses the drawing, gives every component a value and saves it as a network file.
inline bool saveGeneratedNetwork(const SchematicGrid& drawing, const std::filesystem::path& path,
                                 const InputFields& fields, std::string& error) {
    auto network = std::make_unique<Network>();
    const AnalysisResult analysis = analyseNetwork(drawing, {}, *network);
    if (!analysis.ok()) {
        error = std::string(analysisErrorMessage(analysis.errorCode)) + "\n" + drawingText(drawing);
        return false;
    }
    std::vector<StoredComponent> records;
    for (int k = 1; k <= network->componentCount; ++k) {
        const Component& c = network->component(k);
        records.push_back({c.row, c.column, c.code, generatedValueText(c, k)});
    }
    SchematicGrid grid = drawing;
    SymbolList symbols;
    rebuildSymbolList(grid, symbols);
    const NetworkSaveResult saved =
        saveNetworkFile(path, buildNetworkLines(symbols, records, fields));
    error = saved.error + " " + saved.detail;
    return saved.ok();
}

}  // namespace volmira::test
