// The atomic write on Windows: a named temporary that the handler of Ctrl+C can remove.
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "util/atomic_write_system.h"

namespace velnix {
namespace {

class WindowsTemporaryFile final : public TemporaryFile {
  public:
    explicit WindowsTemporaryFile(std::filesystem::path target)
        : TemporaryFile(std::move(target)) {}
    ~WindowsTemporaryFile() override;

    OsError Open() override;
    bool Write(std::string_view block) override;
    OsError Finish() override;
    OsError Replace() override;

  private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

WindowsTemporaryFile::~WindowsTemporaryFile() {
    if (file_ != INVALID_HANDLE_VALUE) {
        CloseHandle(file_);
    }
    if (!name_.empty()) {
        DeleteFileW(name_.c_str());
        ForgetTemporary(name_);
    }
}

OsError WindowsTemporaryFile::Open() {
    // What the move at the end would say, before anything is written.
    const DWORD existing = GetFileAttributesW(target_.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES &&
        (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        return ERROR_ACCESS_DENIED;
    }
    name_ = NameTemporary(target_);
    // Shared for deleting, so that the handler of Ctrl+C can remove it while it is open.
    file_ = CreateFileW(name_.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file_ == INVALID_HANDLE_VALUE) {
        return NameGone(GetLastError());
    }
    return 0;
}

bool WindowsTemporaryFile::Write(std::string_view block) {
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

OsError WindowsTemporaryFile::Finish() {
    if (!FlushFileBuffers(file_)) {
        return GetLastError();
    }
    if (!CloseHandle(std::exchange(file_, INVALID_HANDLE_VALUE))) {
        return GetLastError();
    }
    return 0;
}

OsError WindowsTemporaryFile::Replace() {
    if (!MoveFileExW(name_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return GetLastError();
    }
    return NameGone(0);
}

}  // namespace

// Windows has no file without a name: every temporary is named from the start.
std::unique_ptr<TemporaryFile> TemporaryFile::Beside(std::filesystem::path target,
                                                     TemporaryNaming /*naming*/) {
    return std::make_unique<WindowsTemporaryFile>(std::move(target));
}

// A link whose target is missing is replaced; a loop of links is Windows' to refuse.
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

unsigned long CurrentProcessId() {
    return GetCurrentProcessId();
}

const unsigned long long kLargestProcessId = 0xFFFFFFFFu;

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

// The system picks the names: a folder of many files is not listed whole.
std::vector<std::filesystem::path> EntriesStartingWith(const std::filesystem::path& folder,
                                                       const std::filesystem::path& prefix) {
    std::vector<std::filesystem::path> names;
    const std::filesystem::path pattern = folder / (prefix.native() + L"*");
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        names.emplace_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void RemoveFileNow(const std::filesystem::path::value_type* name) noexcept {
    DeleteFileW(name);
}

}  // namespace velnix
