#include "shell/app.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "shell/main_window.h"
#include "shell/pictures.h"
#include "shell/platform/desktop_platform.h"
#include "shell/platform/os.h"

namespace velnix::shell {
namespace {

// Ends the program once the main window has painted itself: the start-up benchmark.
class QuitOnFirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }
};

// Enter presses the focused button, as on Windows; Qt leaves that to buttons of dialogs.
class EnterPressesButtons : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return false;
        }
        // A held key presses once.
        if (!key->isAutoRepeat()) {
            button->click();
        }
        return true;
    }
};

}  // namespace

int RunVelnix(int argc, char** argv, const RunOptions& options) {
    if (!os::HasDisplay()) {
        std::fputs(
            "velnix: no display here. Start it under Xvfb (xvfb-run velnix) or use velnix-cli.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    PrepareApplication();
    InstallGermanQtTexts(app, QLocale::system().uiLanguages());

    DesktopPlatform platform;
    MainWindow window(platform);
    QuitOnFirstPaint quitOnFirstPaint;
    if (options.quitWhenShown) {
        window.installEventFilter(&quitOnFirstPaint);
    }
    window.show();
    return QApplication::exec();
}

void PrepareApplication() {
    QApplication::setApplicationName(QStringLiteral("Velnix"));
    QApplication::setApplicationVersion(QStringLiteral(VELNIX_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("velnix"));
    QApplication::setWindowIcon(pictures::ProgramIcon());
    // The system's own interface font at the 8 points that the window's layout was drawn for.
    QFont font = QApplication::font();
    os::UseInterfaceFontFamily(font);
    font.setPointSize(8);
    QApplication::setFont(font);
    qApp->installEventFilter(new EnterPressesButtons(qApp));
}

bool InstallGermanQtTexts(QCoreApplication& app, const QStringList& uiLanguages) {
    if (uiLanguages.isEmpty() || QLocale(uiLanguages.first()).language() != QLocale::German) {
        return false;
    }
    bool installed = false;
    for (const char* catalogue : {"qtbase_de", "qscintilla_de"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QStringLiteral(":/translations/") + QLatin1String(catalogue)) &&
            QCoreApplication::installTranslator(translator)) {
            installed = true;
        } else {
            delete translator;
        }
    }
    return installed;
}

}  // namespace velnix::shell
