// The check of velnix-cli and what generate does with its findings, as a script sees them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_process.h"
#include "support/temp_dir.h"
#include "util/paths.h"

namespace velnix {
namespace {

struct CheckRun {
    std::vector<std::string> args;
    int exitCode;
    std::string inOut;  // must occur in standard output; empty: nothing may be printed there
    std::string inErr;  // the same for standard error
};

class CheckCommandTest : public testing::TestWithParam<CheckRun> {};

TEST_P(CheckCommandTest, ExitCodeOutputAndFile) {
    test::TempDir dir;
    test::WriteBytes(dir.File(u"clean_old"), "a.prt\r\nb.asm\r\n");
    test::WriteBytes(dir.File(u"clean_new"), "c.prt\r\nd.asm\r\n");
    test::WriteBytes(dir.File(u"swap_old"), "a.prt\r\nb.prt\r\n");
    test::WriteBytes(dir.File(u"swap_new"), "b.prt\r\nA.prt\r\n");
    test::WriteBytes(dir.File(u"swap.csv"), "Alt;Neu\r\na.prt;b.prt\r\nb.prt;a.prt\r\n");
    test::WriteBytes(dir.File(u"heading.csv"), "sep=;\r\nAlt;Neu\r\n");
    test::WriteBytes(dir.File(u"held.csv"), "b.prt;b.prt\r\na.prt;b.prt\r\n");
    test::WriteBytes(dir.File(u"control_old"), "a\x01.prt\r\n");
    test::WriteBytes(dir.File(u"motor_old"), "motor.asm\r\nx.prt\r\n");
    test::WriteBytes(dir.File(u"motor_new"), "antrieb.asm\r\ny.prt\r\n");
    test::WriteBytes(dir.File(u"euro_old"), "t\x80il.prt\r\n");  // "€" in the code page
    test::WriteBytes(dir.File(u"euro_new"), "x.prt\r\n");
    test::WriteBytes(dir.File(u"umlaut_new"), "b\xe4.prt\r\nb.prt\r\n");  // Warnungen only
    for (const char16_t* model :
         {u"out/a.prt.2", u"out/b.prt.1", u"out/Motor.asm.3", u"out/motor.drw.2", u"out/top.asm"}) {
        test::WriteBytes(dir.File(model), "");
    }
    const test::ProcessResult run =
        test::RunProcess(test::CliProgram(), GetParam().args, dir.path());
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err;
    for (const auto& [said, expected] :
         {std::pair{run.out, GetParam().inOut}, {run.err, GetParam().inErr}}) {
        EXPECT_TRUE(expected.empty() ? said.empty() : said.find(expected) != std::string::npos)
            << "printed: " << said << "\nexpected: " << expected;
    }
    // generate writes rename.pro exactly when it succeeds, check never.
    EXPECT_EQ(FileExists(dir.File(u"out/rename.pro")),
              GetParam().args[0] == "generate" && GetParam().exitCode == 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, CheckCommandTest, testing::Values(
    CheckRun{{"check", "--old", "clean_old", "--new", "clean_new"}, 0, "Keine Probleme\n", ""},
    CheckRun{{"check", "--old", "swap_old", "--new", "swap_new"}, 4,
             "Zeile 2: Fehler: \"b.prt\" → \"A.prt\": die Zeilen 1 und 2", ""},
    CheckRun{{"check", "--pairs", "swap.csv", "--format", "json"}, 4,
             "{\"zeile\": 3, \"schwere\": \"Fehler\", \"code\": \"ring\", \"text\": \"\\\"b", ""},
    CheckRun{{"check", "--old", "swap_old", "--new", "umlaut_new"}, 0,
             "Zeile 1: Warnung: \"a.prt\" → \"bä.prt\": der neue Name enthält", ""},
    CheckRun{{"generate", "--old", "swap_old", "--new", "umlaut_new", "--out", "out", "--strict"},
             0, "Datei rename.pro wurde gespeichert in out\n",
             "Prüfung: 3 Warnungen (Einzelheiten: velnix-cli check)\n"},
    CheckRun{{"check", "--pairs", "swap.csv"}, 4, "Zeile 1 als Überschrift gelesen.\nZeile 2:", ""},
    CheckRun{{"check", "--pairs", "heading.csv"}, 4,
             "Fehler: Die Tabelle \"heading.csv\" enthält keine Namenspaare.", ""},
    CheckRun{{"check", "--old", "control_old", "--rule", "a", "b"}, 4,
             "Zeile 1: Fehler: \"a\x01.prt\" → \"b\x01.prt\": der alte Name enthält", ""},
    CheckRun{{"generate", "--pairs", "held.csv", "--out", "out", "--repair-order"}, 4, "",
             "Zeile 2: \"a.prt\" → \"b.prt\": der neue Name bleibt belegt"},
    CheckRun{{"check", "--pairs", "missing.csv"}, 1, "",
             "Fehler : Die Datei \"missing.csv\" konnte nicht gelesen werden: "},
    CheckRun{{"check", "--pairs", "swap.csv", "--old", "swap_old"}, 2, "",
             "Fehler in den Argumenten: Diese Angaben schließen einander aus (--old excludes "
             "--pairs).\nAufruf: "},
    CheckRun{{"generate", "--old", "swap_old", "--new", "swap_new", "--out", "out", "--strict"},
             4, "", "Prüfung: 2 Fehler, 1 Warnung (Einzelheiten: velnix-cli check)\nFehler : Die "
             "Liste hat 2 Fehler. Die Datei rename.pro wurde nicht geschrieben !\n"},
    // The repaired ring has neither errors nor warnings: no summary after the heading's note.
    CheckRun{{"generate", "--pairs", "swap.csv", "--out", "out", "--strict", "--repair-order"},
             0, "Datei rename.pro wurde gespeichert in out\n", "Zeile 1 als Überschrift gelesen.\n"},
    // The folder: its findings among the list's, or one by one on generate's standard error,
    // which writes the file in spite of them (the summary counts them; their sentences: the
    // list check's tests).
    CheckRun{{"check", "--old", "motor_old", "--new", "motor_new", "--folder", "out",
              "--with-drawings", "--load-folder"}, 4, "\n1 Fehler\n",
             "Aus dem Ordner mitgenommen: \"motor.drw\" → \"antrieb.drw\".\n"},
    CheckRun{{"generate", "--old", "motor_old", "--new", "motor_new", "--out", "out"}, 0,
             "Datei rename.pro wurde gespeichert in out\n",
             "behielte ihren Namen.\nZeile 2: Fehler: \"x.prt\" → \"y.prt\": den alten Namen gibt es "
             "im Ordner \"out\" nicht; das Öffnen schlägt fehl.\nPrüfung: 1 Fehler, 2 Warnungen "
             "(Einzelheiten: velnix-cli check)\n"},
    CheckRun{{"generate", "--old", "euro_old", "--new", "euro_new", "--out", "out"}, 0,
             "Datei rename.pro wurde gespeichert in out\n", "Zeile 1: Fehler: \"t€il.prt\" → \"x.prt\""},
    CheckRun{{"check", "--old", "motor_old", "--new", "motor_new", "--with-drawings"}, 2, "",
             "--with-drawings und --load-folder brauchen den Ordner: --folder VERZEICHNIS fehlt."}));
// clang-format on

}  // namespace
}  // namespace velnix
