// The command line: its exit codes, and the arguments turned into one of its commands.
#pragma once

#include <string>
#include <vector>

namespace velnix::cli {

enum ExitCode : int {
    kWritten = 0,
    kCannotCompose = 1,  // counts differ, unwritable name, bad input, not enough memory
    kUsageError = 2,
    kWriteFailed = 3,
    kListHasErrors = 4,  // the check found Fehler (check, and generate --strict)
};

// Runs velnix-cli with its arguments (as Arguments gives them, the program name first).
int Run(const std::vector<std::string>& args);

}  // namespace velnix::cli
