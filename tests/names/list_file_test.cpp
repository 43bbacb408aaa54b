// The list files on disk and the encodings a Windows user meets (fuzz/list_file.cpp: any input).
#include "names/list_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "util/codepage.h"
#include "util/paths.h"

namespace velnix {
namespace {

using namespace std::string_literals;  // bytes with NUL
using namespace test;

// A lone LF stays in a list file's entry; pasting drops empty lines and the heading "Name".
TEST(LineRulesTest, ListFilesEndLinesAtCrLfOrCrAndPastingAtAnyLineEnd) {
    const std::u16string text = u"Name\r\na\nb\r\rc\r";
    EXPECT_EQ(SplitListFileLines(text), (NameList{u"Name", u"a\nb", u"", u"c"}));
    EXPECT_EQ(SplitPastedText(text), (NameList{u"a", u"b", u"c"}));
}

struct DecodeCase {
    std::string bytes;
    std::optional<NameList> names;  // nothing: refused
};

class DecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, ReadsEveryEncodingByItsMarkAndRefusesTheRest) {
    const auto decoded = DecodeListFile(GetParam().bytes, u"liste.txt", LineRule::ListFile);
    EXPECT_EQ(decoded.value, GetParam().names);
    EXPECT_EQ(decoded.error, GetParam().names
                                 ? u""
                                 : u"Fehler : Die Datei \"liste.txt\" konnte nicht "
                                   u"gelesen werden: sie ist kein Text in UTF-8, in "
                                   u"UTF-16 mit Byte-Order-Mark oder in der Codepage " +
                                       CodePageName() + u".");
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTest,
    testing::Values(DecodeCase{"K\xc3\xbchler", NameList{u"K\u00fchler"}},          // UTF-8
                    DecodeCase{"K\xfchler \x80", NameList{u"K\u00fchler \u20ac"}},  // code page
                    // Notepad's "Unicode" and "Unicode big endian"
                    DecodeCase{"\xff\xfeK\0\r\0\n\0=\xd8\0\xde"s, NameList{u"K", u"\U0001F600"}},
                    DecodeCase{"\xfe\xff\0a\0\r\0\n\x20\xac"s, NameList{u"a", u"\u20ac"}},
                    DecodeCase{"a\0\r\0\n\0"s, std::nullopt}));  // UTF-16 without its mark

TEST(ListFileTest, SaveThenOpenRestoresTheListAndARefusedSaveKeepsTheFile) {
    TempDir dir;
    const std::u16string path = ListFilePath(dir.path(), ListId::Old);
    EXPECT_EQ(path, JoinPath(dir.path(), u"Velnix_renOLD.txt"));
    EXPECT_EQ(ListFilePath(u"prog", ListId::New), JoinPath(u"prog", u"Velnix_renNEW.txt"));
    const NameList names{u"teil.prt", u"", u"K\u00fchler \u20ac.asm", u""};
    const std::string bytes = "teil.prt\r\n\r\nK\xfchler \x80.asm\r\n\r\n";
    ASSERT_TRUE(WriteListFile(path, names).ok);
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(ReadListFile(path).value, names);
    // A character outside the code page: refused, naming its entry, and the file kept.
    EXPECT_NE(WriteListFile(path, {u"a", u"b\u2603"})
                  .message.find(u"Eintrag 2 enthält das Zeichen \"\u2603\" (U+2603)"),
              std::u16string::npos);
    EXPECT_EQ(ReadBytes(path), bytes);
    ASSERT_TRUE(WriteListFile(path, {}).ok);
    EXPECT_EQ(ReadBytes(path), "");
}

TEST(ListFileTest, MissingFileIsAnEmptyListButAnUnreadableOrUndecodableOneIsAnError) {
    TempDir dir;
    EXPECT_EQ(ReadListFile(dir.File(u"fehlt.txt")).value, NameList{});
    EXPECT_EQ(ReadListFile(dir.path()).error.rfind(u"Fehler : ", 0), 0u);
    const std::u16string unmarked = dir.File(u"Velnix_renOLD.txt");
    WriteBytes(unmarked, "a\0b\0"s);
    EXPECT_NE(ReadListFile(unmarked).error.find(u"\"" + unmarked + u"\" konnte nicht gelesen"),
              std::u16string::npos);
}

}  // namespace
}  // namespace velnix
