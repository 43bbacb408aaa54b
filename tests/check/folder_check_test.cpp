// The working folder read, and what it adds to a list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check/folder_check.h"
#include "check/list_check.h"
#include "support/temp_dir.h"
#include "util/unicode.h"

namespace velnix {
namespace {

TEST(FolderCheckTest, DrawingsToTakeAlongFollowTheFirstPairOfTheirModel) {
    const NamePairs pairs{{u"Motor.asm", u"welle.prt", u"welle.asm", u"kopf.prt", u"lager.prt",
                           u"lager.drw", u"rad.prt"},
                          {u"Antrieb.asm", u"achse.prt", u"achse2.asm", u"haupt.prt", u"kugel.prt",
                           u"kugel.drw", u"RAD.prt"}};
    const FolderModels folder({u"motor.asm.2", u"motor.drw.3", u"welle.prt", u"welle.drw",
                               u"lager.prt", u"lager.drw", u"rad.prt", u"rad.drw"});
    const NamePairs drawings = DrawingsToTakeAlong(pairs, folder);
    EXPECT_EQ(drawings.oldNames, (NameList{u"Motor.drw", u"welle.drw"}));
    EXPECT_EQ(drawings.newNames, (NameList{u"Antrieb.drw", u"achse.drw"}));
}

TEST(FolderCheckTest, ModelsToLoadAlongAreTheOthersOnceEachSorted) {
    const NamePairs pairs{{u"m.prt", u"b.asm", u"q.drw"}, {u"m2.prt", u"b2.asm", u"C.drw"}};
    const FolderModels folder(
        {u"z.asm.1", u"Z.asm.2", u"a.drw", u"b.asm", u"m.prt", u"c.drw", u"n.asm", u"x.txt"});
    EXPECT_EQ(ModelsToLoadAlong(pairs, folder), (NameList{u"a.drw", u"n.asm", u"z.asm"}));
}

TEST(FolderCheckTest, EachOfManyModelsIsFoundInAnyCaseAndVersionOnce) {
    NameList files;
    for (int i = 0; i < 5000; ++i) {
        files.push_back(u"Teil" + Utf8ToUtf16(std::to_string(i)) + u".PRT." +
                        (i % 2 ? u"2" : u"1"));
    }
    files.push_back(u"teil0.prt.3");
    const FolderModels folder(files);
    EXPECT_EQ(folder.sorted().size(), 5000U);
    for (int i = 0; i < 5000; ++i) {
        const std::u16string number = Utf8ToUtf16(std::to_string(i));
        ASSERT_TRUE(folder.Has(u"TEIL" + number + u".prt")) << i;
        ASSERT_FALSE(folder.Has(u"teil" + number + u".asm")) << i;
    }
}

TEST(FolderCheckTest, FoldersAreTheSameWhenTheirModelsAre) {
    const FolderModels folder({u"a.prt.1", u"b.asm.2"});
    EXPECT_TRUE(folder == FolderModels({u"B.ASM.7", u"a.prt"}));
    EXPECT_FALSE(folder == FolderModels({u"a.prt.1", u"c.asm.2"}));
    EXPECT_FALSE(folder == FolderModels({u"a.prt.1"}));
    EXPECT_FALSE(folder == FolderModels({u"a.prt.", u"b.asm"}));  // a dot alone is no version
}

TEST(FolderCheckTest, ReadsTheFilesOfTheFolderOnlyOrSaysItCannot) {
    test::TempDir dir;
    // A version is a last part of digits after an extension: "a.12" and "b.prt.1.2" have none.
    for (const char16_t* file : {u"Motor.ASM.3", u"motor.asm.4", u"teil.prt", u"sub.prt/x.drw",
                                 u"a.12", u"b.prt.1.2", u"\u00c4.PRT.3"}) {
        test::WriteBytes(dir.File(file), "");
    }
    const WorkingFolder read = ReadWorkingFolder(dir.path());
    ASSERT_TRUE(read.models) << Utf16ToUtf8(read.unreadable);
    EXPECT_EQ(read.models->sorted(),
              (NameList{u"a.12", u"b.prt.1.2", u"motor.asm", u"teil.prt", u"\u00e4.prt"}));

    EXPECT_FALSE(ReadWorkingFolder(dir.File(u"teil.prt")).models);

    // One that cannot be read is said once, and the list check goes on.
    const WorkingFolder missing = ReadWorkingFolder(dir.File(u"fehlt"));
    const std::vector<Finding> findings =
        CheckLists({u"a.prt", u"b.prt"}, {u"b.prt", u"a.prt"}, {{}, {}, {}, &missing, false});
    ASSERT_EQ(findings.size(), 3U);
    EXPECT_EQ(findings[0].code, FindingCode::FolderUnreadable);
    EXPECT_NE(missing.unreadable.find(u"gibt es nicht"), std::u16string::npos);
    EXPECT_EQ(findings[0].message, u"Der Ordner \"" + dir.File(u"fehlt") +
                                       u"\" lässt sich nicht lesen (" + missing.unreadable +
                                       u"); geprüft ist nur die Liste selbst.");
    EXPECT_EQ(findings[2].code, FindingCode::Ring);
}

}  // namespace
}  // namespace velnix
