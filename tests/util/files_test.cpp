#include "util/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace velnix {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::size_t EntryCount(const std::u16string& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(ToFsPath(folder))) {
        ++count;
    }
    return count;
}

TEST(FilesTest, ExistenceTestsAnswerFalseOnEveryFailure) {
    TempDir dir;
    const std::u16string file = dir.File(u"teil.prt");
    WriteBytes(file, "x");
    const std::u16string missing = dir.File(u"fehlt");

    const struct {
        std::u16string path;
        bool isDirectory, isFile;
    } cases[] = {
        {dir.path(), true, false}, {file, false, true},
        {missing, false, false},   {JoinPath(missing, u"tiefer"), false, false},
        {u"", false, false},       {dir.File(u"K\u00fchler \u2603"), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirExists(c.path), c.isDirectory);
        EXPECT_EQ(FileExists(c.path), c.isFile);
    }
}

TEST(FilesTest, JoinPathAddsOneSeparator) {
    const std::u16string sep(1, kDirSeparator);
    EXPECT_EQ(JoinPath(u"dir", u"rename.pro"), u"dir" + sep + u"rename.pro");
    EXPECT_EQ(JoinPath(u"dir" + sep, u"rename.pro"), u"dir" + sep + u"rename.pro");
}

TEST(FilesTest, AtomicWriteReplacesWholeAndLeavesNoTemporary) {
    TempDir dir;
    const std::u16string target = dir.File(u"rename.pro");
    ASSERT_TRUE(WriteFileAtomically(target, "a long first version\r\n").ok);
    ASSERT_TRUE(WriteFileAtomically(target, "short").ok);
    EXPECT_EQ(ReadBytes(target), "short");
    EXPECT_EQ(EntryCount(dir.path()), 1u);
}

TEST(FilesTest, FailedWriteKeepsTargetAndSaysWhy) {
    TempDir dir;
    const std::u16string missingDir = dir.File(u"fehlt");
    const Status intoMissing = WriteFileAtomically(JoinPath(missingDir, u"rename.pro"), "x");
    EXPECT_FALSE(intoMissing.ok);
    EXPECT_EQ(intoMissing.message.rfind(u"Fehler : ", 0), 0u);
    EXPECT_NE(intoMissing.message.find(u"rename.pro"), std::u16string::npos);

    // A folder in the target's place cannot be replaced by a file.
    const std::u16string blocked = dir.File(u"blocked");
    std::filesystem::create_directory(ToFsPath(blocked));
    WriteBytes(JoinPath(blocked, u"inside"), "kept");
    EXPECT_FALSE(WriteFileAtomically(blocked, "x").ok);
    EXPECT_EQ(ReadBytes(JoinPath(blocked, u"inside")), "kept");
    EXPECT_EQ(EntryCount(dir.path()), 1u);
}

TEST(FilesTest, ReadTellsMissingFromUnreadable) {
    TempDir dir;
    const FileRead missing = ReadWholeFile(dir.File(u"fehlt.txt"));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.missing);

    const FileRead folder = ReadWholeFile(dir.path());
    EXPECT_FALSE(folder.ok);
    EXPECT_FALSE(folder.missing);
    EXPECT_EQ(folder.error.rfind(u"Fehler : ", 0), 0u);

    const std::string bytes("a\0b\r\n\xFC", 6);
    WriteBytes(dir.File(u"K\u00fchler.txt"), bytes);
    const FileRead present = ReadWholeFile(dir.File(u"K\u00fchler.txt"));
    EXPECT_TRUE(present.ok);
    EXPECT_EQ(present.bytes, bytes);
}

}  // namespace
}  // namespace velnix
