// Start of the window program: the application object, the main window, the event loop.
#pragma once

namespace velnix::shell {

struct RunOptions {
    // For the start-up benchmark: end as soon as the window is on the screen.
    bool quitWhenShown = false;
};

int RunVelnix(int argc, char** argv, const RunOptions& options = {});

}  // namespace velnix::shell
