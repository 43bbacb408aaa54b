#include "util/os_error.h"

#include "util/paths.h"
#include "util/unicode.h"

namespace velnix {
namespace {

std::u16string FileError(const std::filesystem::path& path, std::u16string_view failed,
                         OsError error) {
    return u"Fehler : Die Datei \"" + FromFsPath(path) + u"\" konnte nicht " +
           std::u16string(failed) + u" werden: " + Reason(error) + u".";
}

// The words for each kind but Other, which has the system's own.
std::u16string KindReason(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::AccessDenied:
            return u"Zugriff verweigert (keine Schreib- oder Leserechte)";
        case ErrorKind::FileMissing:
            return u"die Datei gibt es nicht";
        case ErrorKind::FileOrFolderMissing:
            return u"die Datei oder das Verzeichnis gibt es nicht";
        case ErrorKind::FolderMissing:
            return u"das Verzeichnis gibt es nicht";
        case ErrorKind::DiskFull:
            return u"der Datenträger ist voll";
        case ErrorKind::WriteProtected:
            return u"der Datenträger ist schreibgeschützt";
        case ErrorKind::DriveNotReady:
            return u"das Laufwerk ist nicht bereit";
        case ErrorKind::FileInUse:
            return u"die Datei ist von einem anderen Programm geöffnet";
        case ErrorKind::FolderInTheWay:
            return u"an dieser Stelle steht ein Verzeichnis";
        case ErrorKind::BadPath:
            return u"der Pfad ist ungültig";
        case ErrorKind::PathTooLong:
            return u"der Pfad ist zu lang";
        case ErrorKind::ContentStopped:
            return u"der Inhalt konnte nicht vollständig erzeugt werden";
        case ErrorKind::LinkLoop:
            return u"zu viele symbolische Verknüpfungen hintereinander";
        case ErrorKind::Other:
            break;
    }
    return {};
}

ErrorKind KindOfCondition(const std::error_code& error) {
    const std::error_condition condition = error.default_error_condition();
    if (condition == std::errc::permission_denied ||
        condition == std::errc::operation_not_permitted) {
        return ErrorKind::AccessDenied;
    }
    if (condition == std::errc::no_such_file_or_directory) {
        return ErrorKind::FileOrFolderMissing;
    }
    if (condition == std::errc::not_a_directory) {
        return ErrorKind::FolderMissing;
    }
    if (condition == std::errc::filename_too_long) {
        return ErrorKind::PathTooLong;
    }
    if (condition == std::errc::too_many_symbolic_link_levels) {
        return ErrorKind::LinkLoop;
    }
    if (condition == std::errc::invalid_argument) {
        return ErrorKind::BadPath;
    }
    return ErrorKind::Other;
}

}  // namespace

std::u16string Reason(OsError error) {
    const ErrorKind kind = KindOf(error);
    return kind == ErrorKind::Other ? OtherReason(error) : KindReason(kind);
}

std::u16string Reason(const std::error_code& error) {
    if (error.category() != std::generic_category()) {
        return Reason(static_cast<OsError>(error.value()));
    }
    const ErrorKind kind = KindOfCondition(error);
    return kind == ErrorKind::Other ? Utf8ToUtf16(error.message()) : KindReason(kind);
}

std::u16string WriteError(const std::filesystem::path& path, OsError error) {
    return FileError(path, u"geschrieben", error);
}

std::u16string ReadError(const std::filesystem::path& path, OsError error) {
    return FileError(path, u"gelesen", error);
}

}  // namespace velnix
