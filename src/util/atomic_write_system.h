// What an atomic write needs from the system: atomic_write_posix.cpp or _windows.cpp.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "util/atomic_write.h"
#include "util/block_sink.h"
#include "util/os_error.h"

namespace velnix {

// The temporary file of one write: created beside the target, filled through the sink, then
// renamed over the target or, when it is destroyed before, removed.
class TemporaryFile : public BlockSink {
  public:
    // Nothing is created before Open.
    static std::unique_ptr<TemporaryFile> Beside(std::filesystem::path target,
                                                 TemporaryNaming naming);
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Creates the temporary; fails at once when the target cannot be replaced by a file.
    virtual OsError Open() = 0;
    // Flushes the file to the disk and closes it, with a name.
    virtual OsError Finish() = 0;
    // Renames the finished file over the target.
    virtual OsError Replace() = 0;
    // The first error of Write.
    OsError error() const { return error_; }

  protected:
    explicit TemporaryFile(std::filesystem::path target) : target_(std::move(target)) {}

    // The temporary has no name any more: it failed to get one, or became the target. Passes
    // on the call's result.
    OsError NameGone(OsError result);

    std::filesystem::path target_;
    std::filesystem::path name_;  // empty while the file has no name
    OsError error_ = 0;
};

// The file that the path finally names: a symbolic link is followed to its target, the way
// editors save through links. Nothing for a loop of links.
std::optional<std::filesystem::path> ThroughLinks(const std::filesystem::path& path);

unsigned long CurrentProcessId();
extern const unsigned long long kLargestProcessId;
// A process that the system does not let us see still runs.
bool ProcessRuns(unsigned long id);

// The names of the folder's entries that start with `prefix`.
std::vector<std::filesystem::path> EntriesStartingWith(const std::filesystem::path& folder,
                                                       const std::filesystem::path& prefix);

// Makes only calls that are safe in a signal handler.
void RemoveFileNow(const std::filesystem::path::value_type* name) noexcept;

// From atomic_write.cpp, for the temporaries of both systems:
std::filesystem::path DirectoryOf(const std::filesystem::path& file);
// A new name for a temporary of the target; a leftover of that name can only be a killed
// process's that had the same id, so it goes. RemoveUnfinishedTemporary removes the file of
// that name until ForgetTemporary.
std::filesystem::path NameTemporary(const std::filesystem::path& target);
void ForgetTemporary(const std::filesystem::path& temporary);

}  // namespace velnix
