// The system's error numbers behind the file units, and their German messages.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace velnix {

// errno on POSIX, GetLastError() on Windows; 0 is none.
using OsError = unsigned long;

// The content of an atomic write stopped before its end.
extern const OsError kContentStopped;
// More symbolic links in a row than the system follows.
extern const OsError kLinkLoop;

// The error of the last failed call, read before anything else can change it.
OsError LastOsError();

// The file or a folder on its way does not exist.
bool IsMissingFileError(OsError error);

// What went wrong, as far as a message tells it apart; each system maps its numbers.
enum class ErrorKind {
    AccessDenied,
    FileMissing,
    FileOrFolderMissing,
    FolderMissing,
    DiskFull,
    WriteProtected,
    DriveNotReady,
    FileInUse,
    FolderInTheWay,
    BadPath,
    PathTooLong,
    ContentStopped,
    LinkLoop,
    Other,
};
ErrorKind KindOf(OsError error);
// The system's own words for an error of kind Other.
std::u16string OtherReason(OsError error);

// "Zugriff verweigert (keine Schreib- oder Leserechte)" and the like.
std::u16string Reason(OsError error);
// The same for an error of the standard library, which may carry the C library's numbers
// (std::generic_category) where the system's own are expected.
std::u16string Reason(const std::error_code& error);

// "Fehler : Die Datei "…" konnte nicht geschrieben werden: <reason>."
std::u16string WriteError(const std::filesystem::path& path, OsError error);
// "Fehler : Die Datei "…" konnte nicht gelesen werden: <reason>."
std::u16string ReadError(const std::filesystem::path& path, OsError error);

}  // namespace velnix
