#include "shell/platform/desktop_platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>

#include "shell/message_box.h"
#include "shell/platform/os.h"
#include "shell/table_file_dialog.h"

namespace velnix::shell {
namespace {

const QString kSection = QStringLiteral("Optionen/");

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
    os::OpenWithShell(owner, path);
}

bool DesktopPlatform::shellExecute(const QString& target, const QString& operation) {
    return os::ExecuteInShell(target, operation);
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
        drives.push_back({os::DriveLabel(root), root});
    }
    return drives;
}

QString DesktopPlatform::clipboardText() const {
    return QGuiApplication::clipboard()->text();
}

void DesktopPlatform::showMessage(QWidget* parent, const QString& text) {
    ShowMessage(parent, text);
}

bool DesktopPlatform::askToConfirm(QWidget* parent, const QString& text, const QString& confirm) {
    return AskToConfirm(parent, text, confirm);
}

QString DesktopPlatform::askForTableFile(QWidget* parent) {
    return AskForTableFile(parent);
}

std::optional<Heading> DesktopPlatform::askForTableHeading(TableHeadingDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.heading();
}

}  // namespace velnix::shell
