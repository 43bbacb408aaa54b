// The atomic write on POSIX: a temporary without a name where the system allows one.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>  // kill
#include <cstring>
#include <string>
#include <system_error>
#include <utility>

#include "util/atomic_write_system.h"

namespace velnix {
namespace {

std::string ProcFdPath(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

// Durability of the rename after a power cut; the file is written either way.
void SyncDirectory(const std::filesystem::path& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

class PosixTemporaryFile final : public TemporaryFile {
  public:
    PosixTemporaryFile(std::filesystem::path target, TemporaryNaming naming)
        : TemporaryFile(std::move(target)), naming_(naming) {}
    ~PosixTemporaryFile() override;

    OsError Open() override;
    bool Write(std::string_view block) override;
    OsError Finish() override;
    OsError Replace() override;

  private:
    TemporaryNaming naming_;
    int fd_ = -1;
    std::size_t written_ = 0;
    std::size_t started_ = 0;  // the disk has been asked to write everything before
};

PosixTemporaryFile::~PosixTemporaryFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!name_.empty()) {
        ::unlink(name_.c_str());
        ForgetTemporary(name_);
    }
}

OsError PosixTemporaryFile::Open() {
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return EISDIR;  // what the rename at the end would say, before anything is written
    }
    const bool replaces = exists && S_ISREG(existing.st_mode);
#ifdef O_TMPFILE
    // Without a name nothing is left when the process is killed. It is named at the end
    // through /proc; a file system without O_TMPFILE, or no /proc, gets a named temporary.
    if (naming_ == TemporaryNaming::UnnamedWherePossible) {
        fd_ = ::open(DirectoryOf(target_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ >= 0 && ::access(ProcFdPath(fd_).c_str(), F_OK) != 0) {
            ::close(std::exchange(fd_, -1));
        }
    }
#endif
    if (fd_ < 0) {
        name_ = NameTemporary(target_);
        fd_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            return NameGone(LastOsError());
        }
    }
    if (replaces && ::fchmod(fd_, existing.st_mode & 07777) != 0) {
        return LastOsError();
    }
    return 0;
}

bool PosixTemporaryFile::Write(std::string_view block) {
    while (!block.empty() && error_ == 0) {
        const ssize_t written = ::write(fd_, block.data(), block.size());
        if (written >= 0) {
            block.remove_prefix(static_cast<std::size_t>(written));
            written_ += static_cast<std::size_t>(written);
        } else if (errno != EINTR) {
            error_ = LastOsError();
        }
    }
#ifdef SYNC_FILE_RANGE_WRITE
    // The disk starts on what is written while the rest is composed, so that the sync at the
    // end waits for little more than the last part.
    constexpr std::size_t kSyncStep = 8 << 20;
    if (written_ - started_ >= kSyncStep) {
        ::sync_file_range(fd_, static_cast<off_t>(started_),
                          static_cast<off_t>(written_ - started_), SYNC_FILE_RANGE_WRITE);
        started_ = written_;
    }
#endif
    return error_ == 0;
}

OsError PosixTemporaryFile::Finish() {
    if (::fsync(fd_) != 0 && errno != EINVAL) {
        return LastOsError();
    }
    if (name_.empty()) {
        name_ = NameTemporary(target_);
        if (::linkat(AT_FDCWD, ProcFdPath(fd_).c_str(), AT_FDCWD, name_.c_str(),
                     AT_SYMLINK_FOLLOW) != 0) {
            return NameGone(LastOsError());
        }
    }
    if (::close(std::exchange(fd_, -1)) != 0) {
        return LastOsError();
    }
    return 0;
}

OsError PosixTemporaryFile::Replace() {
    if (::rename(name_.c_str(), target_.c_str()) != 0) {
        return LastOsError();
    }
    NameGone(0);
    SyncDirectory(DirectoryOf(target_));
    return 0;
}

}  // namespace

std::unique_ptr<TemporaryFile> TemporaryFile::Beside(std::filesystem::path target,
                                                     TemporaryNaming naming) {
    return std::make_unique<PosixTemporaryFile>(std::move(target), naming);
}

std::optional<std::filesystem::path> ThroughLinks(const std::filesystem::path& start) {
    std::filesystem::path path = start;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) {
            return path;
        }
        const std::filesystem::path link = std::filesystem::read_symlink(path, ec);
        if (ec) {
            return path;
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return std::nullopt;
}

unsigned long CurrentProcessId() {
    return static_cast<unsigned long>(::getpid());
}

const unsigned long long kLargestProcessId = INT_MAX;

// A process of another user answers EPERM: it runs.
bool ProcessRuns(unsigned long id) {
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno != ESRCH;
}

// A working folder may hold a hundred thousand files: their names are compared as the system
// gives them, without making a path of each.
std::vector<std::filesystem::path> EntriesStartingWith(const std::filesystem::path& folder,
                                                       const std::filesystem::path& prefix) {
    std::vector<std::filesystem::path> names;
    DIR* const dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return names;
    }
    const std::string& start = prefix.native();
    while (const dirent* const entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, start.c_str(), start.size()) == 0) {
            names.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    return names;
}

void RemoveFileNow(const std::filesystem::path::value_type* name) noexcept {
    ::unlink(name);
}

}  // namespace velnix
