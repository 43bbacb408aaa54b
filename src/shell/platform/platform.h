// The services of the desktop that the window uses, behind one interface so that tests can
// put a settings file, program and data directories and a recording shell in their place.
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace velnix::shell {

struct Drive {
    QString label;  // what the drive list shows; on Windows its first character is the letter
    QString root;   // the drive's root directory ("C:\" or "/")
};

class Platform {
  public:
    virtual ~Platform() = default;

    // The remembered values: application "Velnix", section "Optionen".
    virtual QString readSetting(const QString& key, const QString& fallback) = 0;
    virtual void writeSetting(const QString& key, const QString& value) = 0;

    // Opens a file with the shell's default action for its type; the result is not reported.
    virtual void openWithShell(QWidget* owner, const QString& path) = 0;
    // Runs the shell operation ("open") on a path or address; true when the shell took it.
    virtual bool shellExecute(const QString& target, const QString& operation) = 0;

    // The directory that holds the program; the list files live there when it is writable.
    virtual QString programDirectory() const = 0;
    // The user's own data directory (it may not exist yet); the list files live there when
    // the program's directory is not writable (an installed program).
    virtual QString userDataDirectory() const = 0;
    virtual QList<Drive> drives() const = 0;
    virtual QString clipboardText() const = 0;
};

}  // namespace velnix::shell
