#include "support/run_process.h"

#include <filesystem>

#include "support/temp_dir.h"
#include "util/paths.h"
#include "util/unicode.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>

#include <cstdlib>
#endif

namespace velnix::test {
namespace {

#ifdef _WIN32

HANDLE InheritableFile(const std::u16string& path) {
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(ToFsPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &security,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

int Run(const std::u16string& program, const std::vector<std::string>& args,
        const std::u16string& folder) {
    // Quoted for CommandLineToArgvW: no argument here holds a quote or ends in a backslash.
    std::wstring commandLine = L"\"" + ToFsPath(program).native() + L"\"";
    for (const auto& arg : args) {
        commandLine += L" \"" + ToFsPath(Utf8ToUtf16(arg)).native() + L"\"";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = InheritableFile(JoinPath(folder, u"stdout.bin"));
    startup.hStdError = InheritableFile(JoinPath(folder, u"stderr.bin"));
    PROCESS_INFORMATION process{};
    DWORD code = static_cast<DWORD>(-1);
    if (CreateProcessW(ToFsPath(program).c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0,
                       nullptr, ToFsPath(folder).c_str(), &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    return static_cast<int>(code);
}

#else

// Inside single quotes sh takes every byte as it is; a quote closes them and opens them again.
std::string ShellWord(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

int Run(const std::u16string& program, const std::vector<std::string>& args,
        const std::u16string& folder) {
    std::string line =
        "cd " + ShellWord(Utf16ToUtf8(folder)) + " && exec " + ShellWord(Utf16ToUtf8(program));
    for (const auto& arg : args) {
        line += " " + ShellWord(arg);
    }
    const int status = std::system((line + " >stdout.bin 2>stderr.bin").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

}  // namespace

ProcessResult RunProcess(const std::u16string& program, const std::vector<std::string>& args,
                         const std::u16string& folder) {
    const int exitCode = Run(program, args, folder);
    return {exitCode, ReadBytes(JoinPath(folder, u"stdout.bin")),
            ReadBytes(JoinPath(folder, u"stderr.bin"))};
}

std::u16string OwnDirectory() {
#ifdef _WIN32
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 4);
    return FromFsPath(std::filesystem::path(std::wstring(buffer, length)).parent_path());
#else
    return FromFsPath(std::filesystem::read_symlink("/proc/self/exe").parent_path());
#endif
}

std::u16string CliProgram() {
#ifdef _WIN32
    return JoinPath(OwnDirectory(), u"velnix-cli.exe");
#else
    return JoinPath(OwnDirectory(), u"velnix-cli");
#endif
}

}  // namespace velnix::test
