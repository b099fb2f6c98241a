#pragma once
// Copies the listed files into the target folder, one byte at a time, reporting the progress
// bar's edge and asking what to do when a file cannot be copied.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace setup {

enum class CopyErrorChoice { Abort, Retry, Ignore };
enum class CopyOutcome { Done, Aborted, Cancelled };

class CopyObserver {
  public:
    virtual ~CopyObserver() = default;
    // `source` as listed, `target` the full target path.
    virtual void fileStarted(const std::string& source, const std::string& target) = 0;
    // The bar's right edge moved to `edge` pixels from its left edge. False stops the copy.
    virtual bool barMoved(int edge) = 0;
    virtual CopyErrorChoice copyError(const std::string& file) = 0;
};

struct CopyJob {
    std::filesystem::path sourceFolder;
    std::string targetFolder;  // ends with "/"
    std::vector<std::string> files;
    std::uint64_t total = 0;  // the sum of totalSize()
    int barSpan = 0;          // pixels the bar grows over the whole copy
};

// The sum of the sizes of the files that can be opened; the others count 0.
std::uint64_t totalSize(const std::vector<std::string>& files,
                        const std::filesystem::path& sourceFolder);

// The bar's edge after `copied` of `total` bytes.
int barEdge(std::uint64_t copied, std::uint64_t total, int span);

// Each file is written under a temporary name beside its target and renamed when complete,
// with the source's permissions, so that a stopped copy never leaves a truncated file under
// the real name. Missing folders of a file's path are created.
CopyOutcome copyFiles(const CopyJob& job, CopyObserver& observer);

}  // namespace setup
