// File-system access: existence tests, whole-file reads and atomic writes, with German errors.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "util/result.h"

namespace velnix {

#ifdef _WIN32
inline constexpr char16_t kDirSeparator = u'\\';
#else
inline constexpr char16_t kDirSeparator = u'/';
#endif

std::filesystem::path ToFsPath(std::u16string_view path);
// For messages: on Linux a name that is no UTF-8 shows U+FFFD in place of its odd bytes.
std::u16string FromFsPath(const std::filesystem::path& path);

// True when the path names an existing directory; false on every failure.
bool DirExists(std::u16string_view path);

// True when the length of the file at the path can be read; false on every failure.
bool FileExists(std::u16string_view path);

// The directory followed by the file name, with one separator between them: a directory that
// already ends with the separator (a drive's root) gets no second one.
std::u16string JoinPath(std::u16string_view directory, std::u16string_view fileName);

struct FileRead {
    bool ok = false;
    bool missing = false;  // the file does not exist (not an error for the list files)
    std::string bytes;
    std::u16string error;  // "Fehler : ..." when !ok
};

// Reads the whole file into memory.
FileRead ReadWholeFile(const std::filesystem::path& path);

// Reads the file block by block, handing each block to `take`; false from `take` stops the
// reading. `bytes` stays empty; ok is false when the file could not be read (`error` says why)
// or `take` stopped.
FileRead ReadFileInBlocks(const std::filesystem::path& path,
                          const std::function<bool(std::string_view block)>& take);

// Takes a text block by block: a file being written, standard output, a string.
class BlockSink {
  public:
    virtual ~BlockSink() = default;
    // The length of the whole text, told before the first block by writers that know it.
    virtual void Expect(std::size_t length) { static_cast<void>(length); }
    // False when the block could not be taken; the writer stops then.
    virtual bool Write(std::string_view block) = 0;
};

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

// Removes the temporary file of the write in progress, if it has a name yet. Makes only calls
// that are safe in a signal handler: for the command line's handlers of SIGINT and SIGTERM.
void RemoveUnfinishedTemporary() noexcept;

}  // namespace velnix
