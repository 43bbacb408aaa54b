// The list check against the files of its working folder, and what the folder adds to a list.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "check/folder_check.h"
#include "check/list_check.h"
#include "check/order_repair.h"
#include "support/temp_dir.h"
#include "util/paths.h"
#include "util/unicode.h"

namespace velnix {
namespace {

WorkingFolder Folder(const NameList& fileNames) {
    return {u"/arbeit", FolderModels(fileNames), {}};
}

struct FolderCase {
    const char* what;
    NameList files;
    NameList oldNames;
    NameList newNames;
    std::vector<std::string> expected;  // "row:code", the list's findings too
    std::u16string said = {};           // a part of one of the sentences
    NameList intermediates = {};
    bool loadFolder = false;
};

class FolderCheckTest : public testing::TestWithParam<FolderCase> {};

TEST_P(FolderCheckTest, FindsExactlyTheExpectedProblems) {
    const FolderCase& c = GetParam();
    const WorkingFolder folder = Folder(c.files);
    std::vector<std::string> found;
    std::u16string sentences;
    for (const auto& finding :
         CheckLists(c.oldNames, c.newNames, {c.intermediates, {}, {}, &folder, c.loadFolder})) {
        found.push_back(std::to_string(finding.row) + ":" + FindingCodeName(finding.code));
        sentences += finding.message + u"\n";
    }
    EXPECT_EQ(found, c.expected) << c.what;
    EXPECT_NE(sentences.find(c.said), std::u16string::npos)
        << c.what << ": " << Utf16ToUtf8(sentences);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Folders, FolderCheckTest, testing::Values(
    FolderCase{"versions and letter case", {u"Motor.PRT.3", u"motor.prt.4", u"b.prt.7"},
               {u"MOTOR.prt", u"x.prt"}, {u"welle.prt", u"B.prt"},
               {"2:fehlt-im-ordner", "2:belegt-im-ordner"}},
    FolderCase{"a chain in its order frees the name", {u"a.prt", u"b.prt"},
               {u"b.prt", u"a.prt"}, {u"c.prt", u"b.prt"}, {}},
    FolderCase{"a chain written backwards is the order's", {u"a.prt", u"b.prt"},
               {u"a.prt", u"b.prt"}, {u"b.prt", u"c.prt"}, {"1:reihenfolge"}},
    FolderCase{"a name the folder lacks made by an earlier pair", {u"a.prt"},
               {u"a.prt", u"b.prt"}, {u"b.prt", u"c.prt"}, {}},
    FolderCase{"made by a later pair", {u"a.prt"}, {u"b.prt", u"a.prt"}, {u"c.prt", u"b.prt"},
               {"1:reihenfolge"}, u"der alte Name entsteht erst in Zeile 2"},
    FolderCase{"a swap is the order's", {u"a.prt", u"b.prt"}, {u"a.prt", u"b.prt"},
               {u"b.prt", u"a.prt"}, {"1:ring", "2:ring"}},
    FolderCase{"a swap of names the folder lacks makes neither", {u"x.prt"}, {u"a.prt", u"b.prt"},
               {u"b.prt", u"a.prt"},
               {"1:fehlt-im-ordner", "1:ring", "2:fehlt-im-ordner", "2:ring"}},
    FolderCase{"a repaired ring", {u"a.prt", u"b.prt"}, {u"a.prt", u"b.prt", u"a_velnix1.prt"},
               {u"a_velnix1.prt", u"a.prt", u"b.prt"}, {}, {}, {u"a_velnix1.prt"}},
    FolderCase{"a name made from an intermediate name", {u"a.prt"},
               {u"a.prt", u"a_velnix1.prt", u"x.prt"}, {u"a_velnix1.prt", u"x.prt", u"y.prt"}, {},
               {}, {u"a_velnix1.prt"}},
    FolderCase{"an intermediate name the folder holds", {u"a.prt", u"b.prt", u"a_velnix1.prt"},
               {u"a.prt", u"b.prt", u"a_velnix1.prt"}, {u"a_velnix1.prt", u"a.prt", u"b.prt"},
               {"1:belegt-im-ordner"}, u"den neuen Namen gibt es im Ordner \"/arbeit\" schon; "
               u"das Umbenennen schlägt fehl.", {u"a_velnix1.prt"}},
    FolderCase{"names the list check names already", {u"a.prt", u"b.prt", u"x.prt", u"c.prt", u"d.prt"},
               {u"b.prt", u"a.prt", u"q.prt", u"q.prt", u"c.prt", u"d.prt"},
               {u"b.prt", u"b.prt", u"y.prt", u"z.prt", u"x.prt", u"x.prt"},
               {"1:unveraendert", "2:belegt", "3:fehlt-im-ordner", "4:alt-doppelt",
                "5:belegt-im-ordner", "6:neu-doppelt"}},
    FolderCase{"drawings of parts and assemblies",
               {u"motor.asm", u"Motor.drw.2", u"welle.prt", u"welle.drw", u"lager.prt",
                u"lager.drw", u"kopf.prt"},
               {u"motor.asm", u"welle.prt", u"welle.asm", u"lager.prt", u"lager.drw",
                u"kopf.prt"},
               {u"antrieb.asm", u"achse.prt", u"achse.asm", u"kugel.prt", u"kugel_alt.drw",
                u"haupt.prt"},
               {"1:zeichnung-fehlt", "2:zeichnung-fehlt", "3:fehlt-im-ordner",
                "5:zeichnungsname"},
               {}, {}, true},
    FolderCase{"assemblies and drawings not in session",
               {u"a.prt", u"top.asm.1", u"top.asm.2", u"top.drw", u"sub.asm", u"neu.asm",
                u"b.drw", u"c.drw", u"d.drw", u"e.drw"},
               {u"a.prt", u"b.drw", u"x.asm"}, {u"z.prt", u"b2.drw", u"neu.asm"},
               {"0:nicht-in-sitzung", "3:fehlt-im-ordner", "3:belegt-im-ordner"},
               u"Im Ordner \"/arbeit\" liegen 2 Baugruppen und 4 Zeichnungen, die nicht in der "
               u"Liste stehen (c.drw, d.drw, e.drw, sub.asm, top.asm und 1 weitere): sie sind "
               u"beim Umbenennen nicht geladen"},
    FolderCase{"one of them", {u"a.prt", u"top.asm"}, {u"a.prt"}, {u"z.prt"},
               {"0:nicht-in-sitzung"},
               u"Im Ordner \"/arbeit\" liegt 1 Baugruppe, die nicht in der Liste steht (top.asm): "
               u"sie ist beim"},
    FolderCase{"loaded along", {u"a.prt", u"top.asm"}, {u"a.prt"}, {u"z.prt"}, {}, {}, {}, true},
    FolderCase{"only drawings renamed", {u"x.drw", u"top.asm"}, {u"x.drw"}, {u"y.drw"}, {}}));
// clang-format on

TEST(FolderCheckTest, AFolderThatCannotBeReadLeavesTheListCheck) {
    const WorkingFolder folder{u"/weg", std::nullopt, u"das Verzeichnis gibt es nicht"};
    const std::vector<Finding> findings =
        CheckLists({u"a.prt", u"b.prt"}, {u"b.prt", u"a.prt"}, {{}, {}, {}, &folder, false});
    ASSERT_EQ(findings.size(), 3U);
    EXPECT_EQ(findings[0].code, FindingCode::FolderUnreadable);
    EXPECT_EQ(findings[0].message,
              u"Der Ordner \"/weg\" lässt sich nicht lesen (das Verzeichnis gibt es nicht); "
              u"geprüft ist nur die Liste selbst.");
    EXPECT_EQ(findings[2].code, FindingCode::Ring);
}

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

TEST(FolderCheckTest, TheRepairTakesTheFolderIntoAccount) {
    const WorkingFolder folder = Folder({u"a.prt", u"b.prt", u"a_velnix1.prt.2", u"x.prt"});
    const Result<RepairedList> ring =
        RepairOrder({u"a.prt", u"b.prt"}, {u"b.prt", u"a.prt"}, {{}, {}, {}, &folder, false});
    ASSERT_TRUE(ring.ok());
    EXPECT_EQ(ring.value->intermediates, (NameList{u"a_velnix2.prt"}));
    // c.prt exists only once x.prt has been renamed to it.
    const Result<RepairedList> chain =
        RepairOrder({u"c.prt", u"x.prt"}, {u"d.prt", u"c.prt"}, {{}, {}, {}, &folder, false});
    ASSERT_TRUE(chain.ok());
    EXPECT_EQ(chain.value->pairs.oldNames, (NameList{u"x.prt", u"c.prt"}));
}

TEST(FolderCheckTest, ReadsTheFilesOfTheFolderOnly) {
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
    EXPECT_EQ(read.path, dir.path());

    const WorkingFolder missing = ReadWorkingFolder(dir.File(u"fehlt"));
    EXPECT_FALSE(missing.models);
    EXPECT_NE(missing.unreadable.find(u"gibt es nicht"), std::u16string::npos);
    EXPECT_FALSE(ReadWorkingFolder(dir.File(u"teil.prt")).models);
}

}  // namespace
}  // namespace velnix
