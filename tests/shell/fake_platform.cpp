#include "shell/fake_platform.h"

#include <QDir>
#include <QFile>

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

QString MakeFolder(const QString& path, const QStringList& files) {
    QDir().mkpath(path);
    for (const QString& file : files) {
        QFile(QDir(path).filePath(file)).open(QIODevice::WriteOnly);
    }
    return path;
}

void ComeBack(QWidget& window) {
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace velnix::test
