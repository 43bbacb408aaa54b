#include "shell/window_test.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <cstdio>

#include "shell/app.h"

namespace velnix::test {
namespace {

#ifdef _WIN32
// Under Wine QtTest's report to the standard output goes missing; through a file it arrives.
int RunReportingThroughFile(QObject& test, int argc, char** argv) {
    const QString report =
        QDir::temp().filePath(QString::fromLatin1(test.metaObject()->className())
                                  .replace(QStringLiteral("::"), QStringLiteral("_")) +
                              QStringLiteral(".txt"));
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    args << QStringLiteral("-o") << report + QStringLiteral(",txt");
    const int failures = QTest::qExec(&test, args);
    QFile file(report);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray text = file.readAll();
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
        std::fflush(stdout);
    }
    file.remove();
    return failures;
}
#endif

}  // namespace

int RunWindowTest(QObject& test, int argc, char** argv) {
    shell::PrepareApplication();
#ifdef _WIN32
    const int failures = RunReportingThroughFile(test, argc, argv);
#else
    const int failures = QTest::qExec(&test, argc, argv);
#endif
    return failures == 0 ? 0 : 1;
}

}  // namespace velnix::test
