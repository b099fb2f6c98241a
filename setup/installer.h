#pragma once
// The installer's one pass: read the description, choose the folder (again while space is
// short), copy, make the Start-menu entries, report completion. The windows and the operating
// system are passed in, so the whole pass runs in tests without either.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "copy_engine.h"
#include "install_description.h"

namespace setup {

class InstallerUi : public CopyObserver {
  public:
    // An error box with `message`; the run ends after it.
    virtual void fail(const std::string& message) = 0;
    virtual void showBackground(const std::string& product) = 0;
    // The target folder dialog; nullopt when the user ended the installation.
    virtual std::optional<std::string> askTargetFolder(const std::string& product,
                                                       const std::string& proposal) = 0;
    // The free-space warning: true (OK) to choose again, false (Cancel) to end.
    virtual bool retryAfterSpaceShortage() = 0;
    // Shows the progress dialog; returns the pixels the bar grows over the whole copy.
    virtual int showProgress(const std::string& product, const std::string& targetFolder) = 0;
    // Closes the progress dialog and shows the completion dialog until it is confirmed.
    virtual void showCompletion(const std::string& product, const std::string& targetFolder) = 0;
};

// Bytes available on the folder's file system; nullopt when that cannot be known (the check
// then passes).
using FreeSpaceQuery = std::function<std::optional<std::uint64_t>(const std::filesystem::path&)>;

struct InstallerSystem {
    std::filesystem::path sourceFolder;  // where data.stp and the files are
    std::string programFiles;
    std::filesystem::path programsMenu;
    FreeSpaceQuery freeSpace;
};

enum class InstallResult { Completed, Ended };

// Asks for a folder until one has room for `total` bytes; creates it. The folder ends with
// "/"; nullopt when the user ended the installation.
std::optional<std::string> chooseTargetFolder(const std::string& product, std::string proposal,
                                              std::uint64_t total, const FreeSpaceQuery& freeSpace,
                                              InstallerUi& ui);

InstallResult runInstaller(const InstallerSystem& system, InstallerUi& ui);

}  // namespace setup
