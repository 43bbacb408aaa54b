#include "support/golden.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "util/files.h"
#include "util/unicode.h"

namespace velnix::test {
namespace {

// The lines as the diff shows them: CR LF left off, other control bytes escaped, long lines
// cut (not inside a UTF-8 character).
std::vector<std::string> ShownLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end = 0; start < text.size(); start = end) {
        end = std::min(text.find('\n', start), text.size() - 1) + 1;
        std::string_view line = text.substr(start, end - start);
        const bool ended = line.back() == '\n';
        line.remove_suffix(line.size() >= 2 && line.substr(line.size() - 2) == "\r\n" ? 2 : 0);
        std::string& shown = lines.emplace_back();
        for (const unsigned char c : line) {
            if (shown.size() > 160 && (c & 0xC0) != 0x80) {
                shown += "... (" + std::to_string(end - start) + " bytes)";
                break;
            }
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += c < 0x20 || c == 0x7F ? escaped : std::string(1, static_cast<char>(c));
        }
        shown += ended ? "" : " (no line end)";
    }
    return lines;
}

}  // namespace

testing::AssertionResult MatchesGolden(const std::string& name, const std::string& text) {
    // The source folder's path from the build: under Wine a Linux path is one on drive Z:.
    const std::filesystem::path file = ToFsPath(Utf8ToUtf16(VELNIX_GOLDEN_DIR "/" + name));
    const char* const update = std::getenv("VELNIX_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        return WriteFileAtomically(file, text).ok
                   ? testing::AssertionSuccess()
                   : testing::AssertionFailure() << "cannot write " << file.string();
    }
    const FileRead golden = ReadWholeFile(file);
    if (golden.ok && golden.bytes == text) {
        return testing::AssertionSuccess();
    }
    // GoogleTest's own line diff, the one its comparisons of strings print.
    return testing::AssertionFailure()
           << "the text differs from tests/golden/" << name << " (" << golden.bytes.size()
           << " bytes expected, " << text.size() << " bytes made):\n--- " << name << "\n+++ made\n"
           << testing::internal::edit_distance::CreateUnifiedDiff(ShownLines(golden.bytes),
                                                                  ShownLines(text), 3)
           << "If the change is meant: VELNIX_UPDATE_GOLDEN=1 ctest, then git diff tests/golden";
}

}  // namespace velnix::test
