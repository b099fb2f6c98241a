#include "installer.h"

#include <fstream>

#include "desktop_entry.h"
#include "path_rules.h"
#include "texts.h"

namespace setup {
namespace {

bool createShortcuts(const InstallDescription& d, const std::string& targetFolder,
                     const std::filesystem::path& programsMenu) {
    const std::filesystem::path group = programsMenu / d.group;
    if (!createFolderChain(group)) return false;
    for (const Shortcut& s : d.shortcuts) {
        if (!writeDesktopEntry(group, s.name, targetFolder + s.target, targetFolder)) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> chooseTargetFolder(const std::string& product, std::string proposal,
                                              std::uint64_t total, const FreeSpaceQuery& freeSpace,
                                              InstallerUi& ui) {
    for (;;) {
        const std::optional<std::string> chosen = ui.askTargetFolder(product, proposal);
        if (!chosen) return std::nullopt;
        // An emptied field would name the root folder: the proposal is offered again.
        if (chosen->find_first_not_of(" \t") == std::string::npos) continue;
        // Relative to where setup was started; the Start-menu entries need the whole path.
        proposal = withTrailingSeparator(std::filesystem::absolute(*chosen).string());
        createFolderChain(proposal);
        const std::optional<std::uint64_t> free = freeSpace(proposal);
        if (!free || *free >= total) return proposal;
        if (!ui.retryAfterSpaceShortage()) return std::nullopt;
    }
}

InstallResult runInstaller(const InstallerSystem& system, InstallerUi& ui) {
    std::ifstream file(system.sourceFolder / kDescriptionFileName, std::ios::binary);
    if (!file) {
        ui.fail(kDescriptionMissing);
        return InstallResult::Ended;
    }
    const std::optional<InstallDescription> d = readInstallDescription(file, system.programFiles);
    if (!d) {
        ui.fail(kDescriptionUnreadable);
        return InstallResult::Ended;
    }
    ui.showBackground(d->productName);

    CopyJob job{system.sourceFolder,
                d->targetFolder.empty() ? "" : withTrailingSeparator(d->targetFolder), d->files,
                totalSize(d->files, system.sourceFolder), 0};
    if (job.total > 0) {
        const std::optional<std::string> folder =
            chooseTargetFolder(d->productName, d->targetFolder, job.total, system.freeSpace, ui);
        if (!folder) return InstallResult::Ended;
        job.targetFolder = *folder;
    }

    job.barSpan = ui.showProgress(d->productName, job.targetFolder);
    if (copyFiles(job, ui) != CopyOutcome::Done) return InstallResult::Ended;
    if (!createShortcuts(*d, job.targetFolder, system.programsMenu)) {
        ui.fail(kShortcutsFailed);
        return InstallResult::Ended;
    }
    ui.showCompletion(d->productName, job.targetFolder);
    return InstallResult::Completed;
}

}  // namespace setup
