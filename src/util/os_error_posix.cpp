// The error numbers of POSIX: errno.
#include "util/os_error.h"

#include <cerrno>
#include <cstring>

#include "util/unicode.h"

namespace velnix {

const OsError kContentStopped = ECANCELED;
const OsError kLinkLoop = ELOOP;

OsError LastOsError() {
    return static_cast<OsError>(errno);
}

bool IsMissingFileError(OsError error) {
    return error == ENOENT;
}

ErrorKind KindOf(OsError error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return ErrorKind::AccessDenied;
        case ENOENT:
            return ErrorKind::FileOrFolderMissing;
        case ENOTDIR:
            return ErrorKind::FolderMissing;
        case ENOSPC:
        case EDQUOT:
            return ErrorKind::DiskFull;
        case EROFS:
            return ErrorKind::WriteProtected;
        case EISDIR:
            return ErrorKind::FolderInTheWay;
        case ENAMETOOLONG:
            return ErrorKind::PathTooLong;
        case ECANCELED:
            return ErrorKind::ContentStopped;
        case ELOOP:
            return ErrorKind::LinkLoop;
        default:
            return ErrorKind::Other;
    }
}

std::u16string OtherReason(OsError error) {
    return Utf8ToUtf16(std::strerror(static_cast<int>(error)));
}

}  // namespace velnix
