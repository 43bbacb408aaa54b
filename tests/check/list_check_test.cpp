// The list check, alone and against the files of its working folder.
#include "check/list_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>
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
    // "row F|W code: the rows its sentence names", as "2 F reihenfolge: 3" or "1 F ring: 1 und 2".
    std::vector<std::string> expected;
    NameList intermediates = {};
    std::u16string said = {};                      // one of the sentences, whole
    std::optional<NameList> files = std::nullopt;  // of the working folder "/arbeit", if checked
    bool loadFolder = false;
    std::vector<std::size_t> tableLines = {};
};

// The rows a sentence names after "Zeile" or "Zeilen": "3", "1, 2 und 4".
std::string RowsNamed(const std::string& sentence) {
    static const std::regex rows("Zeilen? ([0-9]+((, | und )[0-9]+)*)");
    std::smatch match;
    return std::regex_search(sentence, match, rows) ? ": " + match[1].str() : "";
}

class ListCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(ListCheckTest, FindsExactlyTheExpectedProblemsAndNamesTheirRows) {
    const CheckCase& c = GetParam();
    const WorkingFolder folder{u"/arbeit", FolderModels(c.files.value_or(NameList())), {}};
    std::vector<std::string> found;
    bool said = c.said.empty();
    for (const auto& finding :
         CheckLists(c.oldNames, c.newNames,
                    {c.intermediates, c.tableLines, c.tableLines.empty() ? u"" : u"namen.csv",
                     c.files ? &folder : nullptr, c.loadFolder})) {
        found.push_back(std::to_string(finding.row) +
                        (finding.severity == Severity::Error ? " F " : " W ") +
                        FindingCodeName(finding.code) + RowsNamed(Utf16ToUtf8(finding.message)));
        if (finding.pair > 0) {  // every sentence about a pair starts with its names
            const std::size_t i = finding.pair - 1;
            EXPECT_EQ(finding.message.rfind(
                          u"\"" + c.oldNames[i] + u"\" → \"" + c.newNames[i] + u"\": ", 0),
                      0U)
                << c.what << ": " << Utf16ToUtf8(finding.message);
        }
        said |= finding.message == c.said;
    }
    EXPECT_EQ(found, c.expected) << c.what;
    EXPECT_TRUE(said) << c.what << ": " << Utf16ToUtf8(c.said);
}

// A clean list of 32767 pairs, but for a chain in the wrong order and a ring at its end.
CheckCase LongList() {
    CheckCase c{"a chain and a ring at the end of 32767 pairs",
                {},
                {},
                {"32763 F reihenfolge: 32764", "32765 F ring: 32765, 32766 und 32767",
                 "32766 F ring: 32765, 32766 und 32767", "32767 F ring: 32765, 32766 und 32767"}};
    for (int i = 0; i < 32762; ++i) {
        c.oldNames.push_back(u"teil_" + Utf8ToUtf16(std::to_string(i)) + u".prt");
        c.newNames.push_back(u"teil_" + Utf8ToUtf16(std::to_string(i + 40000)) + u".prt");
    }
    c.oldNames.insert(c.oldNames.end(), {u"k1.prt", u"k2.prt", u"r1.prt", u"r2.prt", u"r3.prt"});
    c.newNames.insert(c.newNames.end(), {u"k2.prt", u"k3.prt", u"r2.prt", u"r3.prt", u"r1.prt"});
    return c;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Order, ListCheckTest, testing::Values(
    CheckCase{"clean, drawing renamed with its model", {u"motor.asm", u"motor.drw", u"welle.prt"},
              {u"antrieb.asm", u"Antrieb.drw", u"achse.prt"}, {}},
    CheckCase{"chain in the wrong order", {u"x.prt", u"a.prt", u"b.prt"},
              {u"y.prt", u"B.PRT", u"c.prt"}, {"2 F reihenfolge: 3"}, {},
              u"\"a.prt\" → \"B.PRT\": der neue Name ist noch belegt, Zeile 3 benennt ihn erst "
              u"später um; die Reparatur der Reihenfolge ordnet die Zeilen richtig."},
    CheckCase{"a chain of a table file, its rows the file's lines", {u"x.prt", u"a.prt", u"b.prt"},
              {u"y.prt", u"b.prt", u"c.prt"}, {"4 F reihenfolge: 7"}, {}, {}, std::nullopt, false,
              {2, 4, 7}},
    CheckCase{"a chain in the right order", {u"b.prt", u"a.prt"}, {u"c.prt", u"b.prt"}, {}},
    CheckCase{"ring of three, one pair outside", {u"a.prt", u"b.prt", u"x.prt", u"c.prt"},
              {u"b.prt", u"c.prt", u"y.prt", u"a.prt"},
              {"1 F ring: 1, 2 und 4", "2 F ring: 1, 2 und 4", "4 F ring: 1, 2 und 4"}},
    CheckCase{"a ring with a pair leading into it", {u"z.prt", u"a.prt", u"b.prt"},
              {u"a.prt", u"b.prt", u"a.prt"},
              {"1 F reihenfolge: 2", "2 F ring: 2 und 3", "3 F neu-doppelt: 1", "3 F ring: 2 und 3"}},
    CheckCase{"a ring, then a pair into it", {u"a.prt", u"b.prt", u"z.prt"},
              {u"b.prt", u"a.prt", u"a.prt"},
              {"1 F ring: 1 und 2", "2 F ring: 1 und 2", "3 F neu-doppelt: 2"}},
    CheckCase{"rings side by side and in between", {u"a.prt", u"c.prt", u"b.prt", u"d.prt",
              u"e.prt", u"f.prt"}, {u"b.prt", u"d.prt", u"a.prt", u"c.prt", u"f.prt", u"e.prt"},
              {"1 F ring: 1 und 3", "2 F ring: 2 und 4", "3 F ring: 1 und 3", "4 F ring: 2 und 4",
               "5 F ring: 5 und 6", "6 F ring: 5 und 6"}},
    CheckCase{"a ring of seven names six rows", {u"a1.prt", u"a2.prt", u"a3.prt", u"a4.prt",
              u"a5.prt", u"a6.prt", u"a7.prt"}, {u"a2.prt", u"a3.prt", u"a4.prt", u"a5.prt",
              u"a6.prt", u"a7.prt", u"a1.prt"}, {"1 F ring: 1, 2, 3, 4, 5, 6 und 1",
              "2 F ring: 1, 2, 3, 4, 5, 6 und 1", "3 F ring: 1, 2, 3, 4, 5, 6 und 1",
              "4 F ring: 1, 2, 3, 4, 5, 6 und 1", "5 F ring: 1, 2, 3, 4, 5, 6 und 1",
              "6 F ring: 1, 2, 3, 4, 5, 6 und 1", "7 F ring: 1, 2, 3, 4, 5, 6 und 1"}, {},
              u"\"a7.prt\" → \"a1.prt\": die Zeilen 1, 2, 3, 4, 5, 6 und 1 weitere tauschen ihre "
              u"Namen im Ring, den keine Reihenfolge auflöst; die Reparatur der Reihenfolge öffnet "
              u"den Ring über einen Zwischennamen."},
    CheckCase{"a ring of six names every row", {u"a1.prt", u"a2.prt", u"a3.prt", u"a4.prt",
              u"a5.prt", u"a6.prt"}, {u"a2.prt", u"a3.prt", u"a4.prt", u"a5.prt", u"a6.prt",
              u"a1.prt"}, {"1 F ring: 1, 2, 3, 4, 5 und 6", "2 F ring: 1, 2, 3, 4, 5 und 6",
              "3 F ring: 1, 2, 3, 4, 5 und 6", "4 F ring: 1, 2, 3, 4, 5 und 6",
              "5 F ring: 1, 2, 3, 4, 5 und 6", "6 F ring: 1, 2, 3, 4, 5 und 6"}},
    CheckCase{"the same list as ordinary names is a ring of three",
              {u"a.prt", u"b.prt", u"a_velnix1.prt"}, {u"a_velnix1.prt", u"a.prt", u"b.prt"},
              {"1 F ring: 1, 2 und 3", "2 F ring: 1, 2 und 3", "3 F ring: 1, 2 und 3"}},
    CheckCase{"an intermediate name made later", {u"t.prt", u"a.prt"}, {u"b.prt", u"t.prt"},
              {"1 F reihenfolge: 2"}, {u"t.prt"},
              u"\"t.prt\" → \"b.prt\": der alte Name entsteht erst in Zeile 2, die später "
              u"läuft; die Reparatur der Reihenfolge ordnet die Zeilen richtig."},
    CheckCase{"an unchanged pair keeps its name", {u"b.prt", u"a.prt"}, {u"B.prt", u"b.prt"},
              {"1 W unveraendert", "2 F belegt: 1"}},
    LongList()));

INSTANTIATE_TEST_SUITE_P(Names, ListCheckTest, testing::Values(
    CheckCase{"names that rename.pro cannot hold",
              {u"a\x01.prt", u"b.prt", u"c\u2603.prt", u"d.prt"},
              {u"x.prt", u"b`.prt", u"y.prt", u"d\x7f.prt"},
              {"1 F nicht-schreibbar", "2 F nicht-schreibbar", "3 F nicht-schreibbar",
               "4 F nicht-schreibbar"}, {},
              u"\"a\x01.prt\" → \"x.prt\": der alte Name enthält das Steuerzeichen \\x01 und "
              u"lässt sich so nicht in rename.pro schreiben."},
    CheckCase{"empty lists", {}, {}, {"0 W leer"}},
    CheckCase{"lengths, empty names", {u"", u"b.prt", u"c.prt"}, {u"x.prt", u""},
              {"0 F laenge", "1 F alt-leer", "2 F neu-leer"}},
    CheckCase{"the same name twice", {u"a.prt", u"A.prt", u"c.prt", u"d.prt"},
              {u"x.prt", u"y.prt", u"z.prt", u"Z.PRT"},
              {"2 F alt-doppelt: 1", "4 F neu-doppelt: 3"}},
    CheckCase{"type, extension, folder, version, name rules",
              {u"a.prt", u"b.prt", u"c.prt", u"d.prt", u"e.prt", u"f.prt", u"g.prt", u"h.prt",
               u"i.prt"}, {u"a2.asm", u"b2", u"x\\c2.prt", u"d2.prt.3",
               u"abcdefghijabcdefghijabcdefghijab.prt", u"f g.prt", u"-g.prt", u"C:h.prt",
               u"x/i.prt"},
              {"1 F typ", "2 F keine-endung", "3 F ordner", "4 F version", "5 F zu-lang",
               "6 F zeichen", "7 F bindestrich", "8 F ordner", "9 F ordner"}},
    // Fehler before Warnungen on one pair, whatever found them first. The drawing's model is
    // the first of its name that changes it.
    CheckCase{"warnings", {u"motor.prt", u"b.prt", u"c.txt", u"motor.asm", u"motor.drw", u"e.txt"},
              {u"welle.prt", u"bä.prt", u"d.txt", u"antrieb.asm", u"motor_alt.drw", u"e2.prt"},
              {"2 W umlaut", "3 W unbekannter-typ", "5 W zeichnungsname: 1", "6 F typ",
               "6 W unbekannter-typ"}, {},
              u"\"motor.drw\" → \"motor_alt.drw\": die Zeichnung heißt danach nicht mehr wie ihr "
              u"Modell, das Zeile 1 in \"welle.prt\" umbenennt."},
    // Letters run from À to ɏ, but for × and ÷ (of those, Windows-1252 holds up to ƒ).
    CheckCase{"letters outside ASCII", {u"a.prt", u"b.prt", u"c.prt", u"d.prt", u"e.prt",
              u"f.prt"}, {u"\u00c0.prt", u"\u00d7.prt", u"\u00f7.prt", u"\u00ff.prt",
              u"\u00bf.prt", u"\u0192.prt"},
              {"1 W umlaut", "2 F zeichen", "3 F zeichen", "4 W umlaut", "5 F zeichen",
               "6 W umlaut"}}));

INSTANTIATE_TEST_SUITE_P(Folder, ListCheckTest, testing::Values(
    CheckCase{"versions and letter case", {u"MOTOR.prt", u"x.prt"}, {u"welle.prt", u"B.prt"},
              {"2 F fehlt-im-ordner", "2 F belegt-im-ordner"}, {},
              u"\"x.prt\" → \"B.prt\": den alten Namen gibt es im Ordner \"/arbeit\" nicht; das "
              u"Öffnen schlägt fehl.", NameList{u"Motor.PRT.3", u"motor.prt.4", u"b.prt.7"}},
    CheckCase{"a name the folder lacks made by an earlier pair", {u"a.prt", u"b.prt"},
              {u"b.prt", u"c.prt"}, {}, {}, {}, NameList{u"a.prt"}},
    CheckCase{"made by a later pair", {u"b.prt", u"a.prt"}, {u"c.prt", u"b.prt"},
              {"1 F reihenfolge: 2"}, {}, {}, NameList{u"a.prt"}},
    CheckCase{"a swap of names the folder lacks makes neither", {u"a.prt", u"b.prt"},
              {u"b.prt", u"a.prt"},
              {"1 F fehlt-im-ordner", "1 F ring: 1 und 2", "2 F fehlt-im-ordner",
               "2 F ring: 1 und 2"}, {}, {}, NameList{u"x.prt"}},
    CheckCase{"a name made from an intermediate name", {u"a.prt", u"a_velnix1.prt", u"x.prt"},
              {u"a_velnix1.prt", u"x.prt", u"y.prt"}, {}, {u"a_velnix1.prt"}, {},
              NameList{u"a.prt"}},
    CheckCase{"an intermediate name the folder holds", {u"a.prt", u"b.prt", u"a_velnix1.prt"},
              {u"a_velnix1.prt", u"a.prt", u"b.prt"}, {"1 F belegt-im-ordner"}, {u"a_velnix1.prt"},
              u"\"a.prt\" → \"a_velnix1.prt\": den neuen Namen gibt es im Ordner \"/arbeit\" "
              u"schon; das Umbenennen schlägt fehl.", NameList{u"a.prt", u"b.prt", u"a_velnix1.prt"}},
    CheckCase{"names the list check names already",
              {u"b.prt", u"a.prt", u"q.prt", u"q.prt", u"c.prt", u"d.prt"},
              {u"b.prt", u"b.prt", u"y.prt", u"z.prt", u"x.prt", u"x.prt"},
              {"1 W unveraendert", "2 F belegt: 1", "3 F fehlt-im-ordner", "4 F alt-doppelt: 3",
               "5 F belegt-im-ordner", "6 F neu-doppelt: 5"}, {}, {},
              NameList{u"a.prt", u"b.prt", u"x.prt", u"c.prt", u"d.prt"}},
    CheckCase{"drawings of parts and assemblies",
              {u"motor.asm", u"welle.prt", u"welle.asm", u"lager.prt", u"lager.drw", u"kopf.prt"},
              {u"antrieb.asm", u"achse.prt", u"achse.asm", u"kugel.prt", u"kugel_alt.drw",
               u"haupt.prt"},
              {"1 W zeichnung-fehlt", "2 W zeichnung-fehlt", "3 F fehlt-im-ordner",
               "5 W zeichnungsname: 4"}, {},
              u"\"motor.asm\" → \"antrieb.asm\": die Zeichnung \"motor.drw\" im Ordner heißt "
              u"wie dieses Modell, steht aber nicht in der Liste und behielte ihren Namen.",
              NameList{u"motor.asm", u"Motor.drw.2", u"welle.prt", u"welle.drw", u"lager.prt",
                       u"lager.drw", u"kopf.prt"}, true},
    CheckCase{"assemblies and drawings not in session", {u"a.prt", u"b.drw", u"x.asm"},
              {u"z.prt", u"b2.drw", u"neu.asm"},
              {"0 W nicht-in-sitzung", "3 F fehlt-im-ordner", "3 F belegt-im-ordner"}, {},
              u"Im Ordner \"/arbeit\" liegen 2 Baugruppen und 4 Zeichnungen, die nicht in der "
              u"Liste stehen (c.drw, d.drw, e.drw, sub.asm, top.asm und 1 weitere): sie sind "
              u"beim Umbenennen nicht geladen, ihre Verweise auf umbenannte Modelle gehen verloren.",
              NameList{u"a.prt", u"top.asm.1", u"top.asm.2", u"top.drw", u"sub.asm", u"neu.asm",
                       u"b.drw", u"c.drw", u"d.drw", u"e.drw"}},
    CheckCase{"one of them", {u"a.prt"}, {u"z.prt"}, {"0 W nicht-in-sitzung"}, {},
              u"Im Ordner \"/arbeit\" liegt 1 Baugruppe, die nicht in der Liste steht (top.asm): "
              u"sie ist beim Umbenennen nicht geladen, ihre Verweise auf umbenannte Modelle gehen "
              u"verloren.", NameList{u"a.prt", u"top.asm"}},
    CheckCase{"only drawings renamed", {u"x.drw"}, {u"y.drw"}, {}, {}, {},
              NameList{u"x.drw", u"top.asm"}}));
// clang-format on

}  // namespace
}  // namespace velnix
