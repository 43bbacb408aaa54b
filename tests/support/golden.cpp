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
    const std::string golden = ReadWholeFile(file).bytes;
    if (golden == text) {
        return testing::AssertionSuccess();
    }
    const auto differ = std::mismatch(golden.begin(), golden.end(), text.begin(), text.end());
    const std::size_t line = golden.rfind('\n', differ.first - golden.begin()) + 1;  // npos + 1: 0
    const auto from = [line](const std::string& t) {
        return testing::PrintToString(t.substr(std::min(line, t.size()), 160));
    };
    return testing::AssertionFailure()
           << "the text differs from tests/golden/" << name << " (" << golden.size()
           << " bytes expected, " << text.size() << " bytes made) from line "
           << std::count(golden.data(), golden.data() + line, '\n') + 1 << " on:\nexpected "
           << from(golden) << "\nmade     " << from(text)
           << "\nIf the change is meant: VELNIX_UPDATE_GOLDEN=1 ctest, then git diff tests/golden";
}

}  // namespace velnix::test
