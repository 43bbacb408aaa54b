// The real desktop: QSettings (the registry on Windows), the shell, the clipboard, modal boxes.
#pragma once

#include <QSettings>

#include "shell/platform/platform.h"

namespace velnix::shell {

class DesktopPlatform : public Platform {
  public:
    DesktopPlatform();

    QString readSetting(const QString& key, const QString& fallback) override;
    void writeSetting(const QString& key, const QString& value) override;
    void openWithShell(QWidget* owner, const QString& path) override;
    bool shellExecute(const QString& target, const QString& operation) override;
    QString programDirectory() const override;
    QString userDataDirectory() const override;
    QList<Drive> drives() const override;
    QString clipboardText() const override;
    void showMessage(QWidget* parent, const QString& text) override;
    bool askToConfirm(QWidget* parent, const QString& text, const QString& confirm) override;
    QString askForTableFile(QWidget* parent) override;
    std::optional<Heading> askForTableHeading(TableHeadingDialog& dialog) override;

  private:
    QSettings settings_;
};

}  // namespace velnix::shell
