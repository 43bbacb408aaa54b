#include "util/atomic_write.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>

#include "util/atomic_write_system.h"
#include "util/os_error.h"

namespace velnix {
namespace {

using NativeText = std::filesystem::path::string_type;

// Temporaries are named "<target>.velnix-<process id>-<number>.tmp": the process id tells a
// later write whether the writer still runs, and no other running process can pick the name.
constexpr char kTemporaryMark[] = ".velnix-";
constexpr char kTemporaryEnd[] = ".tmp";

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

}  // namespace

std::filesystem::path DirectoryOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

std::filesystem::path NameTemporary(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path name = target;
    name += kTemporaryMark + std::to_string(CurrentProcessId()) + "-" + std::to_string(counter++) +
            kTemporaryEnd;
    RemoveFileNow(name.c_str());
    Arm(name);
    return name;
}

void ForgetTemporary() {
    unfinishedArmed = false;
}

OsError TemporaryFile::NameGone(OsError result) {
    ForgetTemporary();
    name_.clear();
    return result;
}

Status WriteFileAtomically(const std::filesystem::path& path, const FileContent& content) {
    const std::optional<std::filesystem::path> target = ThroughLinks(path);
    if (!target) {
        return Status::Failure(WriteError(path, kLinkLoop));
    }
    OsError error = 0;
    {
        const std::unique_ptr<TemporaryFile> file = TemporaryFile::Beside(*target);
        error = file->Open();
        if (error == 0 && (!content(*file) || file->error() != 0)) {
            error = file->error() != 0 ? file->error() : kContentStopped;
        }
        if (error == 0) {
            error = file->Commit();
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
        RemoveFileNow(unfinishedName);
    }
}

}  // namespace velnix
