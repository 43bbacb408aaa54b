// Runs a program as a child process and collects its exit code and output.
#pragma once

#include <string>
#include <vector>

namespace velnix::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;  // stdout, byte for byte
    std::string err;  // stderr, byte for byte
};

// Runs the program with `args` (UTF-8) in `folder`, which also takes the captured output.
ProcessResult RunProcess(const std::u16string& program, const std::vector<std::string>& args,
                         const std::u16string& folder);

// Each system's own: runs it with its output in stdout.bin and stderr.bin; -1: could not run.
int RunWithOutputInFolder(const std::u16string& program, const std::vector<std::string>& args,
                          const std::u16string& folder);

// True where processes are POSIX's: paths are bytes, and sh's ulimit can limit a child.
extern const bool kOnPosix;

// The folder of the running test program (the programs of the build sit beside it).
std::u16string OwnDirectory();

// velnix-cli of this build, beside the test program.
std::u16string CliProgram();

}  // namespace velnix::test
