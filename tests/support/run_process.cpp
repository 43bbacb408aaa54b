#include "support/run_process.h"

#include <filesystem>

#include "support/temp_dir.h"
#include "util/files.h"
#include "util/unicode.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <thread>
extern char** environ;
#endif

namespace velnix::test {

#ifdef _WIN32

namespace {

std::wstring Wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

HANDLE InheritableFile(const std::u16string& path) {
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &security, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProcessResult RunProcess(const std::u16string& program, const std::vector<std::string>& args,
                         const std::u16string& folder, std::chrono::microseconds, int) {
    // Quoted for CommandLineToArgvW: no argument here holds a quote or ends in a backslash.
    std::wstring commandLine = L"\"" + Wide(program) + L"\"";
    for (const auto& arg : args) {
        commandLine += L" \"" + Wide(Utf8ToUtf16(arg)) + L"\"";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = InheritableFile(JoinPath(folder, u"stdout.bin"));
    startup.hStdError = InheritableFile(JoinPath(folder, u"stderr.bin"));
    PROCESS_INFORMATION process{};
    ProcessResult result;
    if (CreateProcessW(Wide(program).c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                       Wide(folder).c_str(), &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        result.exitCode = static_cast<int>(code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    result.out = ReadBytes(JoinPath(folder, u"stdout.bin"));
    result.err = ReadBytes(JoinPath(folder, u"stderr.bin"));
    return result;
}

std::u16string OwnDirectory() {
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 4);
    return FromFsPath(std::filesystem::path(std::wstring(buffer, length)).parent_path());
}

#else

ProcessResult RunProcess(const std::u16string& program, const std::vector<std::string>& args,
                         const std::u16string& folder, std::chrono::microseconds delay,
                         int signal) {
    const std::string programPath = Utf16ToUtf8(program);
    std::vector<char*> argv{const_cast<char*>(programPath.c_str())};
    for (const auto& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, Utf16ToUtf8(folder).c_str());
    posix_spawn_file_actions_addopen(&actions, 1, "stdout.bin", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "stderr.bin", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ProcessResult result;
    pid_t pid = 0;
    if (posix_spawn(&pid, programPath.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        if (signal != 0) {
            std::this_thread::sleep_for(delay);
            kill(pid, signal);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = ReadBytes(JoinPath(folder, u"stdout.bin"));
    result.err = ReadBytes(JoinPath(folder, u"stderr.bin"));
    return result;
}

std::u16string OwnDirectory() {
    return FromFsPath(std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

#endif

}  // namespace velnix::test
