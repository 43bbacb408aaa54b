// Runs every registered QtTest class in one program; ctest runs it headless.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <cstdio>

#include "shell/app.h"
#include "shell/test_registry.h"

#ifdef _WIN32
namespace {

// Under Wine QtTest's report to the standard output goes missing; through a file it arrives.
int RunReportingThroughFile(QObject* test, int argc, char** argv) {
    const QString report = QDir::temp().filePath(QStringLiteral("velnix_shell_tests.txt"));
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    args << QStringLiteral("-o") << report + QStringLiteral(",txt");
    const int failures = QTest::qExec(test, args);
    QFile file(report);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray text = file.readAll();
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
        std::fflush(stdout);
    }
    file.remove();
    return failures;
}

}  // namespace
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velnix::shell::PrepareApplication();
    int failures = 0;
    for (const auto& factory : velnix::test::QtTests()) {
#ifdef _WIN32
        failures += RunReportingThroughFile(factory().get(), argc, argv);
#else
        failures += QTest::qExec(factory().get(), argc, argv);
#endif
    }
    return failures == 0 ? 0 : 1;
}
