#pragma once
// The print configuration file (.dkf): the layout of a page, one value per line, a record per
// element and a closing "E". Loading re-creates every element from the program's current state
// through the same insert operations the user triggers, then restores its geometry.
#include <filesystem>
#include <string>
#include <string_view>

#include "print/print_document.h"
#include "schematic/text_file.h"

namespace volmira {

// The records of the visible elements in slot order and "E"; empty when no element is visible.
LineList configurationLines(const PrintDocument& document);

// Writes the configuration atomically. `written` is false for an empty sheet (nothing to save).
struct ConfigurationSave {
    bool written = false;
    std::string error;
};
ConfigurationSave saveConfiguration(const std::filesystem::path& path,
                                    const PrintDocument& document);

// The insert operations of the composer, each returning the slot it took or 0 when the working
// mode does not allow the insertion.
class ConfigurationInserter {
  public:
    virtual ~ConfigurationInserter() = default;
    virtual int insertSchematic() = 0;
    virtual int insertComponentList(int columns) = 0;
    virtual int insertCurve(ElementKind kind, int quantitySlot) = 0;
    virtual int insertText(int style, int heightMm, std::string_view text) = 0;
};

struct ConfigurationLoad {
    int inserted = 0;
    std::string error;  // German, names the line; empty on success
    bool ok() const { return error.empty(); }
};

// Clears the document and inserts the elements the lines describe. A bad line ends loading with
// a message naming it; the elements inserted until then stay.
ConfigurationLoad loadConfiguration(const LineList& lines, PrintDocument& document,
                                    ConfigurationInserter& inserter);
// Reads the file first: an unreadable file changes nothing.
ConfigurationLoad loadConfigurationFile(const std::filesystem::path& path, PrintDocument& document,
                                        ConfigurationInserter& inserter);

}  // namespace volmira
