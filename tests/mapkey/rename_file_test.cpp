#include "mapkey/rename_file.h"

#include <gtest/gtest.h>

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

// Every line break becomes CR LF, one ends the file. The text is converted in blocks of 64 KiB:
// a line break or a character across the border stays whole, and the lines are counted on.
TEST(OutputTextFileTest, WritesEveryLineBreakAsCrLfAcrossItsBlocks) {
    EXPECT_EQ(Bytes(u""), "\r\n");
    EXPECT_EQ(Bytes(u"a\r\nb\rc\n\r\nK\u00fchler\r"), "a\r\nb\r\nc\r\n\r\nK\xfchler\r\n\r\n");
    const std::u16string before(65535, u'a');
    EXPECT_EQ(Bytes(before + u"\r\nb"), std::string(65535, 'a') + "\r\nb\r\n");
    EXPECT_EQ(Bytes(before + u"\u00fc\r"), std::string(65535, 'a') + "\xfc\r\n\r\n");
}

TEST(OutputTextFileTest, NamesACharacterTheCodePageLacksWithItsLine) {
    std::u16string refusal;
    EXPECT_EQ(Bytes(u"a\r\n" + std::u16string(65535, u'a') + u"\n\u2603", &refusal), "<refused>");
    EXPECT_EQ(refusal,
              u"Achtung : Das Zeichen \"\u2603\" (U+2603) in Zeile 3 gibt es in der Codepage " +
                  CodePageName() + u" nicht. Die Datei rename.pro wurde nicht geschrieben !");
}

// The undo file's bytes are the golden file's; a failing write of either file: TwoFileWriteTest.
TEST(OutputTextFileTest, WritesTheUndoFileBesideTheText) {
    test::TempDir dir;
    const MapkeyPairs pairs =
        *EncodePairs({u"teil1.prt", u"bg1.asm"}, {u"teil1_neu.prt", u"bg1_neu.asm"}).value;
    EXPECT_EQ(WriteOutputText(ToFsPath(dir.path()), "Text", &pairs).message,
              u"Dateien rename.pro und rename_zurueck.pro wurden gespeichert in " + dir.path());
    EXPECT_EQ(test::ReadBytes(dir.File(u"rename.pro")), "Text\r\n");
    EXPECT_TRUE(test::MatchesGolden("UndoOfWorkedExampleOfTwoPairs.pro",
                                    test::ReadBytes(dir.File(u"rename_zurueck.pro"))));
    // A text the code page cannot hold is refused with its own message; rename.pro stays.
    EXPECT_EQ(WriteOutputText(ToFsPath(dir.path()), "\xE2\x98\x83", &pairs)
                  .message.rfind(u"Achtung : Das Zeichen \"\u2603\"", 0),
              0U);
    EXPECT_EQ(test::ReadBytes(dir.File(u"rename.pro")), "Text\r\n");
}

}  // namespace
}  // namespace velnix
