#include "util/file_read.h"

#include <cstdio>
#include <system_error>
#include <utility>

#include "util/os_error.h"
#include "util/paths.h"

namespace velnix {

FileRead ReadFileInBlocks(const std::filesystem::path& path,
                          const std::function<bool(std::string_view block)>& take) {
    FileRead result;
    std::FILE* file = OpenToRead(path);
    if (file == nullptr) {
        const OsError error = LastOsError();
        result.missing = IsMissingFileError(error);
        result.error = ReadError(path, error);
        return result;
    }
    char buffer[kReadBlockBytes];
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

}  // namespace velnix
