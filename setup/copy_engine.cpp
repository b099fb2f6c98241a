#include "copy_engine.h"

#include <cmath>
#include <fstream>
#include <system_error>

#include "path_rules.h"

namespace fs = std::filesystem;

namespace setup {
namespace {

enum class FileResult { Copied, Failed, Cancelled };

class FileCopier {
  public:
    FileCopier(const CopyJob& job, CopyObserver& observer) : job_(job), observer_(observer) {}

    CopyOutcome run() {
        for (const std::string& file : job_.files) {
            const std::uint64_t copiedBefore = copied_;
            for (;;) {
                copied_ = copiedBefore;
                const FileResult result = copyOne(file);
                if (result == FileResult::Copied) break;
                if (result == FileResult::Cancelled) return CopyOutcome::Cancelled;
                const CopyErrorChoice choice = observer_.copyError(file);
                if (choice == CopyErrorChoice::Abort) return CopyOutcome::Aborted;
                if (choice == CopyErrorChoice::Ignore) break;
            }
        }
        return CopyOutcome::Done;
    }

  private:
    FileResult copyOne(const std::string& file) {
        const fs::path source = job_.sourceFolder / file;
        const fs::path target = fs::path(job_.targetFolder + file);
        fs::path temporary = target;
        temporary += ".part";
        observer_.fileStarted(file, target.string());
        if (!moveEdge()) return FileResult::Cancelled;

        std::error_code error;
        std::ifstream in(source, std::ios::binary);
        if (!in || !fs::is_regular_file(source, error)) return FileResult::Failed;
        createFolderChain(target.parent_path());
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return FileResult::Failed;

        const FileResult result = copyBytes(*in.rdbuf(), *out.rdbuf());
        out.close();
        if (result == FileResult::Copied && out) {
            fs::permissions(temporary, fs::status(source, error).permissions(), error);
            fs::rename(temporary, target, error);
            if (!error) return FileResult::Copied;
        }
        fs::remove(temporary, error);
        return result == FileResult::Cancelled ? FileResult::Cancelled : FileResult::Failed;
    }

    FileResult copyBytes(std::streambuf& in, std::streambuf& out) {
        for (int c = in.sbumpc(); c != std::char_traits<char>::eof(); c = in.sbumpc()) {
            if (out.sputc(static_cast<char>(c)) == std::char_traits<char>::eof())
                return FileResult::Failed;
            ++copied_;
            if (!moveEdge()) return FileResult::Cancelled;
        }
        return FileResult::Copied;
    }

    // Reports the edge only when it moved; false when the observer stops the copy.
    bool moveEdge() {
        const int edge = barEdge(copied_, job_.total, job_.barSpan);
        if (edge == edge_) return true;
        edge_ = edge;
        return observer_.barMoved(edge);
    }

    const CopyJob& job_;
    CopyObserver& observer_;
    std::uint64_t copied_ = 0;
    int edge_ = 0;
};

}  // namespace

std::uint64_t totalSize(const std::vector<std::string>& files, const fs::path& sourceFolder) {
    std::uint64_t total = 0;
    for (const std::string& file : files) {
        const fs::path path = sourceFolder / file;
        std::error_code error;
        if (!std::ifstream(path, std::ios::binary) || !fs::is_regular_file(path, error)) continue;
        const std::uintmax_t size = fs::file_size(path, error);
        if (!error) total += size;
    }
    return total;
}

int barEdge(std::uint64_t copied, std::uint64_t total, int span) {
    if (total == 0) return 0;
    return static_cast<int>(
        std::lround(static_cast<double>(copied) / static_cast<double>(total) * span));
}

CopyOutcome copyFiles(const CopyJob& job, CopyObserver& observer) {
    return FileCopier(job, observer).run();
}

}  // namespace setup
