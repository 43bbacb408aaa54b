// What atomic writes keep on POSIX, the target's permissions and symbolic links, and links in
// the working folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "check/working_folder.h"
#include "support/temp_dir.h"
#include "util/atomic_write.h"
#include "util/paths.h"

namespace velnix {
namespace {

using namespace test;

// The target keeps its permissions, and a link stays a link to the file written.
TEST(FilesTest, WritesThroughSymbolicLinksKeepingThePermissions) {
    TempDir dir;
    const std::filesystem::path folder = ToFsPath(dir.path());
    WriteBytes(dir.File(u"echt/rename.pro"), "a long first version\r\n");
    const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                      std::filesystem::perms::group_read;
    std::filesystem::permissions(folder / "echt/rename.pro", mode);
    std::filesystem::create_symlink("echt/rename.pro", folder / "rename.pro");
    ASSERT_TRUE(WriteFileAtomically(folder / "rename.pro", "neu").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "rename.pro"));
    EXPECT_EQ(ReadBytes(dir.File(u"echt/rename.pro")), "neu");
    EXPECT_EQ(std::filesystem::status(folder / "echt/rename.pro").permissions(), mode);

    std::filesystem::create_symlink("schleife", folder / "schleife");
    const Status loop = WriteFileAtomically(folder / "schleife", "x");
    EXPECT_NE(loop.message.find(u"symbolische Verknüpfungen"), std::u16string::npos);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "schleife"));
}

// A model may be a link to a file elsewhere; a link to a folder or to nothing is none.
TEST(FilesTest, TheWorkingFolderTakesLinksToFiles) {
    TempDir dir;
    const std::filesystem::path folder = ToFsPath(dir.path());
    WriteBytes(dir.File(u"echt/teil.prt.3"), "");
    std::filesystem::create_symlink("echt/teil.prt.3", folder / "link.prt.1");
    std::filesystem::create_directory_symlink("echt", folder / "ordner.prt");
    std::filesystem::create_symlink("fehlt", folder / "fehlt.prt");
    EXPECT_EQ(ReadWorkingFolder(dir.path()).models->sorted(), NameList{u"link.prt"});
}

}  // namespace
}  // namespace velnix
