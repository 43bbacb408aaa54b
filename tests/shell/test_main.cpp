// Runs every registered QtTest class in one program, headless.
#include <QApplication>
#include <QTest>

#include "shell/app.h"
#include "shell/test_registry.h"

int main(int argc, char** argv) {
#ifndef _WIN32
    // Headless here; on Windows the tests use the real platform (under Wine, a virtual display).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    QApplication app(argc, argv);
    velnix::shell::PrepareApplication();
    int failures = 0;
    for (const auto& factory : velnix::test::QtTests()) {
        failures += QTest::qExec(factory().get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
