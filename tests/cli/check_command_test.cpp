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
    bool written;       // out/rename.pro exists afterwards
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
    EXPECT_EQ(FileExists(dir.File(u"out/rename.pro")), GetParam().written);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, CheckCommandTest, testing::Values(
    CheckRun{{"check", "--old", "clean_old", "--new", "clean_new"}, 0, "Keine Probleme\n", "", false},
    CheckRun{{"check", "--old", "swap_old", "--new", "swap_new"}, 4,
             "Zeile 2: Fehler: \"b.prt\" → \"A.prt\": die Zeilen 1 und 2", "", false},
    CheckRun{{"check", "--pairs", "swap.csv", "--format", "json"}, 4,
             "{\"zeile\": 3, \"schwere\": \"Fehler\", \"code\": \"ring\", \"text\": "
             "\"\\\"b.prt\\\" → \\\"a.prt\\\": die Zeilen 2 und 3", "", false},
    CheckRun{{"check", "--pairs", "swap.csv"}, 4,
             "Zeile 1 als Überschrift gelesen.\nZeile 2: Fehler", "", false},
    CheckRun{{"check", "--pairs", "heading.csv"}, 4,
             "Fehler: Die Tabelle \"heading.csv\" enthält keine Namenspaare.", "", false},
    CheckRun{{"check", "--old", "control_old", "--rule", "a", "b"}, 4,
             "Zeile 1: Fehler: \"a\x01.prt\" → \"b\x01.prt\": der alte Name enthält das "
             "Steuerzeichen \\x01 und lässt sich so nicht in rename.pro schreiben.", "", false},
    CheckRun{{"generate", "--pairs", "held.csv", "--out", "out", "--repair-order"}, 4, "",
             "Zeile 2: \"a.prt\" → \"b.prt\": der neue Name bleibt belegt, weil Zeile 1 ihn "
             "behält", false},
    CheckRun{{"check", "--pairs", "missing.csv"}, 1, "",
             "Fehler : Die Datei \"missing.csv\" konnte nicht gelesen werden: ", false},
    CheckRun{{"check", "--pairs", "swap.csv", "--old", "swap_old"}, 2, "",
             "Fehler in den Argumenten: Diese Angaben schließen einander aus (--old excludes "
             "--pairs).\nAufruf: ", false},
    CheckRun{{"generate", "--old", "swap_old", "--new", "swap_new", "--out", "out", "--strict"},
             4, "", "Prüfung: 2 Fehler, 1 Warnung (Einzelheiten: velnix-cli check)\nFehler : Die "
             "Liste hat 2 "
             "Fehler. Die Datei rename.pro wurde nicht geschrieben !\n", false},
    // The repaired ring has neither errors nor warnings: no summary after the heading's note.
    CheckRun{{"generate", "--pairs", "swap.csv", "--out", "out", "--strict", "--repair-order"},
             0, "Datei rename.pro wurde gespeichert in out\n", "Zeile 1 als Überschrift gelesen.\n",
             true},
    // The folder: its findings among the list's, or one by one on generate's standard error,
    // which writes the file in spite of them (the summary counts them).
    CheckRun{{"check", "--old", "motor_old", "--new", "motor_new", "--folder", "out"}, 4,
             "Zeile 2: Fehler: \"x.prt\" → \"y.prt\": den alten Namen gibt es im Ordner \"out\" "
             "nicht; das Öffnen schlägt fehl.", "", false},
    CheckRun{{"check", "--old", "motor_old", "--new", "motor_new", "--folder", "out",
              "--with-drawings", "--load-folder"}, 4, "\n1 Fehler\n",
             "Aus dem Ordner mitgenommen: \"motor.drw\" → \"antrieb.drw\".\n", false},
    CheckRun{{"generate", "--old", "motor_old", "--new", "motor_new", "--out", "out"}, 0,
             "Datei rename.pro wurde gespeichert in out\n",
             "Warnung: Im Ordner \"out\" liegen 1 Baugruppe und 1 Zeichnung, die nicht in der Liste "
             "stehen (motor.drw, top.asm): sie sind beim Umbenennen nicht geladen, ihre Verweise auf "
             "umbenannte Modelle gehen verloren.\nZeile 1: Warnung: \"motor.asm\" → \"antrieb.asm\": "
             "die Zeichnung \"motor.drw\" im Ordner heißt wie dieses Modell, steht aber nicht in der "
             "Liste und behielte ihren Namen.\nZeile 2: Fehler: \"x.prt\" → \"y.prt\": den alten "
             "Namen gibt es im Ordner \"out\" nicht; das Öffnen schlägt fehl.\nPrüfung: 1 Fehler, 2 "
             "Warnungen (Einzelheiten: velnix-cli check)\n", true},
    CheckRun{{"check", "--old", "motor_old", "--new", "motor_new", "--with-drawings"}, 2, "",
             "--with-drawings und --load-folder brauchen den Ordner: --folder VERZEICHNIS fehlt.",
             false}));
// clang-format on

}  // namespace
}  // namespace velnix
