// Entry of velnix, the window program.
#include "shell/app.h"

int main(int argc, char** argv) {
    return velnix::shell::RunVelnix(argc, argv);
}
