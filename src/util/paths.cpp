#include "util/paths.h"

#include <cstdint>
#include <system_error>

namespace velnix {

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

}  // namespace velnix
