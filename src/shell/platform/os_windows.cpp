#include <windows.h>
// The shell's header needs the declarations of windows.h first.
#include <shellapi.h>

#include <QFont>
#include <QFontDatabase>
#include <QWidget>

#include "shell/platform/os.h"
#include "shell/qt_text.h"
#include "util/codepage.h"

namespace velnix::shell::os {
namespace {

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

}  // namespace

bool HasDisplay() {
    return true;
}

void UseInterfaceFontFamily(QFont& font) {
    // Windows' interface font by name: for the stock GUI font ("MS Shell Dlg") Qt may land on
    // any face it finds, under Wine on a math font whose line height hides every field's text.
    const QStringList installed = QFontDatabase::families();
    for (const char* family :
         {"Segoe UI", "Tahoma", "Microsoft Sans Serif", "Arial", "DejaVu Sans"}) {
        if (installed.contains(QLatin1String(family))) {
            font.setFamily(QLatin1String(family));
            return;
        }
    }
}

QFont FixedWidthFont() {
    // Windows' monospace faces by name: under Wine the stock fixed font falls back to a
    // proportional serif, which breaks the columns of the mapkeys. Wine may have none of them:
    // then any fixed-width face it has.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QStringList installed = QFontDatabase::families();
    for (const char* family :
         {"Consolas", "Courier New", "Lucida Console", "DejaVu Sans Mono", "Liberation Mono"}) {
        if (installed.contains(QLatin1String(family))) {
            font.setFamily(QLatin1String(family));
            return font;
        }
    }
    for (const QString& family : installed) {
        if (QFontDatabase::isFixedPitch(family) && QFontDatabase::isSmoothlyScalable(family)) {
            font.setFamily(family);
            break;
        }
    }
    return font;
}

Qt::CaseSensitivity PathCase() {
    return Qt::CaseInsensitive;
}

QString DefaultOutputDirectory() {
    return QStringLiteral("C:\\temp");
}

void OpenWithShell(QWidget* owner, const QString& path) {
    RunShellExecute(owner != nullptr ? reinterpret_cast<HWND>(owner->winId()) : nullptr, QString(),
                    path);
}

bool ExecuteInShell(const QString& target, const QString& operation) {
    return RunShellExecute(nullptr, operation, target);
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

}  // namespace velnix::shell::os
