// The code page's own characters; fuzz/codepage.cpp checks the round trip and the refusal of
// any other character on any input.
#include "util/codepage.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

TEST(CodePageTest, HoldsTheWindows1252CharactersBothWaysAndRefusesOthers) {
    const std::u16string text = u"K\u00fchler \u20ac\u201e\u0178\u2122\u00c4\u00d6\u00dc\u00df";
    const std::string bytes = "K\xfchler \x80\x84\x9f\x99\xc4\xd6\xdc\xdf";
    std::string out = "x";
    EXPECT_FALSE(AppendInCodePage(text, out).has_value());
    EXPECT_EQ(out, "x" + bytes);
    EXPECT_EQ(DecodeCodePage(bytes), text);
    // U+0080 is byte 0x80 in Latin-1, but that byte is the euro sign here: no question mark
    // written instead, nothing written at all.
    const auto bad = AppendInCodePage(u"a\u0080", out);
    ASSERT_TRUE(bad.has_value());
    EXPECT_EQ(bad->offset, 1u);
    EXPECT_EQ(bad->codePoint, 0x80u);
    EXPECT_EQ(out, "x" + bytes);
}

TEST(CodePageTest, NamesTheCharacterForMessages) {
    EXPECT_EQ(DescribeChar(0x1F600), u"\"\U0001F600\" (U+1F600)");
    EXPECT_EQ(DescribeChar(0x0D), u"U+000D");
}

}  // namespace
}  // namespace velnix
