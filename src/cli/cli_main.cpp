// Entry of velnix-cli, the command-line generator of rename.pro.
#include <new>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "cli/console.h"
#include "cli/interrupt.h"
#include "cli/run.h"

int main(int argc, char** argv) {
    using namespace velnix::cli;
#ifdef __GLIBC__
    // The check's thread would get a malloc arena of its own, which reserves 64 MB of address
    // space: under a memory limit every allocation there first fails, at great cost.
    mallopt(M_ARENA_MAX, 1);
    // Tables of a megabyte and more go back to the system when freed, instead of staying in
    // the heap, which glibc's moving threshold would otherwise let them do.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
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
