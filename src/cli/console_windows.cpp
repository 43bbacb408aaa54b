// The command line on Windows: arguments from the wide command line, text to the console wide.
#include "cli/console.h"

#include <windows.h>
// The shell's header needs the declarations of windows.h first.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include "util/unicode.h"

namespace velnix::cli {
namespace {

void AppendUtf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
        return;
    }
    const int length = cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
    static const unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    out.push_back(static_cast<char>(kLead[length] | (cp >> (6 * (length - 1)))));
    for (int k = length - 2; k >= 0; --k) {
        out.push_back(static_cast<char>(0x80 | ((cp >> (6 * k)) & 0x3F)));
    }
}

// UTF-8 of the wide text; a surrogate without its partner is encoded like any code point.
std::string WideArgument(const wchar_t* wide) {
    std::string out;
    for (const wchar_t* c = wide; *c != 0; ++c) {
        char32_t cp = static_cast<char16_t>(*c);
        if (cp >= 0xD800 && cp <= 0xDBFF && c[1] >= 0xDC00 && c[1] <= 0xDFFF) {
            ++c;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char16_t>(*c) - 0xDC00);
        }
        AppendUtf8(cp, out);
    }
    return out;
}

// The reverse of WideArgument, for the bytes it made.
std::wstring WideOf(const std::string& argument) {
    std::wstring wide;
    for (std::size_t i = 0; i < argument.size();) {
        const auto lead = static_cast<unsigned char>(argument[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < argument.size(); ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(argument[i + k]) & 0x3F);
        }
        i += length;
        if (cp >= 0x10000) {
            wide.push_back(static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10)));
            wide.push_back(static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            wide.push_back(static_cast<wchar_t>(cp));
        }
    }
    return wide;
}

}  // namespace

std::vector<std::string> Arguments(int argc, char** argv) {
    (void)argc;
    (void)argv;
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; wide != nullptr && i < count; ++i) {
        args.push_back(WideArgument(wide[i]));
    }
    LocalFree(wide);
    return args;
}

std::filesystem::path ArgumentPath(const std::string& argument) {
    return std::filesystem::path(WideOf(argument));
}

bool WriteText(std::FILE* stream, std::u16string_view text) {
    HANDLE handle = GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        DWORD written = 0;
        return WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written,
                             nullptr) != 0 &&
               written == text.size();
    }
    return WriteBytes(stream, Utf16ToUtf8(text));
}

void PrepareBinaryOutput(std::FILE* stream) {
    _setmode(_fileno(stream), _O_BINARY);
}

}  // namespace velnix::cli
