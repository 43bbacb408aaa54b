// The command line: argument parsing and the generate command.
#pragma once

#include <string>
#include <vector>

namespace velnix::cli {

enum ExitCode : int {
    kWritten = 0,
    kCannotCompose = 1,  // counts differ, unwritable name, bad input, not enough memory
    kUsageError = 2,
    kWriteFailed = 3,
};

// Runs velnix-cli with its arguments (as Arguments gives them, the program name first).
int Run(const std::vector<std::string>& args);

}  // namespace velnix::cli
