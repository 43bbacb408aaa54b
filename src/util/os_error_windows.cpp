// The error numbers of Windows: GetLastError().
#include "util/os_error.h"

#include <windows.h>

#include "util/text.h"

namespace velnix {

const OsError kContentStopped = ERROR_CANCELLED;
const OsError kLinkLoop = ERROR_CANT_RESOLVE_FILENAME;

OsError LastOsError() {
    return GetLastError();
}

// A folder on the way that is not there yet (the user's data folder before the first save)
// means no file, as ENOENT does on POSIX.
bool IsMissingFileError(OsError error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

ErrorKind KindOf(OsError error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
            return ErrorKind::AccessDenied;
        case ERROR_FILE_NOT_FOUND:
            return ErrorKind::FileMissing;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
            return ErrorKind::FolderMissing;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ErrorKind::DiskFull;
        case ERROR_WRITE_PROTECT:
            return ErrorKind::WriteProtected;
        case ERROR_NOT_READY:
            return ErrorKind::DriveNotReady;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return ErrorKind::FileInUse;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
            return ErrorKind::BadPath;
        case ERROR_FILENAME_EXCED_RANGE:
            return ErrorKind::PathTooLong;
        case ERROR_CANCELLED:
            return ErrorKind::ContentStopped;
        case ERROR_CANT_RESOLVE_FILENAME:
            return ErrorKind::LinkLoop;
        default:
            return ErrorKind::Other;
    }
}

std::u16string OtherReason(OsError error) {
    return u"Systemfehler " + DecimalText(error);
}

}  // namespace velnix
