#include "analysis/calculation.h"

#include <algorithm>
#include <cctype>

#include "analysis/input_checks.h"
#include "analysis/value_guard.h"
#include "analysis/value_text.h"
#include "schematic/text_file.h"

namespace volmira {

namespace {

// The input fields show the accepted values with this many significant digits.
constexpr int kInputDigits = 8;

// A typed text in a message, cut to the length messages quote.
std::string quoted(std::string_view prefix, std::string_view text) {
    return std::string(prefix) + " \xC2\xB4" + messageText(text, kQuotedTextLimit) + "\xC2\xB4";
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

Calculation::Calculation()
    : network_(std::make_unique<Network>()),
      analysed_(std::make_unique<Network>()),
      confirmed_(std::make_unique<ComponentTable>()),
      solver_(std::make_unique<AcSolver>()),
      currents_(std::make_unique<BranchCurrents>()),
      table_(std::make_unique<AllBranchTable>()) {}

Calculation::~Calculation() = default;

void Calculation::adoptRecords(std::span<const StoredComponent> records) {
    Network& network = *network_;
    const int count = std::min<int>(int(records.size()), kMaxComponents);
    for (int k = 0; k < count; ++k) {
        const StoredComponent& s = records[std::size_t(k)];
        Component c;
        c.row = static_cast<std::uint8_t>(s.row);
        c.column = static_cast<std::uint8_t>(s.column);
        c.code = static_cast<std::uint8_t>(s.code);
        c.valueText = s.valueText;
        c.value = parseValue(s.valueText).value_or(0.0);
        network.components[std::size_t(k)] = c;
        confirmed_->records[std::size_t(k)] = std::move(c);
    }
    network.componentCount = count;
    confirmed_->count = count;
    valuesConfirmed_ = false;
    *table_ = AllBranchTable{};
}

std::vector<StoredComponent> Calculation::records() const {
    std::vector<StoredComponent> out;
    out.reserve(std::size_t(network_->componentCount));
    for (int k = 1; k <= network_->componentCount; ++k) {
        const Component& c = network_->component(k);
        out.push_back({c.row, c.column, c.code, c.valueText});
    }
    return out;
}

void Calculation::clear() {
    *network_ = Network{};
    confirmed_->count = 0;
    valuesConfirmed_ = false;
    directVoltage_ = false;
    *table_ = AllBranchTable{};
}

AnalysisResult Calculation::analyse(const SchematicGrid& grid) {
    const std::span<const Component> previous = confirmed_->view();
    const AnalysisResult result = analyseNetwork(grid, previous, *analysed_);
    if (!result.ok()) return result;
    // A text that does not convert carried no value over; it stays, so that the confirmation
    // names it rather than taking the component as 0.
    for (int k = 1; k <= analysed_->componentCount; ++k) {
        Component& component = analysed_->component(k);
        for (const Component& record : previous)
            if (record.row == component.row && record.column == component.column &&
                record.code == component.code && !parseValue(record.valueText))
                component.valueText = record.valueText;
    }
    std::swap(network_, analysed_);
    valuesConfirmed_ = false;
    *table_ = AllBranchTable{};
    return result;
}

StoreResult Calculation::storeValue(int component, std::string_view text, bool& changed) {
    changed = false;
    if (component < 1 || component > std::min(network_->componentCount, kMaxComponents))
        return StoreResult::Unchanged;
    Component& record = network_->component(component);
    const double oldValue = record.value;
    const std::string oldText = record.valueText;
    const StoreResult result = storeValueText(record, text);
    changed = record.value != oldValue || record.valueText != oldText;
    return result;
}

std::optional<ValueProblem> Calculation::confirmValues() {
    if (auto problem = checkValuesForConfirmation(*network_)) return problem;
    sumBranchValues(*network_);
    confirmed_->count = std::min(network_->componentCount, kMaxComponents);
    std::copy_n(network_->components.begin(), confirmed_->count, confirmed_->records.begin());
    valuesConfirmed_ = true;
    return std::nullopt;
}

InputAcceptance Calculation::acceptFrequency(std::string_view text) {
    text = trimmed(text);
    const std::optional<double> value = parseValue(text);
    const bool reactive = network_->hasReactiveComponents();
    const FrequencyCheck check =
        value ? checkFrequencyInput(*value, reactive) : FrequencyCheck{false, false, {}};
    if (check.accepted) {
        frequency_ = *value;
        directVoltage_ = check.directCurrent;
        return {true, {}};
    }
    // The previous frequency comes back, unless the network no longer allows it either.
    if (!checkFrequencyInput(frequency_, reactive).accepted) {
        frequency_ = kDefaultFrequency;
        directVoltage_ = false;
    }
    return {false, value ? std::string(check.message) : quoted("Ung\xC3\xBCltige Frequenz", text)};
}

InputAcceptance Calculation::acceptVoltage(std::string_view text) {
    text = trimmed(text);
    const std::optional<double> value = parseValue(text);
    if (!value) return {false, quoted("Ung\xC3\xBCltige Spannung", text)};
    const VoltageCheck check = checkVoltageInput(*value);
    if (!check.accepted) return {false, std::string(check.message)};
    voltage_ = *value;
    return {true, {}};
}

std::string Calculation::frequencyText() const {
    return formatValue(kUnitHertz, kInputDigits, frequency_);
}

std::string Calculation::voltageText() const {
    return formatValue(kUnitVolt, kInputDigits, voltage_);
}

SolveStatus Calculation::solve() {
    const SolveStatus status = solver_->solve(*network_, frequency_, voltage_, *currents_);
    recordAllBranches(*network_, *currents_, frequency_, voltage_, *table_);
    return status;
}

SweepOutcome Calculation::sweep(std::span<const double> frequencies, const PointDone& pointDone) {
    SweepOutcome outcome;
    solver_->prepareSweep(*network_);
    for (double frequency : frequencies)
        if (!pointSolved(outcome, solver_->solveSweepPoint(frequency, voltage_, *currents_),
                         *currents_, pointDone))
            break;
    return outcome;
}

SweepOutcome Calculation::sweepValues(int component, std::span<const double> values,
                                      const PointDone& pointDone) {
    SweepOutcome outcome;
    double& value = parameterValue(component);
    auto resum = [this] { resumBranches(); };
    const ParameterValueGuard<decltype(resum)> guard(value, resum);
    for (double v : values) {
        value = v;
        resumBranches();
        if (!pointSolved(outcome, solver_->solve(*network_, frequency_, voltage_, *currents_),
                         *currents_, pointDone))
            break;
    }
    return outcome;
}

bool Calculation::pointSolved(SweepOutcome& outcome, const SolveStatus& status,
                              const BranchCurrents& currents, const PointDone& pointDone) {
    outcome.failed = outcome.failed || status.failed();
    outcome.imprecise = outcome.imprecise || status.imprecise;
    if (pointDone(outcome.pointsDone++, currents)) return true;
    outcome.stopped = true;
    return false;
}

int findComponent(const Network& network, std::string_view name) {
    const std::string wanted = withoutBlanks(name);
    for (int k = 1; k <= network.componentCount; ++k)
        if (withoutBlanks(network.component(k).name) == wanted) return k;
    return 0;
}

}  // namespace volmira
