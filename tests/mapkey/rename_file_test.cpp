#include "mapkey/rename_file.h"

#include <gtest/gtest.h>

#include "util/codepage.h"

namespace velnix {
namespace {

std::string Bytes(std::u16string_view text) {
    const auto content = RenameProContent(text);
    return content.ok() ? *content.value : "<refused>";
}

TEST(RenameProContentTest, WritesEveryLineBreakAsCrLfAndEndsWithOne) {
    EXPECT_EQ(Bytes(u""), "\r\n");
    EXPECT_EQ(Bytes(u"a\r\nb\r\n"), "a\r\nb\r\n\r\n");
    EXPECT_EQ(Bytes(u"a\rb\r"), "a\r\nb\r\n\r\n");
    EXPECT_EQ(Bytes(u"a\n\r\nK\u00fchler"), "a\r\n\r\nK\xfchler\r\n");
}

TEST(RenameProContentTest, NamesACharacterTheCodePageLacksWithItsLine) {
    EXPECT_EQ(RenameProContent(u"save_objects all\nteil\u2603.prt").error,
              u"Achtung : Das Zeichen \"\u2603\" (U+2603) in Zeile 2 gibt es in der Codepage " +
                  CodePageName() + u" nicht. Die Datei rename.pro wurde nicht geschrieben !");
}

}  // namespace
}  // namespace velnix
