// Paths on POSIX: names are bytes, shown and typed as UTF-8.
#include "util/paths.h"

#include "util/unicode.h"

namespace velnix {

const char16_t kDirSeparator = u'/';

std::filesystem::path ToFsPath(std::u16string_view path) {
    return std::filesystem::path(Utf16ToUtf8(path));
}

std::u16string FromFsPath(const std::filesystem::path& path) {
    return Utf8ToUtf16(path.native());
}

std::FILE* OpenToRead(const std::filesystem::path& path) {
    return std::fopen(path.c_str(), "rb");
}

}  // namespace velnix
