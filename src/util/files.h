// File-system access: existence tests, whole-file reads and atomic writes, with German errors.
#pragma once

#include <filesystem>
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
FileRead ReadWholeFile(std::u16string_view path);

// Writes the bytes to a temporary file beside the target, then renames it over the target.
// On any failure the temporary is removed, the target stays as it was, and the message
// starts with "Fehler : " and names the file and the reason.
Status WriteFileAtomically(std::u16string_view path, std::string_view bytes);

}  // namespace velnix
