// Paths on POSIX: names are bytes, shown and typed as UTF-8.
#include "util/paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

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

// Most file systems tell a file from a folder in the entry itself; a link, or an entry of one
// that does not tell, costs a stat.
std::error_code ForEachFileName(const std::filesystem::path& folder,
                                const std::function<void(std::u16string_view name)>& file) {
    DIR* const dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return {errno, std::system_category()};
    }
    std::error_code error;
    for (;;) {
        errno = 0;
        const dirent* const entry = ::readdir(dir);
        if (entry == nullptr) {
            if (errno != 0) {
                error.assign(errno, std::system_category());
            }
            break;
        }
        bool isFile = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat target {};
            isFile =
                ::fstatat(::dirfd(dir), entry->d_name, &target, 0) == 0 && S_ISREG(target.st_mode);
        }
        if (isFile) {
            file(Utf8ToUtf16(entry->d_name));
        }
    }
    ::closedir(dir);
    return error;
}

}  // namespace velnix
