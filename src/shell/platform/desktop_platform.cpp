#include "shell/platform/desktop_platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

#include "shell/qt_text.h"
#include "util/codepage.h"

#ifdef _WIN32
#include <windows.h>
// The shell's header needs the declarations of windows.h first.
#include <shellapi.h>
#endif

namespace velnix::shell {
namespace {

const QString kSection = QStringLiteral("Optionen/");

#ifdef _WIN32
// ShellExecuteA takes the code page; a path with a character outside it goes the wide way
// instead of arriving with a "?" in its place.
bool RunShellExecute(HWND owner, const QString& operation, const QString& target) {
    std::string ansiTarget;
    std::string ansiOperation;
    const bool ansi = !AppendInCodePage(ToU16(target), ansiTarget) &&
                      !AppendInCodePage(ToU16(operation), ansiOperation);
    HINSTANCE result;
    if (ansi) {
        result = ShellExecuteA(owner, operation.isEmpty() ? nullptr : ansiOperation.c_str(),
                               ansiTarget.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    } else {
        const std::wstring wideTarget = target.toStdWString();
        const std::wstring wideOperation = operation.toStdWString();
        result = ShellExecuteW(owner, operation.isEmpty() ? nullptr : wideOperation.c_str(),
                               wideTarget.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
    return reinterpret_cast<INT_PTR>(result) > 32;
}

// "c: [System]" as Windows' own drive lists show a drive; "a:" alone when it has no label or
// no medium. Asking an empty drive must not bring up Windows' "no disk" box.
QString DriveLabel(const QString& root) {
    const QString letter = root.left(2).toLower();
    wchar_t name[MAX_PATH + 1] = {};
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previousMode);
    const bool read = GetVolumeInformationW(reinterpret_cast<const wchar_t*>(root.utf16()), name,
                                            MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
    SetThreadErrorMode(previousMode, nullptr);
    const QString label = read ? QString::fromWCharArray(name) : QString();
    return label.isEmpty() ? letter : letter + QStringLiteral(" [") + label + QStringLiteral("]");
}
#endif

}  // namespace

DesktopPlatform::DesktopPlatform()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velnix"),
                QStringLiteral("Velnix")) {}

QString DesktopPlatform::readSetting(const QString& key, const QString& fallback) {
    return settings_.value(kSection + key, fallback).toString();
}

void DesktopPlatform::writeSetting(const QString& key, const QString& value) {
    settings_.setValue(kSection + key, value);
    settings_.sync();
}

void DesktopPlatform::openWithShell(QWidget* owner, const QString& path) {
#ifdef _WIN32
    RunShellExecute(owner != nullptr ? reinterpret_cast<HWND>(owner->winId()) : nullptr, QString(),
                    path);
#else
    (void)owner;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

bool DesktopPlatform::shellExecute(const QString& target, const QString& operation) {
#ifdef _WIN32
    return RunShellExecute(nullptr, operation, target);
#else
    (void)operation;
    const QUrl url = QUrl::fromUserInput(target);
    return QDesktopServices::openUrl(url);
#endif
}

QString DesktopPlatform::programDirectory() const {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString DesktopPlatform::userDataDirectory() const {
    // %APPDATA%\Velnix or ~/.local/share/Velnix: the application's name, no organisation.
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QList<Drive> DesktopPlatform::drives() const {
    // Drive letters on Windows; elsewhere the file system's root.
    QList<Drive> drives;
    for (const QFileInfo& drive : QDir::drives()) {
        const QString root = QDir::toNativeSeparators(drive.absoluteFilePath());
#ifdef _WIN32
        drives.push_back({DriveLabel(root), root});
#else
        drives.push_back({root, root});
#endif
    }
    return drives;
}

QString DesktopPlatform::clipboardText() const {
    return QGuiApplication::clipboard()->text();
}

}  // namespace velnix::shell
