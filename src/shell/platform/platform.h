// The services of the desktop that the window uses, behind one interface so that tests can
// put a settings file, program and data directories, a recording shell and answers to the
// modal questions in their place.
#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "names/table_file.h"

class QWidget;

namespace velnix::shell {

class TableHeadingDialog;

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

    // The modal boxes and dialogs, titled "Velnix" or "Tabelle öffnen".
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // True when the user chose `confirm` ("Schreiben"); "Abbrechen" is the default and Esc.
    virtual bool askToConfirm(QWidget* parent, const QString& text, const QString& confirm) = 0;
    // The chosen table file, or an empty string when the user cancelled.
    virtual QString askForTableFile(QWidget* parent) = 0;
    // The user's choice in the dialog that shows the table's first rows, or nothing when the
    // user cancelled.
    virtual std::optional<Heading> askForTableHeading(TableHeadingDialog& dialog) = 0;
};

}  // namespace velnix::shell
