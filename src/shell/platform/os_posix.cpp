#include <QDesktopServices>
#include <QFont>
#include <QFontDatabase>
#include <QUrl>
#include <cstdlib>

#include "shell/platform/os.h"

namespace velnix::shell::os {

bool HasDisplay() {
#ifdef __APPLE__
    return true;
#else
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
#endif
}

void UseInterfaceFontFamily(QFont&) {}

QFont FixedWidthFont() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

Qt::CaseSensitivity PathCase() {
    return Qt::CaseSensitive;
}

QString DefaultOutputDirectory() {
    return QStringLiteral("/tmp");
}

void OpenWithShell(QWidget*, const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool ExecuteInShell(const QString& target, const QString&) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

QString DriveLabel(const QString& root) {
    return root;
}

}  // namespace velnix::shell::os
