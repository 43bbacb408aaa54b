// velnix-cli as the user runs it: a child process with list files, exit codes and output bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "mapkey/rename_file.h"
#include "names/rule.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "util/unicode.h"

namespace velnix {
namespace {

#ifdef _WIN32
constexpr char16_t kProgram[] = u"velnix-cli.exe";
#else
constexpr char16_t kProgram[] = u"velnix-cli";
#endif

// Longer than any rename.pro written here, so that a shorter one has to replace it whole.
const std::string kOldContent = [] {
    std::string text;
    for (int i = 0; i < 4000; ++i) {
        text += "alter Inhalt\r\n";
    }
    return text;
}();

// A temporary folder with the list files old.txt and new.txt and an output folder "out" that
// already holds a rename.pro.
class Sandbox {
  public:
    Sandbox() {
        std::filesystem::create_directory(ToFsPath(outDir_));
        std::filesystem::create_directory(ToFsPath(scratch_));
        test::WriteBytes(RenameProPath(outDir_), kOldContent);
    }

    void Lists(const std::string& oldBytes, const std::string& newBytes) {
        test::WriteBytes(dir_.File(u"old.txt"), oldBytes);
        test::WriteBytes(dir_.File(u"new.txt"), newBytes);
    }

    // The words OLD, NEW, OUT, MISSING and NOWHERE stand for paths in the sandbox.
    test::ProcessResult Run(std::vector<std::string> args) const {
        for (auto& arg : args) {
            const std::u16string path = arg == "OLD"       ? dir_.File(u"old.txt")
                                        : arg == "NEW"     ? dir_.File(u"new.txt")
                                        : arg == "OUT"     ? outDir_
                                        : arg == "MISSING" ? dir_.File(u"fehlt.txt")
                                        : arg == "NOWHERE" ? dir_.File(u"fehlt")
                                                           : Utf8ToUtf16(arg);
            arg = Utf16ToUtf8(path);
        }
        return test::RunProcess(JoinPath(test::OwnDirectory(), kProgram), args, scratch_);
    }

    std::string RenamePro() const { return test::ReadBytes(RenameProPath(outDir_)); }
    const std::u16string& outDir() const { return outDir_; }

  private:
    test::TempDir dir_;
    std::u16string outDir_ = dir_.File(u"out");
    std::u16string scratch_ = dir_.File(u"scratch");
};

// Arguments separated by single spaces.
std::vector<std::string> Args(std::string_view line) {
    std::vector<std::string> args;
    for (std::size_t start = 0; start < line.size();) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        args.emplace_back(line.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

constexpr char kNewToOut[] = "generate --old OLD --new NEW --out OUT";
constexpr char kNewToStdout[] = "generate --old OLD --new NEW --stdout";
constexpr char kArgError[] = "Fehler in den Argumenten: ";

struct FailureCase {
    const char* label;
    int exitCode;
    const char* args;
    const char* oldBytes;
    const char* newBytes;
    const char* errorPart;
};

class CliFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CliFailure, ReportsOnStderrAndLeavesRenameProAlone) {
    const FailureCase& c = GetParam();
    Sandbox box;
    box.Lists(c.oldBytes, c.newBytes);
    const auto result = box.Run(Args(c.args));
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(c.errorPart), std::string::npos) << result.err;
    if (c.exitCode == 2) {
        EXPECT_NE(result.err.find("Aufruf: velnix-cli generate --old"), std::string::npos);
    }
    EXPECT_TRUE(box.RenamePro() == kOldContent);
}

const FailureCase kFailures[] = {
    {"CountsDiffer", 1, kNewToOut, "a.prt\r\nb.prt\r\n", "x.prt\r\n",
     "Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !"},
    {"NewListEmpty", 1, kNewToStdout, "a.prt\r\n", "", "unterschiedliche Anzahl"},
    {"BackQuote", 1, kNewToStdout, "a.prt", "x`y.prt",
     "Eintrag 1 der Liste \"neuer Name\" enthält einen Zeilenumbruch oder ein `"},
    {"LineBreakFromRule", 1, "generate --old OLD --rule teil x\ny --out OUT", "a.prt\r\nteil.prt",
     "", "Eintrag 2 der Liste \"neuer Name\""},
    {"OutsideCodePage", 1, kNewToOut, "a.prt\nb.prt", "x.prt\n\xE2\x98\x83.prt", "U+2603"},
    {"OldFileMissing", 1, "generate --old MISSING --new NEW --stdout", "", "x", "Fehler : "},
    {"NewFileIsFolder", 1, "generate --old OLD --new OUT --stdout", "a", "", "Fehler : "},
    {"NoArguments", 2, "", "", "", kArgError},
    {"UnknownCommand", 2, "erzeugen", "", "", kArgError},
    {"NoOld", 2, "generate --new NEW --stdout", "", "x", kArgError},
    {"NoNewNorRule", 2, "generate --old OLD --out OUT", "a", "", "--new DATEI oder --rule"},
    {"NoDestination", 2, "generate --old OLD --new NEW", "a", "x", "--out VERZEICHNIS oder"},
    {"NewAndRule", 2, "generate --old OLD --new NEW --rule a b --stdout", "a", "x", kArgError},
    {"OutAndStdout", 2, "generate --old OLD --new NEW --out OUT --stdout", "a", "x", kArgError},
    {"RuleOneValue", 2, "generate --old OLD --rule a --stdout", "a", "", kArgError},
    {"OutFolderMissing", 3, "generate --old OLD --new NEW --out NOWHERE", "a", "x", "Fehler : "},
};

INSTANTIATE_TEST_SUITE_P(ExitCodes, CliFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(CliInfo, HelpAndVersionGoToStdout) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--help"}, "generate"},
        {{"generate", "--help"}, "--rule"},
        {{"--version"}, std::string("velnix-cli ") + VELNIX_VERSION},
    };
    Sandbox box;
    for (const auto& [args, part] : cases) {
        const auto result = box.Run(args);
        EXPECT_EQ(result.exitCode, 0) << args[0];
        EXPECT_NE(result.out.find(part), std::string::npos) << result.out;
        EXPECT_EQ(result.err, "");
    }
}

struct ListCase {
    const char* label;
    std::string oldBytes;
    std::string newBytes;
    NameList oldNames;  // as read, before the clean-up
    NameList newNames;
};

class CliLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(CliLists, StdoutAndOutGiveTheComposedBytes) {
    const ListCase& c = GetParam();
    const auto expected = RenameProContentForPairs(clean(c.oldNames), c.newNames);
    ASSERT_TRUE(expected.ok());
    Sandbox box;
    box.Lists(c.oldBytes, c.newBytes);

    const auto printed = box.Run(Args(kNewToStdout));
    EXPECT_EQ(printed.exitCode, 0);
    EXPECT_EQ(printed.err, "");
    EXPECT_EQ(printed.out, *expected.value);

    const auto saved = box.Run(Args(kNewToOut));
    EXPECT_EQ(saved.exitCode, 0);
    EXPECT_EQ(saved.err, "");
    EXPECT_EQ(saved.out,
              "Datei rename.pro wurde gespeichert in " + Utf16ToUtf8(box.outDir()) + "\n");
    EXPECT_EQ(box.RenamePro(), printed.out);  // the longer file before is gone
}

// clang-format off
const ListCase kLists[] = {
    {"CrLf", "teil00001.prt\r\nbaugruppe.asm\r\n", "neu00001.prt\r\nbg_neu.asm\r\n",
     {u"teil00001.prt", u"baugruppe.asm"}, {u"neu00001.prt", u"bg_neu.asm"}},
    {"MixedLineEnds", "a.prt\rb.drw\nc.prt", "x.prt\ny.drw\r\nz.prt\r",
     {u"a.prt", u"b.drw", u"c.prt"}, {u"x.prt", u"y.drw", u"z.prt"}},
    {"PathsCleaned", "C:\\work\\bracket.prt.3\r\nD:\\a\\motor.asm.12\r\n", "halter.prt\nmotor.asm",
     {u"C:\\work\\bracket.prt.3", u"D:\\a\\motor.asm.12"}, {u"halter.prt", u"motor.asm"}},
    {"Utf8WithBom", "\xEF\xBB\xBFK\xC3\xBChler.prt\r\n", "k\xC3\xBChler_neu.prt",
     {u"Kühler.prt"}, {u"kühler_neu.prt"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(LineEndsAndEncodings, CliLists, ::testing::ValuesIn(kLists),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(CliRule, NewNamesComeFromTheRawOldNames) {
    const NameList old{u"C:\\work\\teil00001.prt.2", u"teil00002.asm", u"baugruppe_teil.drw"};
    const std::pair<std::u16string, std::u16string> rules[] = {
        {u"teil", u"part"}, {u"", u"neu_"}, {u"fehlt", u"x"}, {u".prt", u"_ü.prt"}};
    Sandbox box;
    box.Lists("C:\\work\\teil00001.prt.2\r\nteil00002.asm\r\nbaugruppe_teil.drw\r\n", "");
    for (const auto& [expression, replacement] : rules) {
        const auto expected =
            RenameProContentForPairs(clean(old), ApplyRule(old, expression, replacement));
        ASSERT_TRUE(expected.ok());
        const auto result = box.Run({"generate", "--old", "OLD", "--rule", Utf16ToUtf8(expression),
                                     Utf16ToUtf8(replacement), "--stdout"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, *expected.value) << Utf16ToUtf8(expression);
    }
}

}  // namespace
}  // namespace velnix
