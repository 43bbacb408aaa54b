// Runs every registered QtTest class in one program, headless.
#include <QApplication>
#include <QTest>
#include <vector>

#include "shell/app.h"
#include "shell/message_box.h"
#include "shell/test_registry.h"

namespace velnix::test {

static std::vector<TestFactory>& Factories() {
    static std::vector<TestFactory> factories;
    return factories;
}

int RegisterQtTest(TestFactory factory) {
    Factories().push_back(std::move(factory));
    return static_cast<int>(Factories().size());
}

}  // namespace velnix::test

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
    for (const auto& factory : velnix::test::Factories()) {
        const auto test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
