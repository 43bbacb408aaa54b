// Paths: the system's spelling of a name, existence tests and joining a folder with a file name.
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

namespace velnix {

// "\" on Windows, "/" elsewhere.
extern const char16_t kDirSeparator;

std::filesystem::path ToFsPath(std::u16string_view path);
// For messages: on Linux a name that is no UTF-8 shows U+FFFD in place of its odd bytes.
std::u16string FromFsPath(const std::filesystem::path& path);

// The file opened for reading its bytes, or nullptr with the system's error set.
std::FILE* OpenToRead(const std::filesystem::path& path);

// Calls `file` with the name of each file in the folder, links followed: subfolders and links
// that lead nowhere are left out. The error that stopped the reading, or none.
std::error_code ForEachFileName(const std::filesystem::path& folder,
                                const std::function<void(std::u16string_view name)>& file);

// True when the path names an existing directory; false on every failure.
bool DirExists(std::u16string_view path);

// True when the length of the file at the path can be read; false on every failure.
bool FileExists(std::u16string_view path);

// The directory followed by the file name, with one separator between them: a directory that
// already ends with the separator (a drive's root) gets no second one.
std::u16string JoinPath(std::u16string_view directory, std::u16string_view fileName);

}  // namespace velnix
