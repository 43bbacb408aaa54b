#include "support/golden.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "util/atomic_write.h"
#include "util/file_read.h"
#include "util/paths.h"
#include "util/unicode.h"

namespace velnix::test {
namespace {

// The lines as the diff shows them: without CR LF (a line without it is marked), long ones cut.
std::vector<std::string> ShownLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end = 0; start < text.size(); start = end) {
        end = std::min(text.find('\n', start), text.size() - 1) + 1;
        const std::string_view line = text.substr(start, end - start);
        const bool crLf = line.size() >= 2 && line.substr(line.size() - 2) == "\r\n";
        const std::string_view shown = line.substr(0, line.size() - (crLf ? 2 : 0));
        lines.push_back(std::string(shown.substr(0, 160)) + (shown.size() > 160 ? "..." : "") +
                        (crLf ? "" : " (no CR LF)"));
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
    // GoogleTest's own line diff (internal, but what its comparisons of strings print).
    return testing::AssertionFailure()
           << "the text differs from tests/golden/" << name
           << (golden.ok ? "" : ", which cannot be read,") << " (" << golden.bytes.size()
           << " bytes expected, " << text.size() << " bytes made):\n--- " << name << "\n+++ made\n"
           << testing::internal::edit_distance::CreateUnifiedDiff(ShownLines(golden.bytes),
                                                                  ShownLines(text), 3)
           << "If the change is meant: VELNIX_UPDATE_GOLDEN=1 ctest, then git diff tests/golden";
}

}  // namespace velnix::test
