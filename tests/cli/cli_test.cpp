// velnix-cli as the user runs it: a child process with list files, exit codes and output bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "mapkey/rename_file.h"
#include "support/golden.h"
#include "support/renames_in.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "util/paths.h"
#include "util/unicode.h"

namespace velnix {
namespace {

// `count` lines "<before><i><after>", each ending in CR LF.
std::string Numbered(const std::string& before, int count, const std::string& after) {
    std::string lines;
    for (int i = 0; i < count; ++i) {
        lines.append(before).append(std::to_string(i)).append(after).append("\r\n");
    }
    return lines;
}

// Longer than the rename.pro of a few pairs, so that a shorter one has to replace it whole.
const std::string kOldContent = Numbered("alter Inhalt ", 4000, "");

// velnix-cli's working folder: the list files "alt" and "neu", and "out" holding a rename.pro.
class Sandbox {
  public:
    explicit Sandbox(std::string_view oldBytes = "", std::string_view newBytes = "") {
        test::WriteBytes(dir_.File(u"alt"), oldBytes);
        test::WriteBytes(dir_.File(u"neu"), newBytes);
        test::WriteBytes(RenameProPath(outDir_), kOldContent);
    }
    // Arguments split at single spaces, '' for an empty one; after a first word LIMITED,
    // velnix-cli runs in 60 MB of address space, its standard output going nowhere.
    test::ProcessResult Run(std::string_view line) const {
        std::vector<std::string> args;
        for (std::size_t start = 0; start < line.size();) {
            const std::size_t end = std::min(line.find(' ', start), line.size());
            args.emplace_back(
                line.substr(start, end - start) == "''" ? "" : line.substr(start, end - start));
            start = end + 1;
        }
        const std::u16string program = test::CliProgram();
        if (args.empty() || args[0] != "LIMITED") {
            return test::RunProcess(program, args, dir_.path());
        }
        args[0] = Utf16ToUtf8(program);
        args.insert(args.begin(), {"-c", R"(ulimit -v 60000 && exec "$0" "$@" >/dev/null)"});
        return test::RunProcess(u"/bin/sh", args, dir_.path());
    }

    std::string RenamePro() const { return test::ReadBytes(RenameProPath(outDir_)); }
    std::string UndoFile() const { return test::ReadBytes(JoinPath(outDir_, kUndoFileName)); }
    const std::u16string& path() const { return dir_.path(); }
    std::ptrdiff_t OutFileCount() const {
        return std::distance(std::filesystem::directory_iterator(ToFsPath(outDir_)), {});
    }

  private:
    test::TempDir dir_;
    std::u16string outDir_ = dir_.File(u"out");
};

// Longer than a slice of the reading (a megabyte): 6000 names of about 200 characters, ending
// in CR LF, LF and CR by turns, every 1000th empty, then `last`.
std::string ManyNames(const std::string& stem, const std::string& last) {
    static const char* const kEnds[] = {"\r\n", "\n", "\r"};
    std::string list;
    for (int i = 0; i < 6000; ++i) {
        list += i % 1000 == 0 ? "" : stem + std::string(190, 'x') + std::to_string(i) + ".prt";
        list += kEnds[i % 3];
    }
    return list + last;
}

const std::string kManyOld = ManyNames("C:\\work\\teil", "last.asm");
const std::string kManyNew = ManyNames("neu", "x.asm");
// 300000 short names: their rename.pro of hundreds of megabytes fits in 60 MB of address space.
const std::string kPlentyOfNames = Numbered("teil", 300000, ".prt");
// The cases hold views of these: each test's process would otherwise copy them all first.
const std::string kBackQuoteLast = ManyNames("neu", "x`y.prt");
const std::string kPlentyWithUmlaut = "K\xC3\xBChler" + kPlentyOfNames;
const std::string kLatin1First = "K\xFChler.prt\n" + kManyOld + "\r\nK\xC3\xBChler.asm";
const std::string kManyNewMixedEnds = "a.prt\n" + kManyNew + "\ry.drw";

constexpr char kNewToOut[] = "generate --old alt --new neu --out out";
constexpr char kNewToStdout[] = "generate --old alt --new neu --stdout";
constexpr char kArgError[] = "Fehler in den Argumenten: ";

// Generate says on standard error what the check found, and nothing else when it writes.
bool AtMostCheckSummary(const std::string& err) {
    return err.empty() || (err.rfind("Prüfung: ", 0) == 0 && err.find('\n') == err.size() - 1);
}

// The lists of the check's runs, and "out" as their working folder.
// clang-format off
const std::pair<const char16_t*, std::string_view> kCheckFiles[] = {
    {u"clean_old", "a.prt\r\nb.asm\r\n"}, {u"clean_new", "c.prt\r\nd.asm\r\n"},
    {u"swap_old", "a.prt\r\nb.prt\r\n"}, {u"swap_new", "b.prt\r\nA.prt\r\n"},
    {u"swap.csv", "Alt;Neu\r\na.prt;b.prt\r\nb.prt;a.prt\r\n"}, {u"control_old", "a\x01.prt\r\n"},
    {u"heading.csv", "sep=;\r\nAlt;Neu\r\n"}, {u"held.csv", "b.prt;b.prt\r\na.prt;b.prt\r\n"},
    {u"motor_old", "motor.asm\r\nx.prt\r\n"}, {u"motor_new", "antrieb.asm\r\ny.prt\r\n"},
    {u"euro_old", "t\x80il.prt\r\n"}, {u"euro_new", "x.prt\r\n"},  // "€" in the code page
    {u"umlaut_new", "b\xe4.prt\r\nb.prt\r\n"},  // Warnungen only
    {u"out/a.prt.2", ""}, {u"out/b.prt.1", ""}, {u"out/Motor.asm.3", ""}, {u"out/motor.drw.2", ""},
    {u"out/top.asm", ""}};
// clang-format on

struct RunCase {
    const char* label;
    int exitCode;
    const char* args;
    const char* out;  // must occur in standard output; empty: nothing may be printed there
    const char* err;  // the same for standard error
    std::string_view oldBytes = {}, newBytes = {};
};

class CliRun : public ::testing::TestWithParam<RunCase> {};

// A run writes rename.pro exactly when it succeeds with --out, and leaves no temporary.
TEST_P(CliRun, AnswersWithExitCodeAndMessagesAndWritesOnlyOnSuccess) {
    const RunCase& c = GetParam();
    if (std::string_view(c.args).substr(0, 7) == "LIMITED" && !test::kOnPosix) {
        GTEST_SKIP() << "the memory limit is sh's ulimit";
    }
    const Sandbox box(c.oldBytes, c.newBytes);
    for (const auto& [name, bytes] : kCheckFiles) {
        test::WriteBytes(JoinPath(box.path(), name), bytes);
    }
    const auto result = box.Run(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    for (const auto& [said, expected] :
         {std::pair{result.out, std::string(c.out)}, {result.err, std::string(c.err)}}) {
        EXPECT_TRUE(expected.empty() ? said.empty() : said.find(expected) != std::string::npos)
            << "printed: " << said << "\nexpected: " << expected;
    }
    EXPECT_EQ(box.RenamePro() != kOldContent,
              c.exitCode == 0 && std::string_view(c.args).find("--out") != std::string_view::npos);
    EXPECT_EQ(box.OutFileCount(), 6);
}

// clang-format off
const RunCase kRuns[] = {
    {"CountsDiffer", 1, kNewToOut, "", "unterschiedliche Anzahl", "a.prt\r\nb.prt", "x.prt\r\n"},
    {"BackQuoteAfterTheFirstSlice", 1, kNewToStdout, "",
     "Eintrag 6001 der Liste \"neuer Name\" enthält", kManyOld, kBackQuoteLast},
    {"OutsideCodePage", 1, kNewToOut, "", "U+2603", "a.prt\nb.prt", "x.prt\n\xE2\x98\x83.prt"},
    {"OldFileMissing", 1, "generate --old fehlt --new neu --stdout", "", "Fehler : ", "", "x"},
    {"OutFolderMissing", 3, "generate --old alt --new neu --out fehlt", "",
     "Fehler : Die Datei \"fehlt", "a", "x"},
    {"NoArguments", 2, "", "", "Aufruf: velnix-cli generate"},
    {"NoOld", 2, "generate --new neu --stdout", "", kArgError, "", "x"},
    {"NoNewNorRule", 2, "generate --old alt --out out", "", "--new DATEI oder --rule", "a", ""},
    {"NoDestination", 2, "generate --old alt --new neu", "", "--out VERZEICHNIS oder", "a", "x"},
    {"EmptyOut", 2, "generate --old alt --new neu --out ''", "", "--out ist leer", "a", "x"},
    {"UndoToStdout", 2, "generate --old alt --new neu --stdout --undo", "",
     "--undo schreibt rename_zurueck.pro", "a", "x"},
    {"CheckClean", 0, "check --old clean_old --new clean_new", "Keine Probleme\n", ""},
    {"CheckInJson", 4, "check --pairs swap.csv --format json",
     R"({"zeile": 3, "schwere": "Fehler", "code": "ring", "text": "\"b)", ""},
    {"CheckWarnsOnly", 0, "check --old swap_old --new umlaut_new",
     "Zeile 1: Warnung: \"a.prt\" → \"bä.prt\": der neue Name enthält", ""},
    {"StrictAllowsWarnings", 0, "generate --old swap_old --new umlaut_new --out out --strict",
     "Datei rename.pro wurde gespeichert in out\n",
     "Prüfung: 3 Warnungen (Einzelheiten: velnix-cli check)\n"},
    {"CheckTable", 4, "check --pairs swap.csv", "Zeile 1 als Überschrift gelesen.\nZeile 2:", ""},
    {"CheckTableWithoutPairs", 4, "check --pairs heading.csv",
     "Fehler: Die Tabelle \"heading.csv\" enthält keine Namenspaare.", ""},
    {"CheckRule", 4, "check --old control_old --rule a b",
     "Zeile 1: Fehler: \"a\x01.prt\" → \"b\x01.prt\": der alte Name enthält", ""},
    {"RepairRefused", 4, "generate --pairs held.csv --out out --repair-order", "",
     "Zeile 2: \"a.prt\" → \"b.prt\": der neue Name bleibt belegt"},
    {"CheckTableMissing", 1, "check --pairs missing.csv", "",
     "Fehler : Die Datei \"missing.csv\" konnte nicht gelesen werden: "},
    {"CheckPairsAndOld", 2, "check --pairs swap.csv --old swap_old", "",
     "Fehler in den Argumenten: Diese Angaben schließen einander aus (--old excludes --pairs)."
     "\nAufruf: "},
    {"StrictRefusesFehler", 4, "generate --old swap_old --new swap_new --out out --strict", "",
     "Prüfung: 2 Fehler, 1 Warnung (Einzelheiten: velnix-cli check)\nFehler : Die Liste hat 2 "
     "Fehler. Die Datei rename.pro wurde nicht geschrieben !\n"},
    // The repaired ring has neither errors nor warnings: no summary after the heading's note.
    {"StrictRepairedRing", 0, "generate --pairs swap.csv --out out --strict --repair-order",
     "Datei rename.pro wurde gespeichert in out\n", "Zeile 1 als Überschrift gelesen.\n"},
    // The folder: its findings among the list's, or one by one on generate's standard error,
    // which writes the file in spite of them (their sentences: the list check's tests).
    {"CheckFolder", 4,
     "check --old motor_old --new motor_new --folder out --with-drawings --load-folder",
     "\n1 Fehler\n", "Aus dem Ordner mitgenommen: \"motor.drw\" → \"antrieb.drw\".\n"},
    {"FolderFindingsOnGenerate", 0, "generate --old motor_old --new motor_new --out out",
     "Datei rename.pro wurde gespeichert in out\n",
     "behielte ihren Namen.\nZeile 2: Fehler: \"x.prt\" → \"y.prt\": den alten Namen gibt es im "
     "Ordner \"out\" nicht; das Öffnen schlägt fehl.\nPrüfung: 1 Fehler, 2 Warnungen "
     "(Einzelheiten: velnix-cli check)\n"},
    {"CodePageLetterWritten", 0, "generate --old euro_old --new euro_new --out out",
     "Datei rename.pro wurde gespeichert in out\n", "Zeile 1: Fehler: \"t€il.prt\" → \"x.prt\""},
    {"DrawingsNeedTheFolder", 2, "check --old motor_old --new motor_new --with-drawings", "",
     "--with-drawings und --load-folder brauchen den Ordner: --folder VERZEICHNIS fehlt."},
#ifndef __SANITIZE_ADDRESS__  // ASan reserves more than the limit
    // Plain ASCII lists are read in slices; with one umlaut they are read whole, which takes more.
    {"PlainListsFitIn60MB", 0, "LIMITED generate --old alt --new neu --stdout", "", "Prüfung: ",
     kPlentyOfNames, kPlentyOfNames},
    {"RunningOutOfMemory", 1, "LIMITED generate --old alt --new neu --out out", "",
     "Fehler : Der Arbeitsspeicher reicht für diese Listen nicht aus. Die Datei rename.pro wurde "
     "nicht geschrieben !\n", kPlentyWithUmlaut, kPlentyOfNames},
#endif
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ExitCodes, CliRun, ::testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::string(info.param.label); });

using test::Renames;
using test::RenamesIn;

struct ListCase {
    const char* label;
    std::string_view oldBytes, newBytes;
    Renames renames;  // what the written rename.pro must rename, in its order
    const char* source = "--new neu";
};

// The renames of ManyNames(oldStem, …) to ManyNames(newStem, …): the empty lines pair up (the
// check reports them); a path before the old names is not part of them.
Renames ManyRenames(const std::string& oldStem, const std::string& newStem) {
    Renames renames;
    for (int i = 0; i < 6000; ++i) {
        const std::string middle = std::string(190, 'x') + std::to_string(i) + ".prt";
        renames.emplace_back(i % 1000 == 0
                                 ? Renames::value_type()
                                 : Renames::value_type(oldStem + middle, newStem + middle));
    }
    return renames;
}

Renames operator+(Renames first, const Renames& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class CliLists : public ::testing::TestWithParam<ListCase> {};

// Both outputs are one text that renames what the lists say, and the undo file renames it
// back, the last pair first.
TEST_P(CliLists, StdoutAndOutRenameWhatTheListsSay) {
    const ListCase& c = GetParam();
    const Sandbox box(c.oldBytes, c.newBytes);
    const auto printed = box.Run(std::string("generate --old alt ") + c.source + " --stdout");
    EXPECT_EQ(printed.exitCode, 0);
    EXPECT_TRUE(AtMostCheckSummary(printed.err)) << printed.err;
    const auto saved = box.Run(std::string("generate --old alt ") + c.source + " --out out --undo");
    EXPECT_EQ(saved.exitCode, 0);
    EXPECT_EQ(saved.out, "Dateien rename.pro und rename_zurueck.pro wurden gespeichert in out\n");
    EXPECT_TRUE(box.RenamePro() == printed.out);  // the longer file before is gone
    EXPECT_TRUE(RenamesIn(printed.out) == c.renames);
    Renames back;
    for (auto pair = c.renames.rbegin(); pair != c.renames.rend(); ++pair) {
        back.emplace_back(pair->second, pair->first);
    }
    EXPECT_TRUE(RenamesIn(box.UndoFile()) == back);
}

// Plain ASCII lists are read in slices, any other whole; the rule works on the raw old names.
const std::string kRawOld = "C:\\work\\teil1.prt.2\r\nteil2.asm\nbaugruppe_teil.drw\rteil_teil.prt";
// clang-format off
const ListCase kLists[] = {
    {"Utf8WithBom", "\xEF\xBB\xBFK\xC3\xBChler.prt\rD:\\a\\motor.asm.12\n", "\xC3\xBC.prt\r\nm",
     {{"K\xFChler.prt", "\xFC.prt"}, {"motor.asm", "m"}}},
    {"ManySlices", kManyOld, kManyNew, ManyRenames("teil", "neu") + Renames{{"last.asm", "x.asm"}}},
    {"CodePageDecidedByTheWholeFile", kLatin1First, kManyNewMixedEnds,
     Renames{{"K\xFChler.prt", "a.prt"}} + ManyRenames("teil", "neu") +
         Renames{{"last.asm", "x.asm"}, {"K\xC3\xBChler.asm", "y.drw"}}},
    // The rule keeps the path and the version that the clean-up takes off the old names.
    {"RuleIntoCodePage", kRawOld, "",
     {{"teil1.prt", "C:\\work\\t\xEBil1.prt.2"}, {"teil2.asm", "t\xEBil2.asm"},
      {"baugruppe_teil.drw", "baugruppe_t\xEBil.drw"}, {"teil_teil.prt", "t\xEBil_teil.prt"}},
     "--rule teil t\xC3\xABil"},
    {"RuleReadWhole", "C:\\K\xC3\xBChler\\teil1.prt.2\r\nteil2.asm", "",
     {{"teil1.prt", "C:\\K\xFChler\\teil1_\xFC.prt.2"}, {"teil2.asm", "teil2.asm"}}, "--rule .prt _\xC3\xBC.prt"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(LineEndsAndEncodings, CliLists, ::testing::ValuesIn(kLists),
                         [](const auto& info) { return std::string(info.param.label); });

// The bytes themselves are the ones the composition's own tests hold in tests/golden; CliLists
// shows that standard output has the same.
TEST(CliGolden, WritesTheWorkedExampleAndItsUndoByteForByte) {
    const Sandbox box("C:\\work\\teil1.prt.3\r\nbg1.asm\r\n", "teil1_neu.prt\r\nbg1_neu.asm\r\n");
    EXPECT_EQ(box.Run("generate --old alt --new neu --out out --undo").exitCode, 0);
    EXPECT_TRUE(test::MatchesGolden("WorkedExampleOfTwoPairs.pro", box.RenamePro()));
    EXPECT_TRUE(test::MatchesGolden("UndoOfWorkedExampleOfTwoPairs.pro", box.UndoFile()));
}

}  // namespace
}  // namespace velnix
