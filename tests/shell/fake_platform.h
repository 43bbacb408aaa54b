// A platform for the window tests: settings in an INI file, a temporary program directory,
// a shell that records its calls, fixed drives, and the real clipboard.
#pragma once

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "shell/platform/platform.h"

namespace velnix::test {

class FakePlatform : public shell::Platform {
  public:
    FakePlatform();

    QString readSetting(const QString& key, const QString& fallback) override;
    void writeSetting(const QString& key, const QString& value) override;
    void openWithShell(QWidget* owner, const QString& path) override;
    bool shellExecute(const QString& target, const QString& operation) override;
    QString programDirectory() const override;
    QList<shell::Drive> drives() const override;
    QString clipboardText() const override;

    // A folder for the test's own files (an output directory, for example).
    QString workDirectory() const;
    QSettings& settings() { return *settings_; }

    QStringList shellCalls;  // "open <path>" or "<operation> <target>"
    QList<shell::Drive> fakeDrives;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace velnix::test
