#include "mapkey/rename_file.h"

#include <gtest/gtest.h>

#include "util/codepage.h"

namespace velnix {
namespace {

struct ContentCase {
    std::u16string text;
    std::string bytes;
    std::u16string error{};  // empty when the text can be written
};

class RenameProContentTest : public testing::TestWithParam<ContentCase> {};

TEST_P(RenameProContentTest, WritesEveryLineBreakAsCrLfAndEndsWithOne) {
    const auto content = RenameProContent(GetParam().text);
    EXPECT_EQ(content.ok() ? *content.value : "", GetParam().bytes);
    EXPECT_EQ(content.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RenameProContentTest,
    testing::Values(ContentCase{u"", "\r\n"}, ContentCase{u"a\r\nb\r\n", "a\r\nb\r\n\r\n"},
                    ContentCase{u"a\nb", "a\r\nb\r\n"}, ContentCase{u"a\rb\r", "a\r\nb\r\n\r\n"},
                    ContentCase{u"a\n\r\nK\u00fchler", "a\r\n\r\nK\xfchler\r\n"},
                    // A character the code page lacks is named with its line.
                    ContentCase{u"save_objects all\nteil\u2603.prt", "",
                                u"Achtung : Das Zeichen \"\u2603\" (U+2603) in Zeile 2 gibt es in "
                                u"der Codepage " +
                                    CodePageName() +
                                    u" nicht. Die Datei rename.pro wurde nicht geschrieben !"}));

}  // namespace
}  // namespace velnix
