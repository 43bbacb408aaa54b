// velnix as it starts, ending as soon as its window has painted: tools/bench-start times it.
#include "shell/app.h"

int main(int argc, char** argv) {
    return velnix::shell::RunVelnix(argc, argv, {/*quitWhenShown=*/true});
}
