// Golden files in tests/golden: a composed text compared byte for byte with what it must be.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace velnix::test {

// Passes when `text` equals the golden file `name` byte for byte, and otherwise shows both
// from the first line that differs (an unreadable file counts as empty). With
// VELNIX_UPDATE_GOLDEN=1 in the environment it writes `text` into the file in the source tree
// instead, so that `git diff tests/golden` shows the change.
testing::AssertionResult MatchesGolden(const std::string& name, const std::string& text);

}  // namespace velnix::test
