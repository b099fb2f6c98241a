#include "schematic/recent_files.h"

#include <algorithm>
#include <vector>

namespace volmira {

void RecentFiles::setEntries(std::span<const std::string> paths) {
    entries_.fill(std::string());
    const std::size_t count = std::min<std::size_t>(paths.size(), kRecentFileCount);
    std::copy(paths.end() - static_cast<std::ptrdiff_t>(count), paths.end(),
              entries_.end() - static_cast<std::ptrdiff_t>(count));
}

void RecentFiles::add(const std::string& path) {
    if (path.empty()) return;
    // Every earlier copy goes (the settings file may hold one twice), the path becomes the newest
    // entry and the oldest drop out beyond five.
    std::vector<std::string> list;
    for (const std::string& entry : entries_)
        if (entry != path) list.push_back(entry);
    list.push_back(path);
    setEntries(list);
}

const std::string& RecentFiles::pathOfSlot(int slot) const {
    static const std::string kNone;
    if (slot < 1 || slot > kRecentFileCount) return kNone;
    return entries_[static_cast<std::size_t>(kRecentFileCount - slot)];
}

std::string RecentFiles::captionOfSlot(int slot) const {
    return recentFileCaption(pathOfSlot(slot));
}

std::string recentFileCaption(std::string_view path) {
    constexpr std::string_view kSeparators = "\\/";
    const std::size_t nameStart = path.find_last_of(kSeparators);
    if (nameStart == std::string_view::npos || nameStart == 0) return std::string(path);
    const std::size_t folderStart = path.find_last_of(kSeparators, nameStart - 1);
    if (folderStart == std::string_view::npos || folderStart == 0) return std::string(path);
    return "\xE2\x80\xA6" + std::string(path.substr(folderStart));
}

}  // namespace volmira
