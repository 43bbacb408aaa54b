#include "shell/window_test.h"

#include <QDir>
#include <QFile>
#include <QOperatingSystemVersion>
#include <QTest>
#include <cstdio>

#include "shell/app.h"

namespace velnix::test {

int RunWindowTest(QObject& test, int argc, char** argv) {
    shell::PrepareApplication();
    if (QOperatingSystemVersion::currentType() != QOperatingSystemVersion::Windows) {
        return QTest::qExec(&test, argc, argv) == 0 ? 0 : 1;
    }
    // Under Wine QtTest's report to the standard output goes missing; through a file it arrives.
    const QString report = QDir::temp().filePath(
        QString::fromLatin1(test.metaObject()->className()).section(u':', -1) + ".txt");
    const QStringList args = QCoreApplication::arguments()
                             << QStringLiteral("-o") << report + QStringLiteral(",txt");
    const int failures = QTest::qExec(&test, args);
    QFile file(report);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray text = file.readAll();
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
        std::fflush(stdout);
    }
    file.remove();
    return failures == 0 ? 0 : 1;
}

}  // namespace velnix::test
