// Reading a file's bytes, whole or block by block, with a German error.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace velnix {

struct FileRead {
    bool ok = false;
    bool missing = false;  // the file does not exist (not an error for the list files)
    std::string bytes;
    std::u16string error;  // "Fehler : ..." when !ok
};

// Reads the whole file into memory.
FileRead ReadWholeFile(const std::filesystem::path& path);

// The most bytes that ReadFileInBlocks hands over at once.
inline constexpr std::size_t kReadBlockBytes = std::size_t{1} << 16;

// Reads the file block by block, handing each block to `take`; false from `take` stops the
// reading. `bytes` stays empty; ok is false when the file could not be read (`error` says why)
// or `take` stopped.
FileRead ReadFileInBlocks(const std::filesystem::path& path,
                          const std::function<bool(std::string_view block)>& take);

}  // namespace velnix
