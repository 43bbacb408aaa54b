// Entry of velnix-cli, the command-line generator of rename.pro.
#include <new>

#include "cli/console.h"
#include "cli/interrupt.h"
#include "cli/run.h"

int main(int argc, char** argv) {
    using namespace velnix::cli;
    RemoveTemporaryOnInterrupt();
    try {
        return Run(Arguments(argc, argv));
    } catch (const std::bad_alloc&) {
        // Unwinding has freed what the lists took and removed any temporary file.
        WriteMessage(stderr,
                     u"Fehler : Der Arbeitsspeicher reicht für diese Listen nicht aus. Die Datei "
                     u"rename.pro wurde nicht geschrieben !");
        return kCannotCompose;
    }
}
