// Writing a file so that no half of it is ever seen or left behind.
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "util/block_sink.h"
#include "util/result.h"

namespace velnix {

// Writes a file's content into the sink; false when it stopped early.
using FileContent = std::function<bool(BlockSink& file)>;

// Writes the file so that no part of it is ever seen or left behind: the content goes into a
// temporary file beside the target (on Linux one without a name until it is complete), is
// flushed to the disk and then renamed over the target. A target that is a symbolic link is
// written through the link, which stays. On any failure nothing is left, the target stays as
// it was, and the message starts with "Fehler : " and names the file and the reason. After
// success, the temporaries of the target whose writing process is gone are removed.
Status WriteFileAtomically(const std::filesystem::path& path, const FileContent& content);
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// One file of a write that replaces several together.
struct FileToWrite {
    std::filesystem::path path;
    FileContent content;
};
// Whether a temporary goes without a name until it is complete where the system allows it (on
// Linux). Always named is the way of a file system without such files and of Windows: the
// tests take it so that this way is tried on every machine.
enum class TemporaryNaming { UnnamedWherePossible, AlwaysNamed };
// Writes the files as WriteFileAtomically does, but all or none: every file is complete and on
// the disk, and every target found replaceable, before the first target is replaced. When one
// cannot be prepared no target changes, no temporary stays, and the message names that file.
Status WriteFilesAtomically(const std::vector<FileToWrite>& files,
                            TemporaryNaming naming = TemporaryNaming::UnnamedWherePossible);

// Removes the temporary files of the write in progress that have a name yet. Makes only calls
// that are safe in a signal handler: for the command line's handlers of SIGINT and SIGTERM.
void RemoveUnfinishedTemporary() noexcept;

}  // namespace velnix
