#include "cli/console.h"

#include "util/unicode.h"

#ifdef _WIN32
#include <windows.h>
// The shell's header needs the declarations of windows.h first.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

namespace velnix::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    std::vector<std::string> args;
#ifdef _WIN32
    (void)argc;
    (void)argv;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; wide != nullptr && i < count; ++i) {
        const std::wstring arg(wide[i]);
        args.push_back(Utf16ToUtf8(std::u16string(arg.begin(), arg.end())));
    }
    LocalFree(wide);
#else
    args.assign(argv, argv + argc);
#endif
    return args;
}

void WriteMessage(std::FILE* stream, std::u16string_view text) {
    std::u16string line(text);
    line.push_back(u'\n');
#ifdef _WIN32
    HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        DWORD written = 0;
        WriteConsoleW(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        return;
    }
#endif
    WriteBytes(stream, Utf16ToUtf8(line));
}

void PrepareBinaryOutput(std::FILE* stream) {
#ifdef _WIN32
    _setmode(_fileno(stream), _O_BINARY);
#else
    (void)stream;
#endif
}

bool WriteBytes(std::FILE* stream, std::string_view bytes) {
    PrepareBinaryOutput(stream);
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stream);
    return std::fflush(stream) == 0 && written == bytes.size();
}

}  // namespace velnix::cli
