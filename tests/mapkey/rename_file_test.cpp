#include "mapkey/rename_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "mapkey/compose.h"
#include "support/golden.h"
#include "support/temp_dir.h"
#include "util/codepage.h"
#include "util/paths.h"
#include "util/unicode.h"

namespace velnix {
namespace {

// rename.pro's bytes for the output text, or the message that refuses it.
std::string Bytes(std::u16string_view text, std::u16string* refusal = nullptr) {
    StringSink converted;
    std::u16string problem;
    const bool ok = ConvertOutputText(Utf16ToUtf8(text), converted, problem);
    EXPECT_EQ(ok, problem.empty());
    if (refusal != nullptr) {
        *refusal = problem;
    }
    return ok ? converted.text : "<refused>";
}

TEST(OutputTextFileTest, WritesEveryLineBreakAsCrLfAndEndsWithOne) {
    EXPECT_EQ(Bytes(u""), "\r\n");
    EXPECT_EQ(Bytes(u"a\r\nb\rc\n\r\nK\u00fchler\r"), "a\r\nb\r\nc\r\n\r\nK\xfchler\r\n\r\n");
}

// The output text is converted in blocks of 64 KiB: a line break or a character across the
// border stays whole, and the lines are counted on.
TEST(OutputTextFileTest, OutputTextConvertsAcrossItsBlocks) {
    const std::u16string before(65535, u'a');
    EXPECT_EQ(Bytes(before + u"\r\nb"), std::string(65535, 'a') + "\r\nb\r\n");
    EXPECT_EQ(Bytes(before + u"\u00fc\r"), std::string(65535, 'a') + "\xfc\r\n\r\n");
    EXPECT_EQ(Bytes(before + u"\n\n\u2603"), "<refused>");
}

TEST(OutputTextFileTest, NamesACharacterTheCodePageLacksWithItsLine) {
    std::u16string refusal;
    EXPECT_EQ(Bytes(u"save_objects all\nteil\u2603.prt", &refusal), "<refused>");
    EXPECT_EQ(refusal,
              u"Achtung : Das Zeichen \"\u2603\" (U+2603) in Zeile 2 gibt es in der Codepage " +
                  CodePageName() + u" nicht. Die Datei rename.pro wurde nicht geschrieben !");
}

struct BothFilesCase {
    const char* label;
    std::u16string_view failing;  // the file that cannot be written, or none
    bool folderInTheWay;          // it fails for a folder of its name, or else for its content
    bool fromText;                // rename.pro from the output text, not from the pairs
};

class BothFilesTest : public testing::TestWithParam<BothFilesCase> {};

// The undo file's bytes are the golden file's (from the pairs: the command line's tests); when
// either file cannot be written, neither changes and no temporary stays.
TEST_P(BothFilesTest, WritesBothOrNeither) {
    const BothFilesCase& c = GetParam();
    const auto keptAsFile = [&c](std::u16string_view name) {
        return !c.folderInTheWay || name != c.failing;
    };
    test::TempDir dir;
    for (const char16_t* name : {u"rename.pro", u"rename_zurueck.pro"}) {
        // A folder in the way holds a file of its own.
        test::WriteBytes(dir.File(name) + (keptAsFile(name) ? u"" : u"/alt"), "alt");
    }
    const MapkeyPairs pairs =
        *EncodePairs({u"teil1.prt", u"bg1.asm"}, {u"teil1_neu.prt", u"bg1_neu.asm"}).value;
    MapkeyPairs undoOf = pairs;
    if (!c.failing.empty() && !c.folderInTheWay) {
        undoOf.newNames.Append("x");  // lists of different length compose nothing
    }
    const std::filesystem::path folder = ToFsPath(dir.path());
    const Status written = c.fromText ? WriteOutputText(folder, "Text", &undoOf)
                                      : WriteRenamePro(folder, pairs, &undoOf);
    if (c.failing.empty()) {
        EXPECT_EQ(written.message,
                  u"Dateien rename.pro und rename_zurueck.pro wurden gespeichert in " + dir.path());
        EXPECT_TRUE(test::MatchesGolden("UndoOfWorkedExampleOfTwoPairs.pro",
                                        test::ReadBytes(dir.File(u"rename_zurueck.pro"))));
        EXPECT_EQ(test::ReadBytes(dir.File(u"rename.pro")).substr(0, 4),
                  c.fromText ? "Text" : "save");
    } else {
        EXPECT_FALSE(written.ok);
        EXPECT_EQ(written.message.rfind(u"Fehler : ", 0), 0u);
        EXPECT_NE(written.message.find(std::u16string(c.failing) + u"\" konnte nicht"),
                  std::u16string::npos)
            << Utf16ToUtf8(written.message);
        for (const char16_t* name : {u"rename.pro", u"rename_zurueck.pro"}) {
            EXPECT_TRUE(!keptAsFile(name) || test::ReadBytes(dir.File(name)) == "alt");
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
}

const BothFilesCase kBothFiles[] = {
    {"WrittenFromText", u"", false, true},
    {"UndoFileBlocked", u"rename_zurueck.pro", true, false},
    {"RenameProBlocked", u"rename.pro", true, true},
    {"UndoFileStops", u"rename_zurueck.pro", false, false},
};

INSTANTIATE_TEST_SUITE_P(Folders, BothFilesTest, testing::ValuesIn(kBothFiles),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace velnix
