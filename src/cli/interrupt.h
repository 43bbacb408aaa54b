// Ctrl+C and SIGTERM end velnix-cli without leaving a temporary file behind.
#pragma once

namespace velnix::cli {

// From now on SIGINT and SIGTERM (and Ctrl+Break on Windows) first remove the named temporary
// of a write in progress, then end the program as they would have.
void RemoveTemporaryOnInterrupt();

}  // namespace velnix::cli
