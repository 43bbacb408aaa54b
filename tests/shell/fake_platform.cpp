#include "shell/fake_platform.h"

#include <QDir>

namespace velnix::test {

FakePlatform::FakePlatform() {
    QDir(dir_.path()).mkpath(QStringLiteral("program"));
    QDir(dir_.path()).mkpath(QStringLiteral("work"));
    program = path(QStringLiteral("program"));
    fakeDrives = {{QDir::rootPath(), QDir::toNativeSeparators(QDir::rootPath())}};
}

QString FakePlatform::path(const QString& relative) const {
    return QDir::toNativeSeparators(dir_.filePath(relative));
}

}  // namespace velnix::test
