#include <sys/resource.h>

#include "window_system.h"

namespace velnix::bench {

std::size_t PeakMemoryBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::size_t>(usage.ru_maxrss) * 1024;  // kilobytes on Linux
}

const char* SystemName() {
    return "Linux";
}

double GenerateGoalMs() {
    return 400;
}

}  // namespace velnix::bench
