#include "util/os_error.h"

#include "util/paths.h"

namespace velnix {
namespace {

std::u16string FileError(const std::filesystem::path& path, std::u16string_view failed,
                         OsError error) {
    return u"Fehler : Die Datei \"" + FromFsPath(path) + u"\" konnte nicht " +
           std::u16string(failed) + u" werden: " + Reason(error) + u".";
}

}  // namespace

std::u16string Reason(OsError error) {
    switch (KindOf(error)) {
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
    return OtherReason(error);
}

std::u16string WriteError(const std::filesystem::path& path, OsError error) {
    return FileError(path, u"geschrieben", error);
}

std::u16string ReadError(const std::filesystem::path& path, OsError error) {
    return FileError(path, u"gelesen", error);
}

}  // namespace velnix
