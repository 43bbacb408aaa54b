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

QString Entries(const QListWidget* list, bool marks) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        texts << (marks && item->isSelected() ? "[" + item->text() + "]" : item->text());
    }
    return texts.join(',');
}

void ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
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
    ShowActive(elsewhere);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace velnix::test
