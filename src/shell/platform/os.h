// What differs between Windows and the other systems, one definition per system: CMake builds
// os_windows.cpp or os_posix.cpp.
#pragma once

#include <QString>
#include <Qt>

class QFont;
class QWidget;

namespace velnix::shell::os {

// False when there is certainly no display to connect to: Qt would abort with a long message
// of its own.
bool HasDisplay();

// Sets the system's interface font family on `font` where Qt's own choice cannot be trusted.
void UseInterfaceFontFamily(QFont& font);

// The fixed-width font of the output text: Qt's own choice on Windows may be proportional.
QFont FixedWidthFont();

// How paths compare: Windows ignores case.
Qt::CaseSensitivity PathCase();

// The output directory that the window offers before the user has chosen one.
QString DefaultOutputDirectory();

// Opens a file with the shell's default action for its type; the result is not reported.
void OpenWithShell(QWidget* owner, const QString& path);

// Runs the shell operation ("open") on a path or address; true when the shell took it.
bool ExecuteInShell(const QString& target, const QString& operation);

// What the drive list shows for the drive with this root.
QString DriveLabel(const QString& root);

}  // namespace velnix::shell::os
