// Runs every registered QtTest class in one program, headless.
#include <QApplication>
#include <QFont>
#include <QTest>
#include <vector>

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
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);
    int failures = 0;
    for (const auto& factory : velnix::test::Factories()) {
        const auto test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
