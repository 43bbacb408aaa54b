#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include "window_system.h"

namespace velnix::bench {

std::size_t PeakMemoryBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)) == 0) {
        return 0;
    }
    return counters.PeakWorkingSetSize;
}

const char* SystemName() {
    return "Windows under Wine";
}

double GenerateGoalMs() {
    return 800;
}

}  // namespace velnix::bench
