#include "util/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "util/text.h"
#include "util/unicode.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velnix {

std::filesystem::path ToFsPath(std::u16string_view path) {
#ifdef _WIN32
    return std::filesystem::path(std::wstring(path.begin(), path.end()));
#else
    return std::filesystem::path(Utf16ToUtf8(path));
#endif
}

std::u16string FromFsPath(const std::filesystem::path& path) {
#ifdef _WIN32
    const std::wstring& wide = path.native();
    return std::u16string(wide.begin(), wide.end());
#else
    return Utf8ToUtf16(path.native());
#endif
}

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

namespace {

#ifdef _WIN32
using OsError = DWORD;
OsError LastOsError() {
    return GetLastError();
}

std::u16string Reason(OsError error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
            return u"Zugriff verweigert (keine Schreib- oder Leserechte)";
        case ERROR_FILE_NOT_FOUND:
            return u"die Datei gibt es nicht";
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
            return u"das Verzeichnis gibt es nicht";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return u"der Datenträger ist voll";
        case ERROR_WRITE_PROTECT:
            return u"der Datenträger ist schreibgeschützt";
        case ERROR_NOT_READY:
            return u"das Laufwerk ist nicht bereit";
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return u"die Datei ist von einem anderen Programm geöffnet";
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
            return u"der Pfad ist ungültig";
        case ERROR_FILENAME_EXCED_RANGE:
            return u"der Pfad ist zu lang";
        default:
            return u"Systemfehler " + DecimalText(error);
    }
}
#else
using OsError = int;
OsError LastOsError() {
    return errno;
}

std::u16string Reason(OsError error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return u"Zugriff verweigert (keine Schreib- oder Leserechte)";
        case ENOENT:
            return u"die Datei oder das Verzeichnis gibt es nicht";
        case ENOTDIR:
            return u"das Verzeichnis gibt es nicht";
        case ENOSPC:
        case EDQUOT:
            return u"der Datenträger ist voll";
        case EROFS:
            return u"der Datenträger ist schreibgeschützt";
        case EISDIR:
            return u"an dieser Stelle steht ein Verzeichnis";
        case ENAMETOOLONG:
            return u"der Pfad ist zu lang";
        default:
            return Utf8ToUtf16(std::strerror(error));
    }
}
#endif

std::u16string WriteError(std::u16string_view path, OsError error) {
    return u"Fehler : Die Datei \"" + std::u16string(path) +
           u"\" konnte nicht geschrieben werden: " + Reason(error) + u".";
}

std::u16string ReadError(std::u16string_view path, OsError error) {
    return u"Fehler : Die Datei \"" + std::u16string(path) + u"\" konnte nicht gelesen werden: " +
           Reason(error) + u".";
}

// A name beside the target that no other file has yet.
std::u16string TemporaryName(std::u16string_view target, unsigned attempt) {
    return std::u16string(target) + u".velnix-" + DecimalText(attempt) + u".tmp";
}

#ifdef _WIN32

const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// Creates the temporary exclusively and fills it; returns 0 or the error.
OsError WriteNewFile(const std::u16string& path, std::string_view bytes, bool& exists) {
    exists = false;
    HANDLE file = CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const OsError error = GetLastError();
        exists = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        return error;
    }
    OsError error = 0;
    for (std::size_t done = 0; done < bytes.size() && error == 0;) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
            error = GetLastError();
        }
        done += written;
    }
    if (error == 0 && !FlushFileBuffers(file)) {
        error = GetLastError();
    }
    if (!CloseHandle(file) && error == 0) {
        error = GetLastError();
    }
    if (error != 0) {
        DeleteFileW(Wide(path));
    }
    return error;
}

OsError ReplaceFile(const std::u16string& from, const std::u16string& to) {
    if (MoveFileExW(Wide(from), Wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    const OsError error = GetLastError();
    DeleteFileW(Wide(from));
    return error;
}

#else

// `keepMode` carries the permissions of the file that is replaced, if there is one.
OsError WriteNewFile(const std::u16string& path, std::string_view bytes, bool& exists,
                     int keepMode) {
    exists = false;
    const std::string native = Utf16ToUtf8(path);
    const int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        exists = errno == EEXIST;
        return errno;
    }
    OsError error = 0;
    if (keepMode >= 0 && ::fchmod(fd, static_cast<mode_t>(keepMode)) != 0) {
        error = errno;
    }
    for (std::size_t done = 0; done < bytes.size() && error == 0;) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno != EINTR) {
                error = errno;
            }
        } else {
            done += static_cast<std::size_t>(written);
        }
    }
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(native.c_str());
    }
    return error;
}

OsError ReplaceFile(const std::u16string& from, const std::u16string& to) {
    const std::string source = Utf16ToUtf8(from);
    if (::rename(source.c_str(), Utf16ToUtf8(to).c_str()) == 0) {
        return 0;
    }
    const OsError error = errno;
    ::unlink(source.c_str());
    return error;
}

#endif

}  // namespace

FileRead ReadWholeFile(std::u16string_view path) {
    FileRead result;
#ifdef _WIN32
    const std::u16string wide(path);
    std::FILE* file = _wfopen(Wide(wide), L"rb");
#else
    std::FILE* file = std::fopen(Utf16ToUtf8(path).c_str(), "rb");
#endif
    if (file == nullptr) {
        const OsError error = LastOsError();
#ifdef _WIN32
        result.missing = error == ERROR_FILE_NOT_FOUND;
#else
        result.missing = error == ENOENT;
#endif
        result.error = ReadError(path, error);
        return result;
    }
    // The size is a hint only (the file may change meanwhile); it saves copies while growing.
    std::error_code ec;
    const auto sizeHint = std::filesystem::file_size(ToFsPath(path), ec);
    if (!ec) {
        result.bytes.reserve(static_cast<std::size_t>(sizeHint));
    }
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        result.bytes.append(buffer, count);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        result.bytes.clear();
        result.error = ReadError(path, LastOsError());
        return result;
    }
    result.ok = true;
    return result;
}

Status WriteFileAtomically(std::u16string_view path, std::string_view bytes) {
    const std::u16string target(path);
#ifndef _WIN32
    int keepMode = -1;
    struct stat existing {};
    if (::stat(Utf16ToUtf8(target).c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        keepMode = static_cast<int>(existing.st_mode & 07777);
    }
#endif
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::u16string temporary = TemporaryName(target, attempt);
        bool exists = false;
#ifdef _WIN32
        OsError error = WriteNewFile(temporary, bytes, exists);
#else
        OsError error = WriteNewFile(temporary, bytes, exists, keepMode);
#endif
        if (exists) {
            continue;
        }
        if (error == 0) {
            error = ReplaceFile(temporary, target);
        }
        if (error != 0) {
            return Status::Failure(WriteError(target, error));
        }
        return Status::Success();
    }
    return Status::Failure(u"Fehler : Die Datei \"" + target +
                           u"\" konnte nicht geschrieben werden: zu viele temporäre Dateien.");
}

}  // namespace velnix
