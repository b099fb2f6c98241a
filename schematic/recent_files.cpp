#include "schematic/recent_files.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "schematic/text_file.h"

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

std::string RecentFiles::captionOfSlot(int slot) const { return recentFileCaption(pathOfSlot(slot)); }

std::string recentFileCaption(std::string_view path) {
    std::string caption(path);
    if (utf8Length(path) >= 17) {
        const std::size_t separator = path.find_last_of("\\/");
        const std::string_view name =
            separator == std::string_view::npos ? path : path.substr(separator + 1);
        caption = utf8Prefix(path, 3) + "..." + std::string(name);
    }
    const std::size_t length = caption.size();
    if (length >= 3) {
        std::string last = caption.substr(length - 3);
        for (char& c : last) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (last == "NWB") {
            // "NWB" and the character before it, normally the full stop.
            caption.erase(length - 3);
            const std::size_t characters = utf8Length(caption);
            caption = utf8Prefix(caption, characters > 0 ? characters - 1 : 0);
        }
    }
    return caption;
}

}  // namespace volmira
