// The window with 32767 pairs: the time from the click on the generate button until the text
// stands in the output box, as median of a few rounds.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "sample_names.h"
#include "shell/fake_platform.h"
#include "shell/main_window.h"
#include "shell/mapping_table.h"
#include "shell/output_text.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velnix::test::FakePlatform platform;
    velnix::shell::MainWindow window(platform);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fputs("window_bench: the window did not appear\n", stderr);
        return 1;
    }
    auto* generate = window.findChild<QPushButton*>(QStringLiteral("cmd_mapkeyNow"));
    auto* output = window.findChild<velnix::shell::OutputText*>(QStringLiteral("txt_OUT"));
    const auto [oldNames, newNames] = velnix::bench::SamplePairs(32767);

    std::vector<double> milliseconds;
    for (int round = 0; round < 5; ++round) {
        window.mappingTable().setNames(velnix::ListId::Old, oldNames);
        window.mappingTable().setNames(velnix::ListId::New, newNames);
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(generate, Qt::LeftButton);
        QApplication::processEvents();
        milliseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const long length = output->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    std::printf(
        "generate 32767 pairs in the window: median %.0f ms (min %.0f, max %.0f), "
        "%ld bytes of text\n",
        milliseconds[milliseconds.size() / 2], milliseconds.front(), milliseconds.back(), length);
    window.close();
    return 0;
}
