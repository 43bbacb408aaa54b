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

// The system's listing tells a file from a folder already; only a link costs a look.
std::error_code ForEachFileName(const std::filesystem::path& folder,
                                const std::function<void(std::u16string_view name)>& file) {
    std::error_code ec;
    std::filesystem::directory_iterator entry(folder, ec);
    for (const std::filesystem::directory_iterator end; !ec && entry != end; entry.increment(ec)) {
        std::error_code typeError;
        if (entry->is_regular_file(typeError)) {
            file(FromFsPath(entry->path().filename()));
        }
    }
    return ec;
}

}  // namespace velnix
