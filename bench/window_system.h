// What the window benchmark asks of the system it runs on: peak memory, name and goals.
#pragma once

#include <cstddef>

namespace velnix::bench {

// The most memory the process has held in RAM so far, in bytes.
std::size_t PeakMemoryBytes();

// "Linux" or "Windows under Wine", for the benchmark's lines.
const char* SystemName();

// The longest time from the generate button to the painted text that meets the goal there.
double GenerateGoalMs();

}  // namespace velnix::bench
