#include "util/atomic_write.h"
#include "util/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"
#include "util/atomic_write_system.h"
#include "util/unicode.h"

namespace velnix {
namespace {

using namespace test;

TEST(FilesTest, ExistenceTestsAnswerFalseOnEveryFailure) {
    TempDir dir;
    const std::u16string file = dir.File(u"teil.prt");
    WriteBytes(file, "x");
    EXPECT_TRUE(DirExists(dir.path()) && !FileExists(dir.path()));
    EXPECT_TRUE(FileExists(file) && !DirExists(file));
    EXPECT_FALSE(DirExists(dir.File(u"fehlt")) || FileExists(dir.File(u"fehlt")));
    EXPECT_FALSE(DirExists(u"") || FileExists(u""));
}

TEST(FilesTest, WriteRemovesTheTemporariesOfWritersThatAreGone) {
    TempDir dir;
    const std::string running = std::to_string(CurrentProcessId());
    const std::pair<std::string, bool> files[] = {
        {"rename.pro.velnix-99999999-0.tmp", false},  // no process has this id
        {"rename.pro.velnix-" + running + "-0.tmp", true},
        {"other.pro.velnix-99999999-0.tmp", true},
        {"rename.pro.velnix-99999999-0.tmp.bak", true},
        {"rename.pro.velnix-3.tmp", true},
        {"rename.pro.velnix-0-0.tmp", true},
    };
    for (const auto& [name, kept] : files) {
        WriteBytes(dir.File(Utf8ToUtf16(name)), "x");
    }
    ASSERT_TRUE(WriteFileAtomically(ToFsPath(dir.File(u"rename.pro")), "neu").ok);
    for (const auto& [name, kept] : files) {
        EXPECT_EQ(FileExists(dir.File(Utf8ToUtf16(name))), kept) << name;
    }
}

}  // namespace
}  // namespace velnix
