// The command line on POSIX: arguments are bytes, the terminal takes UTF-8.
#include "cli/console.h"

#include "util/unicode.h"

namespace velnix::cli {

std::vector<std::string> Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::filesystem::path ArgumentPath(const std::string& argument) {
    return std::filesystem::path(argument);
}

bool WriteText(std::FILE* stream, std::u16string_view text) {
    return WriteBytes(stream, Utf16ToUtf8(text));
}

void PrepareBinaryOutput(std::FILE* stream) {
    static_cast<void>(stream);
}

}  // namespace velnix::cli
