#include "check/list_check.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "util/unicode.h"

using velnix::Utf16ToUtf8;

namespace velnix {
namespace {

struct CheckCase {
    const char* what;
    NameList oldNames;
    NameList newNames;
    std::vector<std::string> expected;  // "row:code"
    NameList intermediates = {};
    std::u16string said = {};  // a part of one of the sentences, naming the rows
};

class ListCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(ListCheckTest, FindsExactlyTheExpectedProblems) {
    std::vector<std::string> found;
    std::u16string sentences;
    for (const auto& finding : CheckLists(GetParam().oldNames, GetParam().newNames,
                                          CheckOptions{GetParam().intermediates, {}, {}})) {
        found.push_back(std::to_string(finding.row) + ":" + FindingCodeName(finding.code));
        const std::set<std::string> warnings = {"unveraendert", "umlaut", "unbekannter-typ",
                                                "zeichnungsname", "leer"};
        EXPECT_EQ(finding.severity == Severity::Warning,
                  warnings.count(FindingCodeName(finding.code)) > 0);
        sentences += finding.message + u"\n";
    }
    EXPECT_EQ(found, GetParam().expected) << GetParam().what;
    EXPECT_NE(sentences.find(GetParam().said), std::u16string::npos)
        << GetParam().what << ": " << Utf16ToUtf8(sentences);
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
    CheckCase{"a repaired ring, its intermediate name known",
              {u"a.prt", u"b.prt", u"a_velnix1.prt"}, {u"a_velnix1.prt", u"a.prt", u"b.prt"}, {},
              {u"A_velnix1.prt"}},
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
    CheckCase{"type, extension, folder, version", {u"a.prt", u"b.prt", u"c.prt", u"d.prt"},
              {u"a2.asm", u"b2", u"C:\\x\\c2.prt", u"d2.prt.3"},
              {"1:typ", "2:keine-endung", "3:ordner", "4:version"}},
    CheckCase{"name rules", {u"a.prt", u"b.prt", u"c.prt"},
              {u"abcdefghijabcdefghijabcdefghijab.prt", u"b c.prt", u"-c.prt"},
              {"1:zu-lang", "2:zeichen", "3:bindestrich"}},
    CheckCase{"warnings", {u"a.prt", u"b.prt", u"c.txt", u"motor.asm", u"motor.drw"},
              {u"A.prt", u"bä.prt", u"d.txt", u"antrieb.asm", u"motor_alt.drw"},
              {"1:unveraendert", "2:umlaut", "3:unbekannter-typ", "5:zeichnungsname"}}));
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
