#include "cli/interrupt.h"

#include <csignal>

#include "util/atomic_write.h"

namespace velnix::cli {
namespace {

void OnInterrupt(int signal) {
    RemoveUnfinishedTemporary();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void RemoveTemporaryOnInterrupt() {
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
#ifdef SIGBREAK
    std::signal(SIGBREAK, OnInterrupt);
#endif
}

}  // namespace velnix::cli
