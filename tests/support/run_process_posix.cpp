// Child processes on POSIX: sh with the output redirected to files.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "support/run_process.h"
#include "util/paths.h"
#include "util/unicode.h"

namespace velnix::test {
namespace {

// Inside single quotes sh takes every byte as it is; a quote closes them and opens them again.
std::string ShellWord(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

int RunWithOutputInFolder(const std::u16string& program, const std::vector<std::string>& args,
                          const std::u16string& folder) {
    std::string line =
        "cd " + ShellWord(Utf16ToUtf8(folder)) + " && exec " + ShellWord(Utf16ToUtf8(program));
    for (const auto& arg : args) {
        line += " " + ShellWord(arg);
    }
    const int status = std::system((line + " >stdout.bin 2>stderr.bin").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::u16string OwnDirectory() {
    return FromFsPath(std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

std::u16string CliProgram() {
    return JoinPath(OwnDirectory(), u"velnix-cli");
}

const bool kOnPosix = true;

}  // namespace velnix::test
