#pragma once
// The macro library file in the program folder: listing, loading, storing, renaming and deleting
// macros. Every change writes the whole new library to "zwi.mkr" and renames it over
// "makrosb.mkr" in one step, so a failure in between never loses the library.
#include <filesystem>
#include <string>
#include <string_view>

#include "schematic/macro_file.h"

namespace volmira {

class MacroLibrary {
  public:
    explicit MacroLibrary(const std::filesystem::path& folder);

    const std::filesystem::path& path() const { return path_; }

    // Each returns a German message naming the problem, empty on success. A change is made on
    // the library as it is on disk now and is followed by a fresh listing.

    // Creates an empty library when there is none.
    std::string createIfMissing() const;
    // Reads the file and lists its macros; a malformed record is named in the listing's problem.
    std::string reread();
    // Appends the drawing (1 to kMaxMacroEntries entries) under the name.
    std::string store(const SymbolList& drawing, std::string_view name);
    // Writes the trimmed name, padded with blanks, over the name bytes of macro `number` (1..).
    std::string rename(int number, std::string_view name);
    // Leaves macro `number` (1..) out of the library.
    std::string remove(int number);

    const MacroListing& listing() const { return listing_; }
    int count() const { return static_cast<int>(listing_.macros.size()); }
    // The entries of macro `number` (1..count()) as last read; empty for other numbers.
    SymbolList load(int number) const;

  private:
    std::string readBytes(std::string& bytes) const;
    std::string replaceWith(const std::string& bytes);
    // Reads the library for a change of macro `number` (0: none named).
    std::string readForChange(std::string& bytes, MacroListing& listing, int number) const;

    std::filesystem::path path_;
    std::filesystem::path temporary_;
    std::string bytes_;
    MacroListing listing_;
};

}  // namespace volmira
