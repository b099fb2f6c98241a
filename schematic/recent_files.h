#pragma once
// The five most recently used network files, oldest first, and the captions of their buttons
// and menu entries. Display slot k (1..5) shows entry 5 - k, so slot 1 is the newest.
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace volmira {

inline constexpr int kRecentFileCount = 5;

class RecentFiles {
  public:
    const std::array<std::string, kRecentFileCount>& entries() const { return entries_; }
    // Oldest first, as the settings file holds them. Fewer than five leave the oldest places
    // empty; more than five keep the newest five.
    void setEntries(std::span<const std::string> paths);

    // Moves `path` to the newest place without duplicating it; an empty path changes nothing.
    void add(const std::string& path);

    // Slot 1..5; empty for an empty entry or a slot out of range.
    const std::string& pathOfSlot(int slot) const;
    std::string captionOfSlot(int slot) const;

  private:
    std::array<std::string, kRecentFileCount> entries_;
};

// The shortened form of a path: the file name with its folder after "…" ("…/gui/t4.nwb"), the
// whole path when nothing comes before that folder. Either separator counts.
std::string recentFileCaption(std::string_view path);

}  // namespace volmira
