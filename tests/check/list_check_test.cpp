// The list check, alone and against the files of its working folder.
#include "check/list_check.h"

#include <gtest/gtest.h>

#include <optional>

#include <set>
#include <string>
#include <vector>

#include "check/working_folder.h"
#include "util/unicode.h"

namespace velnix {
namespace {

struct CheckCase {
    const char* what;
    NameList oldNames;
    NameList newNames;
    std::vector<std::string> expected;  // "row:code"
    NameList intermediates = {};
    std::u16string said = {};  // a part of one of the sentences, naming the rows
    std::optional<NameList> files = std::nullopt;  // of the working folder "/arbeit", if checked
    bool loadFolder = false;
};

class ListCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(ListCheckTest, FindsExactlyTheExpectedProblems) {
    const CheckCase& c = GetParam();
    const WorkingFolder folder{u"/arbeit", FolderModels(c.files.value_or(NameList())), {}};
    std::vector<std::string> found;
    std::u16string sentences;
    for (const auto& finding :
         CheckLists(c.oldNames, c.newNames,
                    {c.intermediates, {}, {}, c.files ? &folder : nullptr, c.loadFolder})) {
        found.push_back(std::to_string(finding.row) + ":" + FindingCodeName(finding.code));
        const std::set<std::string> warnings = {"unveraendert",    "umlaut", "unbekannter-typ",
                                                "zeichnungsname",  "leer",   "zeichnung-fehlt",
                                                "nicht-in-sitzung"};
        EXPECT_EQ(finding.severity == Severity::Warning,
                  warnings.count(FindingCodeName(finding.code)) > 0);
        sentences += finding.message + u"\n";
    }
    EXPECT_EQ(found, c.expected) << c.what;
    EXPECT_NE(sentences.find(c.said), std::u16string::npos)
        << c.what << ": " << Utf16ToUtf8(sentences);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lists, ListCheckTest, testing::Values(
    CheckCase{"clean, drawing renamed with its model", {u"motor.asm", u"motor.drw", u"welle.prt"},
              {u"antrieb.asm", u"Antrieb.drw", u"achse.prt"}, {}},
    CheckCase{"chain in the wrong order", {u"x.prt", u"a.prt", u"b.prt"},
              {u"y.prt", u"B.PRT", u"c.prt"}, {"2:reihenfolge"}, {},
              u"Zeile 3 benennt ihn erst später um"},
    CheckCase{"ring of three, one pair outside", {u"a.prt", u"b.prt", u"x.prt", u"c.prt"},
              {u"b.prt", u"c.prt", u"y.prt", u"a.prt"}, {"1:ring", "2:ring", "4:ring"}, {},
              u"die Zeilen 1, 2 und 4 tauschen"},
    CheckCase{"a ring with a pair leading into it", {u"z.prt", u"a.prt", u"b.prt"},
              {u"a.prt", u"b.prt", u"a.prt"},
              {"1:reihenfolge", "2:ring", "3:neu-doppelt", "3:ring"}, {},
              u"die Zeilen 2 und 3 tauschen"},
    CheckCase{"two rings side by side", {u"a.prt", u"c.prt", u"b.prt", u"d.prt"},
              {u"b.prt", u"d.prt", u"a.prt", u"c.prt"}, {"1:ring", "2:ring", "3:ring", "4:ring"},
              {}, u"die Zeilen 2 und 4 tauschen"},
    CheckCase{"the same list as ordinary names is a ring of three",
              {u"a.prt", u"b.prt", u"a_velnix1.prt"}, {u"a_velnix1.prt", u"a.prt", u"b.prt"},
              {"1:ring", "2:ring", "3:ring"}},
    CheckCase{"an unchanged pair keeps its name", {u"b.prt", u"a.prt"}, {u"B.prt", u"b.prt"},
              {"1:unveraendert", "2:belegt"}, {},
              u"der neue Name bleibt belegt, weil Zeile 1 ihn behält"},
    CheckCase{"names that rename.pro cannot hold",
              {u"a\x01.prt", u"b.prt", u"c\u2603.prt", u"d.prt"},
              {u"x.prt", u"b`.prt", u"y.prt", u"d\x7f.prt"},
              {"1:nicht-schreibbar", "2:nicht-schreibbar", "3:nicht-schreibbar",
               "4:nicht-schreibbar"},
              {}, u"der alte Name enthält das Steuerzeichen \\x01 und lässt sich so nicht"},
    CheckCase{"empty lists", {}, {}, {"0:leer"}},
    CheckCase{"lengths, empty names", {u"", u"b.prt", u"c.prt"}, {u"x.prt", u""},
              {"0:laenge", "1:alt-leer", "2:neu-leer"}},
    CheckCase{"the same name twice", {u"a.prt", u"A.prt", u"c.prt", u"d.prt"},
              {u"x.prt", u"y.prt", u"z.prt", u"Z.PRT"}, {"2:alt-doppelt", "4:neu-doppelt"}, {},
              u"derselbe alte Name steht schon in Zeile 1"},
    CheckCase{"type, extension, folder, version, name rules",
              {u"a.prt", u"b.prt", u"c.prt", u"d.prt", u"e.prt", u"f.prt", u"g.prt"},
              {u"a2.asm", u"b2", u"C:\\x\\c2.prt", u"d2.prt.3",
               u"abcdefghijabcdefghijabcdefghijab.prt", u"f g.prt", u"-g.prt"},
              {"1:typ", "2:keine-endung", "3:ordner", "4:version", "5:zu-lang", "6:zeichen",
               "7:bindestrich"}},
    CheckCase{"warnings", {u"a.prt", u"b.prt", u"c.txt", u"motor.asm", u"motor.drw"},
              {u"A.prt", u"bä.prt", u"d.txt", u"antrieb.asm", u"motor_alt.drw"},
              {"1:unveraendert", "2:umlaut", "3:unbekannter-typ", "5:zeichnungsname"}},
    CheckCase{"versions and letter case", {u"MOTOR.prt", u"x.prt"}, {u"welle.prt", u"B.prt"},
              {"2:fehlt-im-ordner", "2:belegt-im-ordner"}, {},
              u"\"x.prt\" → \"B.prt\": den alten Namen gibt es im Ordner \"/arbeit\" nicht; das "
              u"Öffnen schlägt fehl.", NameList{u"Motor.PRT.3", u"motor.prt.4", u"b.prt.7"}},
    CheckCase{"a name the folder lacks made by an earlier pair", {u"a.prt", u"b.prt"},
              {u"b.prt", u"c.prt"}, {}, {}, {}, NameList{u"a.prt"}},
    CheckCase{"made by a later pair", {u"b.prt", u"a.prt"}, {u"c.prt", u"b.prt"},
              {"1:reihenfolge"}, {}, u"der alte Name entsteht erst in Zeile 2", NameList{u"a.prt"}},
    CheckCase{"a swap of names the folder lacks makes neither", {u"a.prt", u"b.prt"},
              {u"b.prt", u"a.prt"}, {"1:fehlt-im-ordner", "1:ring", "2:fehlt-im-ordner", "2:ring"},
              {}, {}, NameList{u"x.prt"}},
    CheckCase{"a name made from an intermediate name", {u"a.prt", u"a_velnix1.prt", u"x.prt"},
              {u"a_velnix1.prt", u"x.prt", u"y.prt"}, {}, {u"a_velnix1.prt"}, {},
              NameList{u"a.prt"}},
    CheckCase{"an intermediate name the folder holds", {u"a.prt", u"b.prt", u"a_velnix1.prt"},
              {u"a_velnix1.prt", u"a.prt", u"b.prt"}, {"1:belegt-im-ordner"}, {u"a_velnix1.prt"},
              u"den neuen Namen gibt es im Ordner \"/arbeit\" schon; das Umbenennen schlägt fehl.",
              NameList{u"a.prt", u"b.prt", u"a_velnix1.prt"}},
    CheckCase{"names the list check names already",
              {u"b.prt", u"a.prt", u"q.prt", u"q.prt", u"c.prt", u"d.prt"},
              {u"b.prt", u"b.prt", u"y.prt", u"z.prt", u"x.prt", u"x.prt"},
              {"1:unveraendert", "2:belegt", "3:fehlt-im-ordner", "4:alt-doppelt",
               "5:belegt-im-ordner", "6:neu-doppelt"}, {}, {},
              NameList{u"a.prt", u"b.prt", u"x.prt", u"c.prt", u"d.prt"}},
    CheckCase{"drawings of parts and assemblies",
              {u"motor.asm", u"welle.prt", u"welle.asm", u"lager.prt", u"lager.drw", u"kopf.prt"},
              {u"antrieb.asm", u"achse.prt", u"achse.asm", u"kugel.prt", u"kugel_alt.drw",
               u"haupt.prt"},
              {"1:zeichnung-fehlt", "2:zeichnung-fehlt", "3:fehlt-im-ordner", "5:zeichnungsname"},
              {}, u"\"motor.asm\" → \"antrieb.asm\": die Zeichnung \"motor.drw\" im Ordner heißt "
              u"wie dieses Modell, steht aber nicht in der Liste und behielte ihren Namen.",
              NameList{u"motor.asm", u"Motor.drw.2", u"welle.prt", u"welle.drw", u"lager.prt",
                       u"lager.drw", u"kopf.prt"}, true},
    CheckCase{"assemblies and drawings not in session", {u"a.prt", u"b.drw", u"x.asm"},
              {u"z.prt", u"b2.drw", u"neu.asm"},
              {"0:nicht-in-sitzung", "3:fehlt-im-ordner", "3:belegt-im-ordner"}, {},
              u"Im Ordner \"/arbeit\" liegen 2 Baugruppen und 4 Zeichnungen, die nicht in der "
              u"Liste stehen (c.drw, d.drw, e.drw, sub.asm, top.asm und 1 weitere): sie sind "
              u"beim Umbenennen nicht geladen, ihre Verweise auf umbenannte Modelle gehen verloren.",
              NameList{u"a.prt", u"top.asm.1", u"top.asm.2", u"top.drw", u"sub.asm", u"neu.asm",
                       u"b.drw", u"c.drw", u"d.drw", u"e.drw"}},
    CheckCase{"one of them", {u"a.prt"}, {u"z.prt"}, {"0:nicht-in-sitzung"}, {},
              u"Im Ordner \"/arbeit\" liegt 1 Baugruppe, die nicht in der Liste steht (top.asm): "
              u"sie ist beim", NameList{u"a.prt", u"top.asm"}},
    CheckCase{"only drawings renamed", {u"x.drw"}, {u"y.drw"}, {}, {}, {},
              NameList{u"x.drw", u"top.asm"}}));
// clang-format on

TEST(ListCheckTest, LongCleanListHasNoFindings) {
    NameList oldNames;
    NameList newNames;
    for (int i = 0; i < 32767; ++i) {
        oldNames.push_back(u"teil_" + Utf8ToUtf16(std::to_string(i)) + u".prt");
        newNames.push_back(u"teil_" + Utf8ToUtf16(std::to_string(i + 40000)) + u".prt");
    }
    EXPECT_TRUE(CheckLists(oldNames, newNames).empty());
}

}  // namespace
}  // namespace velnix
