#include "util/codepage.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

struct EncodeCase {
    std::u16string text;
    std::string bytes;
};

class CodePageTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(CodePageTest, EncodesAndDecodesEveryByte) {
    const auto& c = GetParam();
    std::string out = "x";
    EXPECT_FALSE(AppendInCodePage(c.text, out).has_value());
    EXPECT_EQ(out, "x" + c.bytes);
    EXPECT_EQ(DecodeCodePage(c.bytes), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Windows1252, CodePageTest,
    testing::Values(EncodeCase{u"", ""}, EncodeCase{u"teil1.prt", "teil1.prt"},
                    EncodeCase{u"K\u00fchler",
                               "K\xfc"
                               "hler"},
                    EncodeCase{u"\u20ac\u201e\u0178\u2122", "\x80\x84\x9f\x99"},
                    EncodeCase{u"\u00c4\u00d6\u00dc\u00e4\u00f6\u00fc\u00df",
                               "\xc4\xd6\xdc\xe4\xf6\xfc\xdf"},
                    // Long enough for the block-wise ASCII path, with a non-ASCII tail.
                    EncodeCase{u"abcdefghijklmnopqrstuvwxyz0123456789\u00e9",
                               "abcdefghijklmnopqrstuvwxyz0123456789\xe9"}));

struct RefusedCase {
    std::u16string text;
    std::size_t offset;
    char32_t codePoint;
};

class UnmappableTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(UnmappableTest, RefusesInsteadOfWritingAQuestionMark) {
    const auto& c = GetParam();
    std::string out = "kept";
    const auto bad = AppendInCodePage(c.text, out);
    ASSERT_TRUE(bad.has_value());
    EXPECT_EQ(bad->offset, c.offset);
    EXPECT_EQ(bad->codePoint, c.codePoint);
    EXPECT_EQ(out, "kept");
}

INSTANTIATE_TEST_SUITE_P(Windows1252, UnmappableTest,
                         testing::Values(RefusedCase{u"\u2603", 0, 0x2603},
                                         RefusedCase{u"teil_\u0416.prt", 5, 0x0416},
                                         RefusedCase{u"0123456789abcdefgh\U0001F600", 18, 0x1F600},
                                         RefusedCase{u"a\u0080", 1, 0x80}));

TEST(CodePageNameTest, NamesTheCharacter) {
    EXPECT_EQ(DescribeChar(0x2603), u"\"\u2603\" (U+2603)");
    EXPECT_EQ(DescribeChar(0x1F600), u"\"\U0001F600\" (U+1F600)");
    EXPECT_EQ(DescribeChar(0x0D), u"U+000D");
}

}  // namespace
}  // namespace velnix
