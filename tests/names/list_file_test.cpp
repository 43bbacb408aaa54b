#include "names/list_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "util/files.h"

namespace velnix {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

struct LinesCase {
    std::u16string text;
    NameList listFile, anyLines, pasted;
};

class LineRulesTest : public testing::TestWithParam<LinesCase> {};

TEST_P(LineRulesTest, SplitsByItsLineRule) {
    const auto& c = GetParam();
    EXPECT_EQ(SplitListFileLines(c.text), c.listFile);
    EXPECT_EQ(SplitAnyLines(c.text), c.anyLines);
    EXPECT_EQ(SplitPastedText(c.text), c.pasted);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineRulesTest,
    testing::Values(LinesCase{u"", {}, {}, {}},
                    LinesCase{u"a\r\nb\r\n", {u"a", u"b"}, {u"a", u"b"}, {u"a", u"b"}},
                    LinesCase{u"a\r\nb", {u"a", u"b"}, {u"a", u"b"}, {u"a", u"b"}},
                    LinesCase{u"a\nb\n", {u"a\nb\n"}, {u"a", u"b"}, {u"a", u"b"}},
                    LinesCase{u"a\rb\r\r\n", {u"a", u"b", u""}, {u"a", u"b", u""}, {u"a", u"b"}},
                    LinesCase{u"\r\n\r\n", {u"", u""}, {u"", u""}, {}},
                    LinesCase{u"Name\r\nteil.prt\r\nname\r\n Name\r\nNamen\tx\n",
                              {u"Name", u"teil.prt", u"name", u" Name", u"Namen\tx\n"},
                              {u"Name", u"teil.prt", u"name", u" Name", u"Namen\tx"},
                              {u"teil.prt", u"name", u" Name", u"Namen\tx"}}));

struct DecodeCase {
    std::string bytes;
    std::u16string text;
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, ReadsUtf8WhenItIsUtf8AndTheCodePageOtherwise) {
    EXPECT_EQ(DecodeListFileBytes(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Files, DecodeTest,
                         testing::Values(DecodeCase{"K\xc3\xbchler", u"K\u00fchler"},
                                         DecodeCase{"\xef\xbb\xbfteil.prt", u"teil.prt"},
                                         DecodeCase{"K\xfchler", u"K\u00fchler"},
                                         DecodeCase{"\x80 \xc3", u"\u20ac \u00c3"},
                                         DecodeCase{"plain.prt", u"plain.prt"}));

TEST(ListFileTest, SaveThenOpenRestoresTheListWithEmptyEntries) {
    TempDir dir;
    const std::u16string path = ListFilePath(dir.path(), ListId::Old);
    const NameList names{u"teil.prt", u"", u"K\u00fchler \u20ac.asm", u""};
    ASSERT_TRUE(WriteListFile(path, names).ok);
    EXPECT_EQ(ReadBytes(path), "teil.prt\r\n\r\nK\xfchler \x80.asm\r\n\r\n");
    const auto read = ReadListFile(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read.value, names);

    ASSERT_TRUE(WriteListFile(path, {}).ok);
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(*ReadListFile(path).value, NameList{});
}

TEST(ListFileTest, ListFilesLiveInTheProgramDirectory) {
    EXPECT_EQ(ListFilePath(u"prog", ListId::Old), JoinPath(u"prog", u"Velnix_renOLD.txt"));
    EXPECT_EQ(ListFilePath(u"prog", ListId::New), JoinPath(u"prog", u"Velnix_renNEW.txt"));
}

TEST(ListFileTest, MissingFileIsAnEmptyListButAnUnreadableOneIsAnError) {
    TempDir dir;
    const auto missing = ReadListFile(dir.File(u"Velnix_renNEW.txt"));
    ASSERT_TRUE(missing.ok());
    EXPECT_TRUE(missing.value->empty());

    const auto folder = ReadListFile(dir.path());
    EXPECT_FALSE(folder.ok());
    EXPECT_EQ(folder.error.rfind(u"Fehler : ", 0), 0u);
}

TEST(ListFileTest, RefusesACharacterOutsideTheCodePageAndKeepsTheFile) {
    TempDir dir;
    const std::u16string path = dir.File(u"Velnix_renOLD.txt");
    WriteBytes(path, "alt\r\n");
    const Status saved = WriteListFile(path, {u"a", u"b\u2603"});
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.message.find(u"Eintrag 2 enthält das Zeichen \"\u2603\" (U+2603)"),
              std::u16string::npos);
    EXPECT_EQ(ReadBytes(path), "alt\r\n");
}

}  // namespace
}  // namespace velnix
