#include "support/run_process.h"

#include <filesystem>

#include "support/temp_dir.h"
#include "util/files.h"
#include "util/unicode.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace velnix::test {

#ifdef _WIN32

namespace {

std::wstring Wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

// Quoting by the rules that CommandLineToArgvW undoes.
std::wstring QuoteArgument(const std::wstring& arg) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, L'\\');
    quoted.push_back(L'"');
    return quoted;
}

HANDLE InheritableFile(const std::u16string& path) {
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &security, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ProcessResult RunProcess(const std::u16string& program, const std::vector<std::string>& args,
                         const std::u16string& scratch) {
    const std::u16string outPath = JoinPath(scratch, u"stdout.bin");
    const std::u16string errPath = JoinPath(scratch, u"stderr.bin");
    std::wstring commandLine = QuoteArgument(Wide(program));
    for (const auto& arg : args) {
        commandLine += L" " + QuoteArgument(Wide(Utf8ToUtf16(arg)));
    }
    HANDLE out = InheritableFile(outPath);
    HANDLE err = InheritableFile(errPath);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    ProcessResult result;
    if (CreateProcessW(Wide(program).c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                       nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        result.exitCode = static_cast<int>(code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(out);
    CloseHandle(err);
    result.out = ReadBytes(outPath);
    result.err = ReadBytes(errPath);
    return result;
}

std::u16string OwnDirectory() {
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 4);
    const std::filesystem::path self(std::wstring(buffer, length));
    return FromFsPath(self.parent_path());
}

#else

ProcessResult RunProcess(const std::u16string& program, const std::vector<std::string>& args,
                         const std::u16string& scratch) {
    const std::string outPath = Utf16ToUtf8(JoinPath(scratch, u"stdout.bin"));
    const std::string errPath = Utf16ToUtf8(JoinPath(scratch, u"stderr.bin"));
    const std::string programPath = Utf16ToUtf8(program);
    std::vector<char*> argv{const_cast<char*>(programPath.c_str())};
    for (const auto& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    ProcessResult result;
    pid_t pid = 0;
    if (posix_spawn(&pid, programPath.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = ReadBytes(Utf8ToUtf16(outPath));
    result.err = ReadBytes(Utf8ToUtf16(errPath));
    return result;
}

std::u16string OwnDirectory() {
    return FromFsPath(std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

#endif

}  // namespace velnix::test
