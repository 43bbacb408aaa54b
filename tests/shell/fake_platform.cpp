#include "shell/fake_platform.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

namespace velnix::test {

FakePlatform::FakePlatform()
    : settings_(std::make_unique<QSettings>(dir_.filePath(QStringLiteral("settings.ini")),
                                            QSettings::IniFormat)) {
    QDir(dir_.path()).mkpath(QStringLiteral("program"));
    QDir(dir_.path()).mkpath(QStringLiteral("work"));
    fakeDrives = {{QDir::rootPath(), QDir::toNativeSeparators(QDir::rootPath())}};
}

QString FakePlatform::readSetting(const QString& key, const QString& fallback) {
    return settings_->value(QStringLiteral("Optionen/") + key, fallback).toString();
}

void FakePlatform::writeSetting(const QString& key, const QString& value) {
    settings_->setValue(QStringLiteral("Optionen/") + key, value);
}

void FakePlatform::openWithShell(QWidget*, const QString& path) {
    shellCalls.push_back(QStringLiteral("open ") + path);
}

bool FakePlatform::shellExecute(const QString& target, const QString& operation) {
    shellCalls.push_back(operation + QStringLiteral(" ") + target);
    return true;
}

QString FakePlatform::programDirectory() const {
    return QDir::toNativeSeparators(dir_.filePath(QStringLiteral("program")));
}

QList<shell::Drive> FakePlatform::drives() const {
    return fakeDrives;
}

QString FakePlatform::clipboardText() const {
    return QGuiApplication::clipboard()->text();
}

QString FakePlatform::workDirectory() const {
    return QDir::toNativeSeparators(dir_.filePath(QStringLiteral("work")));
}

}  // namespace velnix::test
