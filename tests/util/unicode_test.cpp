// The edges of UTF-8 and UTF-16, written out by hand; fuzz/list_file.cpp checks the well-formed
// rest on any input.
#include "util/unicode.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

struct EncodedText {
    std::u16string text;
    std::string utf8;  // what Utf16ToUtf8 makes of it, a lone surrogate as U+FFFD
    bool wellFormed;   // no lone surrogate: the UTF-8 decodes to the text again
};

class Utf16EdgeTest : public testing::TestWithParam<EncodedText> {};

std::string LittleEndianBytes(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    }
    return bytes;
}

TEST_P(Utf16EdgeTest, EncodesAndDecodesAtTheEdges) {
    const EncodedText& c = GetParam();
    EXPECT_EQ(Utf16ToUtf8(c.text), c.utf8);
    EXPECT_TRUE(IsValidUtf8(c.utf8));
    const std::optional<std::u16string> decoded =
        DecodeUtf16(LittleEndianBytes(c.text), ByteOrder::LittleEndian);
    EXPECT_EQ(decoded.has_value(), c.wellFormed);
    if (c.wellFormed) {
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.text);
        EXPECT_EQ(decoded.value_or(u""), c.text);
    }
}

const std::string kReplacement = "\xEF\xBF\xBD";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Unicode, Utf16EdgeTest,
    testing::Values(
        EncodedText{u"\u007f", "\x7F", true}, EncodedText{u"\u0080", "\xC2\x80", true},
        EncodedText{u"\u07ff", "\xDF\xBF", true}, EncodedText{u"\u0800", "\xE0\xA0\x80", true},
        EncodedText{u"\ud7ff", "\xED\x9F\xBF", true}, EncodedText{u"\ue000", "\xEE\x80\x80", true},
        EncodedText{u"\uffff", "\xEF\xBF\xBF", true},
        EncodedText{u"\xD800\xDC00", "\xF0\x90\x80\x80", true},  // U+10000
        EncodedText{u"\xDBFF\xDFFF", "\xF4\x8F\xBF\xBF", true},  // U+10FFFF
        // lone surrogates, and a lead that no trail follows
        EncodedText{u"a\xDC00", "a" + kReplacement, false},
        EncodedText{u"\xDFFF", kReplacement, false}, EncodedText{u"\xDBFF", kReplacement, false},
        EncodedText{u"\xD800\xE000", kReplacement + "\xEE\x80\x80", false},
        EncodedText{u"\xD800\xDBFF\xDFFF", kReplacement + "\xF4\x8F\xBF\xBF", false},
        EncodedText{u"\xDC00\xD800", kReplacement + kReplacement, false}));
// clang-format on

// As paths and system messages may hold it: each bad byte becomes U+FFFD.
TEST(MalformedUtf8Test, ReplacesEachBadByte) {
    EXPECT_EQ(Utf8ToUtf16("a\xfcz\xf0\x9f\x98\x80"), u"a\uFFFDz\U0001F600");
    EXPECT_EQ(Utf8ToUtf16("\xc0\xaf"), u"\uFFFD\uFFFD");                      // an overlong "/"
    EXPECT_EQ(Utf8ToUtf16("\xe0\x9f\xbf"), u"\uFFFD\uFFFD\uFFFD");            // U+07FF in three
    EXPECT_EQ(Utf8ToUtf16("\xf0\x8f\xbf\xbf"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // U+FFFF in four
    EXPECT_EQ(Utf8ToUtf16("\xf4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // past U+10FFFF
    EXPECT_EQ(Utf8ToUtf16("\xed\xa0\x80"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("end\xe2\x82"), u"end\uFFFD\uFFFD");
    EXPECT_FALSE(IsValidUtf8("\xed\xbf\xbf"));
}

}  // namespace
}  // namespace velnix
