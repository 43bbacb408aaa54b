#include "cli/console.h"

namespace velnix::cli {

bool WriteBytes(std::FILE* stream, std::string_view bytes) {
    PrepareBinaryOutput(stream);
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stream);
    return std::fflush(stream) == 0 && written == bytes.size();
}

bool WriteMessage(std::FILE* stream, std::u16string_view text) {
    std::u16string line(text);
    line.push_back(u'\n');
    return WriteText(stream, line);
}

}  // namespace velnix::cli
