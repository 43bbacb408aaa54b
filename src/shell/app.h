// Start of the window program: the application object, the main window, the event loop.
#pragma once

#include <QStringList>

class QCoreApplication;

namespace velnix::shell {

struct RunOptions {
    // For the start-up benchmark: end as soon as the window is on the screen.
    bool quitWhenShown = false;
};

int RunVelnix(int argc, char** argv, const RunOptions& options = {});

// The application's names, icon, 8-point font and Enter on buttons, alike in the program and
// its tests; once per application.
void PrepareApplication();

// Qt's and QScintilla's own texts (context menus, standard buttons) in German when the
// first of the user's languages is German; true when they were installed.
bool InstallGermanQtTexts(QCoreApplication& app, const QStringList& uiLanguages);

}  // namespace velnix::shell
