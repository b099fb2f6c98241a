#include "schematic/network_file.h"

#include <charconv>

namespace volmira {

namespace {

bool isComponentCode(int code) { return (code >= 1 && code <= 3) || (code >= 7 && code <= 9); }

bool storable(const StoredComponent& c) {
    return SchematicGrid::inside(c.column, c.row) && isComponentCode(c.code);
}

// An integer line: optional blanks around an optionally signed run of digits.
std::optional<int> parseInteger(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Thrown inside the parser only, turned into the result's message.
// Overlapping symbols settle within a few rounds of painting and recognising.
constexpr int kSettleRounds = 8;

struct FileProblem {
    std::string text;
};

class NetworkParser {
public:
    NetworkParser(const LineList& lines, std::string_view fileName)
        : lines_(lines), fileName_(fileName) {}

    LoadedNetwork parse() {
        LoadedNetwork net;
        std::size_t at = 0;
        std::vector<PlacedSymbol> entries;
        while (line(at, "die Spalte eines Symbols oder die Endmarke \"0\"") != "0") {
            if (entries.size() == kMaxPlacedSymbols)
                fail(at, "Die Datei enthält mehr als " + std::to_string(kMaxPlacedSymbols) +
                             " Symbole.");
            const int column = number(at, "die Spalte eines Symbols", 1, kGridColumns);
            const int row = number(at + 1, "die Zeile eines Symbols", 1, kGridRows);
            const int code = number(at + 2, "der Symbolcode", 1, kLastStorableCode);
            if (!fitsInGrid(code, column, row))
                fail(at, "Das Symbol " + std::to_string(code) + " in Spalte " +
                             std::to_string(column) + ", Zeile " + std::to_string(row) +
                             " ragt über den Rand der Zeichnung.");
            entries.push_back({static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row),
                               static_cast<SymbolCode>(code)});
            at += 3;
        }
        const std::size_t endMark = at++;

        const int count = number(at++, "die Anzahl der Bauteile", 0, kMaxStoredComponents);
        for (int i = 0; i < count; ++i, at += 4) {
            StoredComponent c;
            c.row = number(at, "die Zeile eines Bauteils", 1, kGridRows);
            c.column = number(at + 1, "die Spalte eines Bauteils", 1, kGridColumns);
            c.code = number(at + 2, "der Code eines Bauteils", 1, 9);
            if (!isComponentCode(c.code))
                fail(at + 2, "Der Code " + std::to_string(c.code) +
                                 " bezeichnet kein Bauteil (erlaubt sind 1, 2, 3, 7, 8 und 9).");
            c.valueText = utf8Prefix(line(at + 3, "der Wert eines Bauteils"), kMaxValueTextLength);
            net.components.push_back(std::move(c));
        }
        net.fields.spEingabe = line(at, "die Eingangsspannung");
        net.fields.fqEinzel = line(at + 1, "die Frequenz");
        net.fields.fqVon = line(at + 2, "die Startfrequenz");
        net.fields.fqBis = line(at + 3, "die Endfrequenz");
        // A record count one too small would otherwise pass the last record off as the fields.
        if (at + 4 < lines_.size())
            fail(at + 4,
                 "Nach der Endfrequenz folgen weitere Zeilen; die Datei passt nicht zu "
                 "ihrer Anzahl der Bauteile.");

        SchematicGrid stamped;
        for (const PlacedSymbol& s : entries) stamp(stamped, s.code, s.column, s.row);
        recognise(stamped, net.symbols, endMark);
        settle(net, endMark);
        net.lines = lines_;
        return net;
    }

private:
  // Cells that form no symbol (a lone "J" of an overwritten amplifier) are neither drawn nor
  // saved, and a symbol whose pattern a later one overlaps may not be found again in the
  // painted grid. So the grid becomes what the list paints, recognised again until the list
  // describes its own grid: then saving and loading give back this very drawing.
  void settle(LoadedNetwork& net, std::size_t endMark) const {
      for (int round = 0; round < kSettleRounds; ++round) {
          net.grid.clear();
          restamp(net.symbols, net.grid);
          SchematicGrid painted = net.grid;
          SymbolList again;
          recognise(painted, again, endMark);
          if (again == net.symbols) return;
          net.symbols = again;
      }
      fail(endMark,
           "Die Zeichnung enthält sich überdeckende Symbole, die sich nicht "
           "eindeutig darstellen lassen.");
  }

  void recognise(SchematicGrid& grid, SymbolList& list, std::size_t endMark) const {
      if (!rebuildSymbolList(grid, list))
          fail(endMark,
               "Die Zeichnung ergibt mehr als " + std::to_string(kMaxPlacedSymbols) + " Symbole.");
  }

    [[noreturn]] void fail(std::size_t index, const std::string& problem) const {
        throw FileProblem{"Die Netzwerkdatei " + messageText(fileName_) +
                          " kann nicht geladen werden.\nZeile " + std::to_string(index + 1) + ": " +
                          problem};
    }

    const std::string& line(std::size_t index, std::string_view expected) const {
        if (index >= lines_.size())
            fail(index, "Die Datei endet vorzeitig; erwartet wird " + std::string(expected) + ".");
        return lines_[index];
    }

    int number(std::size_t index, std::string_view what, int low, int high) const {
        const std::string& text = line(index, what);
        const std::optional<int> value = parseInteger(text);
        if (!value)
            fail(index, "\"" + messageText(text, kQuotedTextLimit) +
                            "\" ist keine ganze Zahl (erwartet wird " + std::string(what) + ").");
        if (*value < low || *value > high) {
            std::string subject(what);
            subject[0] = static_cast<char>(subject[0] - 'a' + 'A');
            fail(index, subject + " " + std::to_string(*value) + " liegt nicht zwischen " +
                            std::to_string(low) + " und " + std::to_string(high) + ".");
        }
        return *value;
    }

    const LineList& lines_;
    std::string_view fileName_;
};

}  // namespace

LineList buildNetworkLines(const SymbolList& symbols, std::span<const StoredComponent> components,
                           const InputFields& fields) {
    LineList lines;
    for (const PlacedSymbol& s : symbols) {
        if (s.code == 0) break;
        lines.push_back(std::to_string(s.column));
        lines.push_back(std::to_string(s.row));
        lines.push_back(std::to_string(s.code));
    }
    lines.push_back("0");
    int count = 0;
    for (const StoredComponent& c : components)
        if (storable(c) && count < kMaxStoredComponents) ++count;
    lines.push_back(std::to_string(count));
    int written = 0;
    for (const StoredComponent& c : components) {
        if (!storable(c) || written == count) continue;
        lines.push_back(std::to_string(c.row));
        lines.push_back(std::to_string(c.column));
        lines.push_back(std::to_string(c.code));
        lines.push_back(c.valueText);
        ++written;
    }
    lines.push_back(fields.spEingabe);
    lines.push_back(fields.fqEinzel);
    lines.push_back(fields.fqVon);
    lines.push_back(fields.fqBis);
    return lines;
}

NetworkLoadResult parseNetworkLines(const LineList& lines, std::string_view fileName) {
    NetworkLoadResult result;
    try {
        result.network = NetworkParser(lines, fileName).parse();
    } catch (const FileProblem& problem) {
        result.error = problem.text;
    }
    return result;
}

NetworkLoadResult loadNetworkFile(const std::filesystem::path& path) {
    TextReadResult read = readTextLines(path);
    if (!read.ok()) {
        NetworkLoadResult result;
        result.error = read.error;
        return result;
    }
    return parseNetworkLines(read.lines, displayPath(path));
}

NetworkSaveResult saveNetworkFile(const std::filesystem::path& path, const LineList& lines) {
    NetworkSaveResult result;
    const TextWriteResult written = writeTextLines(path, lines);
    if (!written.ok()) {
        result.error = kFileAccessError;
        result.detail = written.error;
    }
    return result;
}

std::optional<std::string> unsavedChangesQuestion(const SymbolList& symbols, const LineList& working,
                                                  const LineList& saved) {
    if (symbols.empty()) return std::nullopt;
    if (working.size() != saved.size()) return std::string(kAskSaveDrawing);
    const std::size_t count = working.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (working[i] == saved[i]) continue;
        // The last four lines are the input voltage and the three frequency fields.
        if (i + 4 > count) return std::string(kAskSaveFrequencies);
        if (i + 4 == count) return std::string(kAskSaveVoltage);
        return std::string(kAskSaveDrawing);
    }
    return std::nullopt;
}

bool isUntitledNetwork(std::string_view path) { return path.ends_with(kUntitledNetworkName); }

}  // namespace volmira
