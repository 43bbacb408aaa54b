// Entry of velnix-cli, the command-line generator of rename.pro.
#include "cli/console.h"
#include "cli/generate_command.h"

int main(int argc, char** argv) {
    return velnix::cli::Run(velnix::cli::Utf8Arguments(argc, argv));
}
