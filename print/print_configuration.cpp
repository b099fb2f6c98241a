#include "print/print_configuration.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace volmira {

namespace {

std::string number(int v) {
    return std::to_string(v);
}

std::optional<int> parseNumber(std::string_view line) {
    if (line.empty() || line.size() > 6) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (ec != std::errc{} || end != line.data() + line.size() || line.front() == '-')
        return std::nullopt;
    return value;
}

int recordLength(char kind) {
    switch (kind) {
        case 'S':
        case 'M':
            return 5;
        case 'B':
        case 'F':
        case 'O':
            return 6;
        case 'T':
            return 8;
        default:
            return 0;
    }
}

std::string lineMessage(std::size_t index, std::string_view what) {
    return "Druckkonfiguration, Zeile " + std::to_string(index + 1) + ": " + std::string(what);
}

}  // namespace

LineList configurationLines(const PrintDocument& document) {
    LineList lines;
    for (int n = 1; n <= kElementSlots; ++n) {
        const ElementSlot& s = document.slot(n);
        if (!s.visible) continue;
        const PrintElement& e = s.element;
        lines.push_back(std::string(1, static_cast<char>(e.kind)));
        for (int v : {s.rect.left, s.rect.top, s.rect.width, s.rect.height})
            lines.push_back(number(v));
        switch (e.kind) {
            case ElementKind::ComponentList:
            case ElementKind::Curve:
            case ElementKind::Locus:
                lines.push_back(number(e.fieldA));
                break;
            case ElementKind::Text:
                lines.push_back(number(e.textStyle));
                lines.push_back(number(e.fieldA / 10));
                lines.push_back(e.text);
                break;
            default:
                break;
        }
    }
    if (!lines.empty()) lines.push_back("E");
    return lines;
}

ConfigurationSave saveConfiguration(const std::filesystem::path& path,
                                    const PrintDocument& document) {
    const LineList lines = configurationLines(document);
    if (lines.empty()) return {};
    const TextWriteResult result = writeTextLines(path, lines);
    return {result.ok(), result.error};
}

ConfigurationLoad loadConfiguration(const LineList& lines, PrintDocument& document,
                                    ConfigurationInserter& inserter) {
    document.clear();
    ConfigurationLoad load;
    std::size_t i = 0;
    while (true) {
        if (i >= lines.size()) {
            load.error = "Druckkonfiguration endet ohne \"E\"";
            return load;
        }
        const std::string& kindLine = lines[i];
        const char kind = kindLine.empty() ? ' ' : kindLine.front();
        if (kind == 'E') return load;
        const int length = recordLength(kind);
        if (length == 0) {
            load.error = lineMessage(i, "unbekannte Art \"" + kindLine + "\"");
            return load;
        }
        if (i + static_cast<std::size_t>(length) > lines.size()) {
            load.error = "Druckkonfiguration endet ohne \"E\"";
            return load;
        }
        // Every number of the record is checked before anything is inserted for it.
        std::array<int, 6> v{};
        const int numbers = kind == 'T' ? 6 : length - 1;
        for (int k = 0; k < numbers; ++k) {
            const auto parsed = parseNumber(lines[i + 1 + static_cast<std::size_t>(k)]);
            if (!parsed) {
                load.error = lineMessage(
                    i + 1 + static_cast<std::size_t>(k),
                    "keine ganze Zahl: \"" + lines[i + 1 + static_cast<std::size_t>(k)] + "\"");
                return load;
            }
            v[static_cast<std::size_t>(k)] = *parsed;
        }
        int slot = 0;
        switch (kind) {
            case 'S':
                slot = inserter.insertSchematic();
                break;
            case 'B':
                if (v[4] >= 1 && v[4] <= 3) slot = inserter.insertComponentList(v[4]);
                break;
            case 'F':
            case 'O':
                slot = inserter.insertCurve(static_cast<ElementKind>(kind), v[4]);
                break;
            case 'T':
                slot = inserter.insertText(v[4] & 7, v[5], lines[i + 7]);
                break;
            default:  // frequency tables are not restored
                break;
        }
        if (slot != 0) {
            ElementSlot& s = document.slot(slot);
            if (kind != 'T') {
                s.rect.width = std::max(kMinElementWidth, v[2]);
                s.rect.height = roundEven(s.rect.width / s.element.aspect);
            }
            document.moveTo(slot, v[0], v[1]);
            ++load.inserted;
        }
        i += static_cast<std::size_t>(length);
    }
}

ConfigurationLoad loadConfigurationFile(const std::filesystem::path& path, PrintDocument& document,
                                        ConfigurationInserter& inserter) {
    const TextReadResult read = readTextLines(path);
    if (!read.ok()) return {0, read.error};
    return loadConfiguration(read.lines, document, inserter);
}

}  // namespace volmira
