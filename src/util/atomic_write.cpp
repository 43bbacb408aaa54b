#include "util/atomic_write.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <future>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

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

// The target's temporaries whose writers were killed; one that a running process is still
// writing stays.
std::vector<std::filesystem::path> Leftovers(const std::filesystem::path& target) {
    std::filesystem::path prefix = target.filename();
    prefix += kTemporaryMark;
    const std::filesystem::path folder = DirectoryOf(target);
    std::vector<std::filesystem::path> leftovers;
    for (const std::filesystem::path& name : EntriesStartingWith(folder, prefix)) {
        const auto writer = TemporaryWriter(name.native(), prefix.native());
        if (writer && !ProcessRuns(*writer)) {
            leftovers.push_back(folder / name);
        }
    }
    return leftovers;
}

// The names of the named temporaries in progress, for RemoveUnfinishedTemporary: fixed buffers
// and lock-free flags, since a signal handler may read them at any moment. One write keeps at
// most two temporaries at once: rename.pro and its undo file.
constexpr std::size_t kUnfinishedSlots = 2;
std::array<std::array<std::filesystem::path::value_type, 4096>, kUnfinishedSlots> unfinishedNames;
std::array<std::atomic<bool>, kUnfinishedSlots> unfinishedArmed = {};

void Arm(const std::filesystem::path& temporary) {
    const NativeText& name = temporary.native();
    for (std::size_t slot = 0; slot < kUnfinishedSlots; ++slot) {
        // A longer name, or a third temporary, is left to a later write.
        if (!unfinishedArmed[slot] && name.size() < std::size(unfinishedNames[slot])) {
            std::copy(name.begin(), name.end(), unfinishedNames[slot].begin());
            unfinishedNames[slot][name.size()] = 0;
            unfinishedArmed[slot] = true;
            return;
        }
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

void ForgetTemporary(const std::filesystem::path& temporary) {
    for (std::size_t slot = 0; slot < kUnfinishedSlots; ++slot) {
        if (unfinishedArmed[slot] && temporary.native() == unfinishedNames[slot].data()) {
            unfinishedArmed[slot] = false;
        }
    }
}

OsError TemporaryFile::NameGone(OsError result) {
    ForgetTemporary(name_);
    name_.clear();
    return result;
}

Status WriteFilesAtomically(const std::vector<FileToWrite>& files, TemporaryNaming naming) {
    std::vector<std::filesystem::path> targets;
    for (const FileToWrite& file : files) {
        const std::optional<std::filesystem::path> target = ThroughLinks(file.path);
        if (!target) {
            return Status::Failure(WriteError(file.path, kLinkLoop));
        }
        targets.push_back(*target);
    }
    // A working folder may hold tens of thousands of files: it is searched for leftovers while
    // the files are written (where a thread can be had), and they go once the write succeeded.
    std::future<std::vector<std::filesystem::path>> leftovers =
        std::async(std::launch::async | std::launch::deferred, [&targets] {
            std::vector<std::filesystem::path> found;
            for (const std::filesystem::path& target : targets) {
                std::vector<std::filesystem::path> more = Leftovers(target);
                found.insert(found.end(), more.begin(), more.end());
            }
            return found;
        });
    std::vector<std::unique_ptr<TemporaryFile>> temporaries;
    // Each temporary complete and on the disk before any target is touched.
    for (std::size_t i = 0; i < files.size(); ++i) {
        temporaries.push_back(TemporaryFile::Beside(targets[i], naming));
        TemporaryFile& temporary = *temporaries.back();
        OsError error = temporary.Open();
        if (error == 0 && (!files[i].content(temporary) || temporary.error() != 0)) {
            error = temporary.error() != 0 ? temporary.error() : kContentStopped;
        }
        if (error == 0) {
            error = temporary.Finish();
        }
        if (error != 0) {
            return Status::Failure(WriteError(files[i].path, error));
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (const OsError error = temporaries[i]->Replace()) {
            return Status::Failure(WriteError(files[i].path, error));
        }
    }
    // What cannot be removed stays for a later write: the file is written.
    for (const std::filesystem::path& leftover : leftovers.get()) {
        std::error_code ignored;
        std::filesystem::remove(leftover, ignored);
    }
    return Status::Success();
}

Status WriteFileAtomically(const std::filesystem::path& path, const FileContent& content) {
    return WriteFilesAtomically({{path, content}});
}

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return WriteFileAtomically(path, [bytes](BlockSink& file) { return file.Write(bytes); });
}

void RemoveUnfinishedTemporary() noexcept {
    for (std::size_t slot = 0; slot < kUnfinishedSlots; ++slot) {
        if (unfinishedArmed[slot]) {
            RemoveFileNow(unfinishedNames[slot].data());
        }
    }
}

}  // namespace velnix
