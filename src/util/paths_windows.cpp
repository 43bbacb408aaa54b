// Paths on Windows: names are UTF-16, as the window and the lists hold them.
#include "util/paths.h"

namespace velnix {

const char16_t kDirSeparator = u'\\';

std::filesystem::path ToFsPath(std::u16string_view path) {
    return std::filesystem::path(std::wstring(path.begin(), path.end()));
}

std::u16string FromFsPath(const std::filesystem::path& path) {
    const std::wstring& wide = path.native();
    return std::u16string(wide.begin(), wide.end());
}

std::FILE* OpenToRead(const std::filesystem::path& path) {
    return _wfopen(path.c_str(), L"rb");
}

}  // namespace velnix
