#include "mapkey/rename_file.h"

#include <gtest/gtest.h>

#include "mapkey/compose.h"
#include "mapkey/pair_check.h"
#include "support/temp_dir.h"

namespace velnix {
namespace {

using test::ReadBytes;
using test::TempDir;

struct ContentCase {
    std::u16string text;
    std::string bytes;
};

class RenameProContentTest : public testing::TestWithParam<ContentCase> {};

TEST_P(RenameProContentTest, WritesEveryLineBreakAsCrLfAndEndsWithOne) {
    const auto content = RenameProContent(GetParam().text);
    ASSERT_TRUE(content.ok());
    EXPECT_EQ(*content.value, GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RenameProContentTest,
    testing::Values(ContentCase{u"", "\r\n"}, ContentCase{u"a\r\nb\r\n", "a\r\nb\r\n\r\n"},
                    ContentCase{u"a\nb", "a\r\nb\r\n"}, ContentCase{u"a\rb\r", "a\r\nb\r\n\r\n"},
                    ContentCase{u"a\n\r\nK\u00fchler", "a\r\n\r\nK\xfchler\r\n"}));

TEST(RenameFileTest, RefusesACharacterOutsideTheCodePageNamingItsLine) {
    const auto content = RenameProContent(u"save_objects all\nteil\u2603.prt");
    ASSERT_FALSE(content.ok());
    EXPECT_NE(content.error.find(u"\"\u2603\" (U+2603) in Zeile 2"), std::u16string::npos);

    const auto pairs = RenameProContentForPairs({u"a.prt"}, {u"\u2603.prt"});
    ASSERT_FALSE(pairs.ok());
    EXPECT_NE(pairs.error.find(u"Eintrag 1 der Liste \"neuer Name\" enthält das Zeichen "
                               u"\"\u2603\" (U+2603)"),
              std::u16string::npos);
}

TEST(RenameFileTest, PairContentEqualsTheWindowsTextWritten) {
    const NameList oldNames{u"K\u00fchler.asm", u"teil.prt"};
    const NameList newNames{u"K\u00fchler_2.asm", u"teil_2.prt"};
    const auto fromPairs = RenameProContentForPairs(oldNames, newNames);
    const auto fromText = RenameProContent(ComposeMapkeyText(oldNames, newNames));
    ASSERT_TRUE(fromPairs.ok() && fromText.ok());
    EXPECT_EQ(*fromPairs.value, *fromText.value);
}

struct ProblemCase {
    NameList oldNames, newNames;
    bool showInWindow;
    std::u16string message;
};

class CheckPairsTest : public testing::TestWithParam<ProblemCase> {};

TEST_P(CheckPairsTest, RefusesListsThatCannotMakeAMapkey) {
    const auto& c = GetParam();
    const auto problem = CheckPairs(c.oldNames, c.newNames);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->showInWindow, c.showInWindow);
    EXPECT_EQ(problem->message, c.message);
    EXPECT_FALSE(RenameProContentForPairs(c.oldNames, c.newNames).ok());
}

const std::u16string kUnsafeTail =
    u"\" enthält einen Zeilenumbruch oder ein ` und kann nicht in den Mapkey geschrieben "
    u"werden !";

INSTANTIATE_TEST_SUITE_P(
    Problems, CheckPairsTest,
    testing::Values(ProblemCase{{u"a", u"b"}, {u"c", u"d", u"e"}, true, kCountsDifferMessage},
                    ProblemCase{{u"a", u"b", u"c"}, {}, false, kCountsDifferMessage},
                    ProblemCase{{u"a", u"b`;~ Activate"},
                                {u"c", u"d"},
                                true,
                                u"Achtung : Eintrag 2 der Liste \"alter Name" + kUnsafeTail},
                    ProblemCase{{u"a", u"b", u"c"},
                                {u"c", u"d", u"x\r\nmapkey"},
                                true,
                                u"Achtung : Eintrag 3 der Liste \"neuer Name" + kUnsafeTail},
                    ProblemCase{{u"a\nb"},
                                {u"c\r"},
                                true,
                                u"Achtung : Eintrag 1 der Liste \"alter Name" + kUnsafeTail}));

TEST(RenameFileTest, NamesWithBlanksAndSemicolonsAreNoProblem) {
    EXPECT_FALSE(CheckPairs({u" a;b.prt", u""}, {u"", u"c d"}).has_value());
}

TEST(RenameFileTest, WriteReportsTheDirectoryOnlyAfterWriting) {
    TempDir dir;
    const Status written = WriteRenamePro(dir.path(), "inhalt\r\n");
    EXPECT_TRUE(written.ok);
    EXPECT_EQ(written.message, u"Datei rename.pro wurde gespeichert in " + dir.path());
    EXPECT_EQ(ReadBytes(RenameProPath(dir.path())), "inhalt\r\n");

    const Status failed = WriteRenamePro(dir.File(u"fehlt"), "x");
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.message.rfind(u"Fehler : ", 0), 0u);
}

}  // namespace
}  // namespace velnix
