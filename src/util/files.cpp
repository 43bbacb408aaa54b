#include "util/files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <system_error>
#include <utility>

#include "util/text.h"
#include "util/unicode.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velnix {

std::filesystem::path ToFsPath(std::u16string_view path) {
#ifdef _WIN32
    return std::filesystem::path(std::wstring(path.begin(), path.end()));
#else
    return std::filesystem::path(Utf16ToUtf8(path));
#endif
}

std::u16string FromFsPath(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::wstring& wide = path.native();
    return std::u16string(wide.begin(), wide.end());
#else
    return Utf8ToUtf16(path.native());
#endif
}

bool DirExists(std::u16string_view path) {
    if (path.empty()) {
        return false;
    }
    std::error_code ec;
    return std::filesystem::is_directory(ToFsPath(path), ec);
}

bool FileExists(std::u16string_view path) {
    if (path.empty()) {
        return false;
    }
    std::error_code ec;
    const auto length = std::filesystem::file_size(ToFsPath(path), ec);
    return !ec && length != static_cast<std::uintmax_t>(-1);
}

std::u16string JoinPath(std::u16string_view directory, std::u16string_view fileName) {
    std::u16string joined(directory);
    if (joined.empty() || joined.back() != kDirSeparator) {
        joined.push_back(kDirSeparator);
    }
    joined.append(fileName);
    return joined;
}

namespace {

using NativeText = std::filesystem::path::string_type;

#ifdef _WIN32
using OsError = DWORD;
constexpr OsError kContentStopped = ERROR_CANCELLED;
constexpr OsError kLinkLoop = ERROR_CANT_RESOLVE_FILENAME;

OsError LastOsError() {
    return GetLastError();
}

std::u16string Reason(OsError error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
            return u"Zugriff verweigert (keine Schreib- oder Leserechte)";
        case ERROR_FILE_NOT_FOUND:
            return u"die Datei gibt es nicht";
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
            return u"das Verzeichnis gibt es nicht";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return u"der Datenträger ist voll";
        case ERROR_WRITE_PROTECT:
            return u"der Datenträger ist schreibgeschützt";
        case ERROR_NOT_READY:
            return u"das Laufwerk ist nicht bereit";
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return u"die Datei ist von einem anderen Programm geöffnet";
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
            return u"der Pfad ist ungültig";
        case ERROR_FILENAME_EXCED_RANGE:
            return u"der Pfad ist zu lang";
        case kContentStopped:
            return u"der Inhalt konnte nicht vollständig erzeugt werden";
        case kLinkLoop:
            return u"zu viele symbolische Verknüpfungen hintereinander";
        default:
            return u"Systemfehler " + DecimalText(error);
    }
}

unsigned long CurrentProcessId() {
    return GetCurrentProcessId();
}

constexpr unsigned long long kLargestProcessId = 0xFFFFFFFFu;

// A process that cannot be opened for lack of rights still runs.
bool ProcessRuns(unsigned long id) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (process == nullptr) {
        return GetLastError() != ERROR_INVALID_PARAMETER;
    }
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}
#else
using OsError = int;
constexpr OsError kContentStopped = ECANCELED;
constexpr OsError kLinkLoop = ELOOP;

OsError LastOsError() {
    return errno;
}

std::u16string Reason(OsError error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return u"Zugriff verweigert (keine Schreib- oder Leserechte)";
        case ENOENT:
            return u"die Datei oder das Verzeichnis gibt es nicht";
        case ENOTDIR:
            return u"das Verzeichnis gibt es nicht";
        case ENOSPC:
        case EDQUOT:
            return u"der Datenträger ist voll";
        case EROFS:
            return u"der Datenträger ist schreibgeschützt";
        case EISDIR:
            return u"an dieser Stelle steht ein Verzeichnis";
        case ENAMETOOLONG:
            return u"der Pfad ist zu lang";
        case kContentStopped:
            return u"der Inhalt konnte nicht vollständig erzeugt werden";
        case kLinkLoop:
            return u"zu viele symbolische Verknüpfungen hintereinander";
        default:
            return Utf8ToUtf16(std::strerror(error));
    }
}

unsigned long CurrentProcessId() {
    return static_cast<unsigned long>(::getpid());
}

constexpr unsigned long long kLargestProcessId = INT_MAX;

// A process of another user answers EPERM: it runs.
bool ProcessRuns(unsigned long id) {
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno != ESRCH;
}
#endif

std::u16string WriteError(const std::filesystem::path& path, OsError error) {
    return u"Fehler : Die Datei \"" + FromFsPath(path) + u"\" konnte nicht geschrieben werden: " +
           Reason(error) + u".";
}

std::u16string ReadError(const std::filesystem::path& path, OsError error) {
    return u"Fehler : Die Datei \"" + FromFsPath(path) + u"\" konnte nicht gelesen werden: " +
           Reason(error) + u".";
}

std::filesystem::path DirectoryOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// Temporaries are named "<target>.velnix-<process id>-<number>.tmp": the process id tells a
// later write whether the writer still runs, and no other running process can pick the name.
constexpr char kTemporaryMark[] = ".velnix-";
constexpr char kTemporaryEnd[] = ".tmp";

std::filesystem::path TemporaryName(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path name = target;
    name += kTemporaryMark + std::to_string(CurrentProcessId()) + "-" + std::to_string(counter++) +
            kTemporaryEnd;
    return name;
}

// Reads the digits at `at`, at most ten of them; nothing when there are none.
std::optional<unsigned long long> NumberAt(const NativeText& text, std::size_t& at) {
    unsigned long long value = 0;
    const std::size_t start = at;
    for (; at < text.size() && at - start < 10 && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + static_cast<unsigned>(text[at] - '0');
    }
    return at > start ? std::optional(value) : std::nullopt;
}

// The id of the process that wrote the temporary named `name`, if it is one of a target whose
// temporaries start with `prefix`.
std::optional<unsigned long> TemporaryWriter(const NativeText& name, const NativeText& prefix) {
    if (name.compare(0, prefix.size(), prefix) != 0) {
        return std::nullopt;
    }
    std::size_t at = prefix.size();
    const auto process = NumberAt(name, at);
    if (!process || *process == 0 || *process > kLargestProcessId || at == name.size() ||
        name[at] != '-') {
        return std::nullopt;
    }
    ++at;
    if (!NumberAt(name, at) || name.substr(at) != std::filesystem::path(kTemporaryEnd).native()) {
        return std::nullopt;
    }
    return static_cast<unsigned long>(*process);
}

// Removes the target's temporaries whose writers were killed; one that a running process is
// still writing stays. What cannot be removed stays for a later write: the file is written.
void RemoveLeftovers(const std::filesystem::path& target) {
    std::filesystem::path prefix = target.filename();
    prefix += kTemporaryMark;
    std::error_code ec;
    for (std::filesystem::directory_iterator entry(DirectoryOf(target), ec), end;
         !ec && entry != end; entry.increment(ec)) {
        const NativeText name = entry->path().filename().native();
        const auto writer = TemporaryWriter(name, prefix.native());
        if (writer && !ProcessRuns(*writer)) {
            std::error_code ignored;
            std::filesystem::remove(entry->path(), ignored);
        }
    }
}

// The name of the named temporary in progress, for RemoveUnfinishedTemporary: a fixed buffer
// and a lock-free flag, since a signal handler may read them at any moment.
std::filesystem::path::value_type unfinishedName[4096];
std::atomic<bool> unfinishedArmed{false};

void Arm(const std::filesystem::path& temporary) {
    unfinishedArmed = false;
    const NativeText& name = temporary.native();
    if (name.size() < std::size(unfinishedName)) {  // a longer one is left to a later write
        std::copy(name.begin(), name.end(), unfinishedName);
        unfinishedName[name.size()] = 0;
        unfinishedArmed = true;
    }
}

void Disarm() {
    unfinishedArmed = false;
}

// The temporary file of one write: created beside the target, filled through the sink, then
// renamed over the target or removed.
class TemporaryFile final : public BlockSink {
  public:
    explicit TemporaryFile(std::filesystem::path target) : target_(std::move(target)) {}
    ~TemporaryFile() override;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    OsError Open();
    bool Write(std::string_view block) override;
    // Flushes the file to the disk and renames it over the target.
    OsError Commit();
    OsError error() const { return error_; }

  private:
    // Gives the temporary its name; a leftover of that name can only be a killed process's
    // that had the same id, so it goes.
    void Name() {
        name_ = TemporaryName(target_);
#ifdef _WIN32
        DeleteFileW(name_.c_str());
#else
        ::unlink(name_.c_str());
#endif
        Arm(name_);
    }

    std::filesystem::path target_;
    std::filesystem::path name_;  // empty while the file has no name
#ifdef _WIN32
    HANDLE file_ = INVALID_HANDLE_VALUE;
#else
    int fd_ = -1;
    std::size_t written_ = 0;
    std::size_t started_ = 0;  // the disk has been asked to write everything before
#endif
    OsError error_ = 0;
};

#ifdef _WIN32

TemporaryFile::~TemporaryFile() {
    if (file_ != INVALID_HANDLE_VALUE) {
        CloseHandle(file_);
    }
    if (!name_.empty()) {
        DeleteFileW(name_.c_str());
        Disarm();
    }
}

OsError TemporaryFile::Open() {
    Name();
    // Shared for deleting, so that the handler of Ctrl+C can remove it while it is open.
    file_ = CreateFileW(name_.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file_ == INVALID_HANDLE_VALUE) {
        const OsError error = GetLastError();
        Disarm();
        name_.clear();
        return error;
    }
    return 0;
}

bool TemporaryFile::Write(std::string_view block) {
    while (!block.empty() && error_ == 0) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(block.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file_, block.data(), chunk, &written, nullptr)) {
            error_ = GetLastError();
        } else if (written == 0) {
            error_ = ERROR_WRITE_FAULT;
        }
        block.remove_prefix(written);
    }
    return error_ == 0;
}

OsError TemporaryFile::Commit() {
    if (!FlushFileBuffers(file_)) {
        return GetLastError();
    }
    if (!CloseHandle(std::exchange(file_, INVALID_HANDLE_VALUE))) {
        return GetLastError();
    }
    if (!MoveFileExW(name_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return GetLastError();
    }
    Disarm();
    name_.clear();
    return 0;
}

// The file that the path finally names: a symbolic link is followed to its target, the way
// editors save through links. A link whose target is missing is replaced.
std::optional<std::filesystem::path> ThroughLinks(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return path;
    }
    const HANDLE file =
        CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return path;
    }
    std::wstring finalPath(32768, L'\0');
    const DWORD length =
        GetFinalPathNameByHandleW(file, &finalPath[0], static_cast<DWORD>(finalPath.size()),
                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= finalPath.size()) {
        return path;
    }
    finalPath.resize(length);
    return std::filesystem::path(finalPath);
}

#else

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

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
    if (!name_.empty()) {
        ::unlink(name_.c_str());
        Disarm();
    }
}

OsError TemporaryFile::Open() {
    struct stat existing {};
    const bool replaces = ::stat(target_.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
#ifdef O_TMPFILE
    // Without a name nothing is left when the process is killed. It is named at the end
    // through /proc; a file system without O_TMPFILE, or no /proc, gets a named temporary.
    fd_ = ::open(DirectoryOf(target_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ >= 0 && ::access(ProcFdPath(fd_).c_str(), F_OK) != 0) {
        ::close(std::exchange(fd_, -1));
    }
#endif
    if (fd_ < 0) {
        Name();
        fd_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            const OsError error = errno;
            Disarm();
            name_.clear();
            return error;
        }
    }
    if (replaces && ::fchmod(fd_, existing.st_mode & 07777) != 0) {
        return errno;
    }
    return 0;
}

bool TemporaryFile::Write(std::string_view block) {
    while (!block.empty() && error_ == 0) {
        const ssize_t written = ::write(fd_, block.data(), block.size());
        if (written >= 0) {
            block.remove_prefix(static_cast<std::size_t>(written));
            written_ += static_cast<std::size_t>(written);
        } else if (errno != EINTR) {
            error_ = errno;
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

OsError TemporaryFile::Commit() {
    if (::fsync(fd_) != 0 && errno != EINVAL) {
        return errno;
    }
    if (name_.empty()) {
        Name();
        if (::linkat(AT_FDCWD, ProcFdPath(fd_).c_str(), AT_FDCWD, name_.c_str(),
                     AT_SYMLINK_FOLLOW) != 0) {
            const OsError error = errno;
            Disarm();
            name_.clear();
            return error;
        }
    }
    if (::close(std::exchange(fd_, -1)) != 0) {
        return errno;
    }
    if (::rename(name_.c_str(), target_.c_str()) != 0) {
        return errno;
    }
    Disarm();
    name_.clear();
    SyncDirectory(DirectoryOf(target_));
    return 0;
}

// The file that the path finally names: a symbolic link is followed to its target, the way
// editors save through links. Nothing for a loop of links.
std::optional<std::filesystem::path> ThroughLinks(std::filesystem::path path) {
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

#endif

}  // namespace

FileRead ReadFileInBlocks(const std::filesystem::path& path,
                          const std::function<bool(std::string_view block)>& take) {
    FileRead result;
#ifdef _WIN32
    std::FILE* file = _wfopen(path.c_str(), L"rb");
#else
    std::FILE* file = std::fopen(path.c_str(), "rb");
#endif
    if (file == nullptr) {
        const OsError error = LastOsError();
#ifdef _WIN32
        // A folder on the way that is not there yet (the user's data folder before the first
        // save) means no file, as ENOENT does on POSIX.
        result.missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
#else
        result.missing = error == ENOENT;
#endif
        result.error = ReadError(path, error);
        return result;
    }
    char buffer[1 << 16];
    std::size_t count = 0;
    bool taken = true;
    while (taken && (count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        taken = take(std::string_view(buffer, count));
    }
    const bool failed = std::ferror(file) != 0;
    const OsError error = LastOsError();  // before fclose can change it
    std::fclose(file);
    if (failed) {
        result.error = ReadError(path, error);
        return result;
    }
    result.ok = taken;
    return result;
}

FileRead ReadWholeFile(const std::filesystem::path& path) {
    std::string bytes;
    // The size is a hint only (the file may change meanwhile); it saves copies while growing.
    std::error_code ec;
    const auto sizeHint = std::filesystem::file_size(path, ec);
    if (!ec) {
        bytes.reserve(static_cast<std::size_t>(sizeHint));
    }
    FileRead result = ReadFileInBlocks(path, [&bytes](std::string_view block) {
        bytes.append(block);
        return true;
    });
    if (result.ok) {
        result.bytes = std::move(bytes);
    }
    return result;
}

Status WriteFileAtomically(const std::filesystem::path& path, const FileContent& content) {
    const std::optional<std::filesystem::path> target = ThroughLinks(path);
    if (!target) {
        return Status::Failure(WriteError(path, kLinkLoop));
    }
    OsError error = 0;
    {
        TemporaryFile file(*target);
        error = file.Open();
        if (error == 0 && (!content(file) || file.error() != 0)) {
            error = file.error() != 0 ? file.error() : kContentStopped;
        }
        if (error == 0) {
            error = file.Commit();
        }
    }
    if (error != 0) {
        return Status::Failure(WriteError(path, error));
    }
    RemoveLeftovers(*target);
    return Status::Success();
}

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return WriteFileAtomically(path, [bytes](BlockSink& file) { return file.Write(bytes); });
}

void RemoveUnfinishedTemporary() noexcept {
    if (unfinishedArmed) {
#ifdef _WIN32
        DeleteFileW(unfinishedName);
#else
        ::unlink(unfinishedName);
#endif
    }
}

}  // namespace velnix
