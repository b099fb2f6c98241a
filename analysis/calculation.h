#pragma once
// The calculation engine, the one road from a drawing to numbers: analysis, component values
// and their confirmation, the accepted frequency and voltage, the solve into the all-branch
// table and the frequency sweep. The windows and volmira-calc drive it; neither keeps its own.
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/ac_solver.h"
#include "analysis/component_values.h"
#include "analysis/network.h"
#include "analysis/quantities.h"
#include "analysis/topology.h"
#include "schematic/component.h"
#include "schematic/grid.h"
#include "schematic/network_file.h"

namespace volmira {

// A frequency or voltage text was taken (message empty) or refused (message says why).
struct InputAcceptance {
    bool accepted = false;
    std::string message;
};

// The schematic check's message: a wire that ends nowhere.
inline constexpr std::string_view kOpenPathMessage =
    "Ein Stromweg endet nicht an einem Knotenpunkt!";

// Until the user sets one, and when a network no longer allows the one set.
inline constexpr double kDefaultFrequency = 1000.0;
inline constexpr double kDefaultVoltage = 1.0;

struct SweepOutcome {
    std::size_t pointsDone = 0;
    bool stopped = false;    // the callback asked to stop
    bool failed = false;     // some point met the solver's failure
    bool imprecise = false;  // some point is not good to six digits

    // What to tell the user after the sweep, the failure before the imprecision; empty when
    // every point is sound.
    std::string_view message() const {
        return SolveStatus{.shortCircuit = failed, .imprecise = imprecise}.message();
    }
};

class Calculation {
  public:
    Calculation();
    ~Calculation();
    Calculation(const Calculation&) = delete;
    Calculation& operator=(const Calculation&) = delete;

    // --- The network and its component records.
    const Network& network() const { return *network_; }
    // The records of a loaded file become the working and the confirmed records (values parsed
    // from their texts; a text that does not convert counts as 0 but is kept, so that the
    // confirmation names it). The network's analysis is gone until the next analyse().
    void adoptRecords(std::span<const StoredComponent> records);
    // What saving writes: the working records as row, column, code and value text.
    std::vector<StoredComponent> records() const;
    // The confirmed records, which moving the drawing moves along.
    std::span<Component> confirmedRecords() { return confirmed_->view(); }
    // A new network: no records, nothing confirmed, the direct-voltage flag off.
    void clear();

    // Analyses the drawing. On success the new network replaces the old one; components that
    // kept their cell and kind take their value from the confirmed records, and the values must
    // be confirmed again. On failure nothing changes: records, confirmed values and what saving
    // writes stay as they were.
    AnalysisResult analyse(const SchematicGrid& grid);

    // --- Values.
    // Stores an edited value text into component k (1-based); `changed` tells whether the
    // record's value or text differ now.
    StoreResult storeValue(int component, std::string_view text, bool& changed);
    // Checks the values, sums them per branch and keeps them as the confirmed records. The first
    // problem is given back (and nothing changes) when they cannot be confirmed.
    std::optional<ValueProblem> confirmValues();
    bool valuesConfirmed() const { return valuesConfirmed_; }
    // Edits in the graphic mode withdraw the confirmation until the values are confirmed again.
    void withdrawConfirmation() { valuesConfirmed_ = false; }

    // --- Frequency and voltage, as typed into the fields. A refused text keeps the previous
    // value; a frequency the network no longer allows falls back to 1 kHz.
    InputAcceptance acceptFrequency(std::string_view text);
    InputAcceptance acceptVoltage(std::string_view text);
    double frequency() const { return frequency_; }
    double voltage() const { return voltage_; }
    // f = 0 was accepted (networks without capacitors and inductors only).
    bool directVoltage() const { return directVoltage_; }
    // The accepted values as the fields show them again.
    std::string frequencyText() const;
    std::string voltageText() const;

    // --- Solving.
    // Solves at the accepted frequency and voltage and records every branch into the table.
    SolveStatus solve();
    const AllBranchTable& table() const { return *table_; }
    // The quantities of one branch from the table of the last solve.
    BranchQuantities quantities(int branch) const { return quantitiesFromTable(*table_, branch); }

    // One sweep at the accepted voltage: after each point `pointDone(index, currents)` decides
    // whether to go on (a window processes its events there and honours "Stop"). Nothing is
    // allocated per point.
    using PointDone = std::function<bool(std::size_t index, const BranchCurrents& currents)>;
    SweepOutcome sweep(std::span<const double> frequencies, const PointDone& pointDone);
    // The value sweep: component k (1-based) takes each of `values` in turn and the network is
    // solved at the accepted frequency and voltage; `pointDone` as above. The component gets its
    // own value back, bit for bit, however the sweep ends (its end, Stop, a failure).
    SweepOutcome sweepValues(int component, std::span<const double> values,
                             const PointDone& pointDone);

    // --- The parameter mode sweeps with one component at other values: its value as the
    // solver takes it, and the branch sums brought up to date after a change.
    double& parameterValue(int component) { return network_->component(component).value; }
    void resumBranches() { sumBranchValues(*network_); }

  private:
    // Counts the point's status into the outcome and asks the callback whether to go on.
    static bool pointSolved(SweepOutcome& outcome, const SolveStatus& status,
                            const BranchCurrents& currents, const PointDone& pointDone);

    std::unique_ptr<Network> network_;
    std::unique_ptr<Network> analysed_;  // the next analysis goes here first
    std::unique_ptr<ComponentTable> confirmed_;
    std::unique_ptr<AcSolver> solver_;
    std::unique_ptr<BranchCurrents> currents_;
    std::unique_ptr<AllBranchTable> table_;
    bool valuesConfirmed_ = false;
    double frequency_ = kDefaultFrequency;
    double voltage_ = kDefaultVoltage;
    bool directVoltage_ = false;
};

// The component named "R1" or "R 1" (letters in either case), 0 when there is none.
int findComponent(const Network& network, std::string_view name);

}  // namespace volmira
