#include "support/golden.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "util/atomic_write.h"
#include "util/file_read.h"
#include "util/paths.h"
#include "util/unicode.h"

namespace velnix::test {

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
    // Both from the start of the line where they part, escaped so that CR LF shows.
    const auto at = static_cast<std::size_t>(
        std::mismatch(golden.bytes.begin(), golden.bytes.end(), text.begin(), text.end()).first -
        golden.bytes.begin());
    const std::size_t from = at == 0 ? 0 : golden.bytes.rfind('\n', at - 1) + 1;
    const auto shown = [from](const std::string& s) {
        return testing::PrintToString(s.substr(std::min(from, s.size()), 240));
    };
    return testing::AssertionFailure()
           << "the text differs from tests/golden/" << name
           << (golden.ok ? "" : ", which cannot be read,") << " (" << golden.bytes.size()
           << " bytes expected, " << text.size() << " bytes made) in line "
           << std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(from), '\n') + 1
           << ":\nexpected " << shown(golden.bytes) << "\nmade     " << shown(text)
           << "\nIf the change is meant: VELNIX_UPDATE_GOLDEN=1 ctest, then git diff tests/golden";
}

}  // namespace velnix::test
