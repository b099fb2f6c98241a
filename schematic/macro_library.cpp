#include "schematic/macro_library.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#include "schematic/text_file.h"

namespace volmira {

namespace {

std::string reasonOf(int error) {
    return std::generic_category().message(error);
}

std::string fileText(const std::filesystem::path& path) {
    return "Die Makrodatei " + messageText(displayPath(path));
}

}  // namespace

MacroLibrary::MacroLibrary(const std::filesystem::path& folder)
    : path_(folder / kMacroFileName), temporary_(folder / kMacroTemporaryFileName) {}

std::string MacroLibrary::createIfMissing() const {
    std::error_code ec;
    if (std::filesystem::exists(path_, ec)) return {};
    std::ofstream out(path_, std::ios::binary);
    out.close();
    if (!out) return fileText(path_) + " kann nicht angelegt werden: " + reasonOf(errno) + ".";
    return {};
}

std::string MacroLibrary::readBytes(std::string& bytes) const {
    // A pipe or a device would keep the reader waiting.
    std::error_code ec;
    if (std::filesystem::exists(path_, ec) && !std::filesystem::is_regular_file(path_, ec))
        return fileText(path_) + " kann nicht gelesen werden: sie ist keine gewöhnliche Datei.";
    std::ifstream in(path_, std::ios::binary);
    if (!in) return fileText(path_) + " kann nicht geöffnet werden: " + reasonOf(errno) + ".";
    bytes.clear();
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxTextFileBytes) return fileText(path_) + " ist zu groß.";
    }
    if (in.bad()) return fileText(path_) + " kann nicht gelesen werden: " + reasonOf(errno) + ".";
    return {};
}

std::string MacroLibrary::reread() {
    std::string bytes;
    const std::string error = readBytes(bytes);
    bytes_ = error.empty() ? std::move(bytes) : std::string();
    listing_ = listMacros(bytes_);
    return error;
}

SymbolList MacroLibrary::load(int number) const {
    if (number < 1 || number > count()) return {};
    return macroEntries(bytes_, listing_.macros[static_cast<std::size_t>(number - 1)]);
}

std::string MacroLibrary::readForChange(std::string& bytes, MacroListing& listing,
                                        int number) const {
    if (std::string error = readBytes(bytes); !error.empty()) return error;
    listing = listMacros(bytes);
    if (number > static_cast<int>(listing.macros.size()) || number < 0)
        return fileText(path_) + " wurde inzwischen verändert; das Makro gibt es nicht mehr.";
    return {};
}

// The new library goes to the temporary file first; the rename over the library is one step.
std::string MacroLibrary::replaceWith(const std::string& bytes) {
    std::error_code ignored;
    {
        std::ofstream out(temporary_, std::ios::binary | std::ios::trunc);
        if (!out)
            return fileText(temporary_) + " kann nicht geschrieben werden: " + reasonOf(errno) +
                   ".";
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            const int error = errno;
            std::filesystem::remove(temporary_, ignored);
            return fileText(temporary_) + " kann nicht geschrieben werden: " + reasonOf(error) +
                   ".";
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary_, path_, ec);
    if (ec) {
        std::filesystem::remove(temporary_, ignored);
        return fileText(path_) + " kann nicht ersetzt werden: " + ec.message() + ".";
    }
    return reread();
}

std::string MacroLibrary::store(const SymbolList& drawing, std::string_view name) {
    if (drawing.empty()) return {};
    if (drawing.size() > kMaxMacroEntries)
        return "Die Zeichnung besteht aus " + std::to_string(drawing.size()) +
               " Elementen; ein Makro kann höchstens " + std::to_string(kMaxMacroEntries) +
               " Elemente aufnehmen. Die Zeichnung wurde nicht als Makro gespeichert.";
    std::string bytes;
    MacroListing listing;
    if (std::string error = readForChange(bytes, listing, 0); !error.empty()) return error;
    // A record behind a damaged one, or behind the last listed one, could never be reached.
    if (listing.damaged) return listing.problem + " Ein neues Makro kann nicht angefügt werden.";
    if (listing.macros.size() >= kMaxListedMacros)
        return fileText(path_) + " enthält bereits " + std::to_string(kMaxListedMacros) +
               " Makros; ein weiteres kann nicht gespeichert werden.";
    bytes += encodeMacroRecord(drawing, storedMacroName(name));
    return replaceWith(bytes);
}

std::string MacroLibrary::rename(int number, std::string_view name) {
    std::string bytes;
    MacroListing listing;
    if (std::string error = readForChange(bytes, listing, number); !error.empty()) return error;
    if (number < 1) return {};
    const MacroRecord& record = listing.macros[static_cast<std::size_t>(number - 1)];
    // A record with a name of another length keeps that length, so nothing behind it moves.
    bytes.replace(record.offset + kMacroHeaderBytes, record.nameLength,
                  storedMacroName(name, record.nameLength));
    return replaceWith(bytes);
}

std::string MacroLibrary::remove(int number) {
    std::string bytes;
    MacroListing listing;
    if (std::string error = readForChange(bytes, listing, number); !error.empty()) return error;
    if (number < 1) return {};
    const MacroRecord& record = listing.macros[static_cast<std::size_t>(number - 1)];
    bytes.erase(record.offset, record.length);
    return replaceWith(bytes);
}

}  // namespace volmira
