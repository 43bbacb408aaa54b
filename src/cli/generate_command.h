// The command line: argument parsing and the generate command.
#pragma once

#include <string>
#include <vector>

namespace velnix::cli {

enum ExitCode : int {
    kWritten = 0,
    kCannotCompose = 1,  // counts differ, unsafe name, character outside the code page, bad input
    kUsageError = 2,
    kWriteFailed = 3,
};

// Runs velnix-cli with its arguments (UTF-8, the program name first).
int Run(const std::vector<std::string>& args);

}  // namespace velnix::cli
