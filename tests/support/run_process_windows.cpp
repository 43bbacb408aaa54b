// Child processes on Windows: CreateProcessW with the output redirected to files.
#include <windows.h>

#include <filesystem>

#include "support/run_process.h"
#include "util/paths.h"
#include "util/unicode.h"

namespace velnix::test {
namespace {

HANDLE InheritableFile(const std::u16string& path) {
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(ToFsPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &security,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

int RunWithOutputInFolder(const std::u16string& program, const std::vector<std::string>& args,
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

std::u16string OwnDirectory() {
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 4);
    return FromFsPath(std::filesystem::path(std::wstring(buffer, length)).parent_path());
}

std::u16string CliProgram() {
    return JoinPath(OwnDirectory(), u"velnix-cli.exe");
}

const bool kOnPosix = false;

}  // namespace velnix::test
