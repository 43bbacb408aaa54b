// The code page against the published Windows-1252 table, written out here: a round trip
// through a wrong table would look right. fuzz/codepage.cpp checks the round trip and the
// refusal of any other character on any input.
#include "util/codepage.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

struct CodePageByte {
    unsigned char byte;
    char16_t character;
};

// 0x80 to 0x9F as published, where the five bytes it leaves undefined stand for the C1 control
// of the same number, as on Windows; and the edges of the ranges that keep their number.
constexpr CodePageByte kWindows1252[] = {
    {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026},
    {0x86, 0x2020}, {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039},
    {0x8C, 0x0152}, {0x8D, 0x008D}, {0x8E, 0x017D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x91, 0x2018},
    {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014},
    {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A}, {0x9C, 0x0153}, {0x9D, 0x009D},
    {0x9E, 0x017E}, {0x9F, 0x0178}, {0x00, 0x0000}, {0x7F, 0x007F}, {0xA0, 0x00A0}, {0xFF, 0x00FF},
};

TEST(CodePageTest, MapsEveryByteAsWindows1252BothWays) {
    for (const CodePageByte& entry : kWindows1252) {
        const std::string byte(1, static_cast<char>(entry.byte));
        std::string written = "x";
        EXPECT_FALSE(AppendInCodePage(std::u16string(1, entry.character), written).has_value());
        EXPECT_EQ(written, "x" + byte) << "U+" << std::hex << int{entry.character};
        EXPECT_EQ(DecodeCodePage(byte), std::u16string(1, entry.character))
            << "0x" << std::hex << int{entry.byte};
    }
    // All in one text too, in blocks that start with a letter of plain ASCII.
    std::u16string text = u"x";
    std::string bytes = "x";
    for (const CodePageByte& entry : kWindows1252) {
        text += entry.character;
        bytes += static_cast<char>(entry.byte);
    }
    std::string written;
    EXPECT_FALSE(AppendInCodePage(text, written).has_value());
    EXPECT_EQ(written, bytes);
}

struct RefusedCase {
    std::u16string text;
    std::size_t offset;
    char32_t codePoint;
};

class RefusedCharTest : public testing::TestWithParam<RefusedCase> {};

// Nothing written at all, not even the part before, and no question mark.
TEST_P(RefusedCharTest, WritesNothingAndNamesTheCharacter) {
    const RefusedCase& c = GetParam();
    std::string out = "x";
    const auto refused = AppendInCodePage(c.text, out);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->offset, c.offset);
    EXPECT_EQ(refused->codePoint, c.codePoint);
    EXPECT_EQ(out, "x");
}

INSTANTIATE_TEST_SUITE_P(
    NotInWindows1252, RefusedCharTest,
    testing::Values(
        // U+0080 and U+009F are bytes 0x80 and 0x9F in Latin-1, but those are € and Ÿ here
        RefusedCase{u"ab\u0080", 2, 0x80}, RefusedCase{u"\u009f", 0, 0x9F},
        RefusedCase{std::u16string(16, u'\u0080'), 0, 0x80},  // a whole block of them
        RefusedCase{u"\u00ff\u0100", 1, 0x100}, RefusedCase{u"a\U0001F600", 1, 0x1F600}));

struct DescribedChar {
    char32_t codePoint;
    std::u16string text;
};

class DescribeCharTest : public testing::TestWithParam<DescribedChar> {};

// Controls and surrogates by their number alone, every other character also as itself.
TEST_P(DescribeCharTest, ShowsPrintableCharactersInQuotes) {
    EXPECT_EQ(DescribeChar(GetParam().codePoint), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DescribeCharTest,
    testing::Values(DescribedChar{0x1F, u"U+001F"}, DescribedChar{0x20, u"\" \" (U+0020)"},
                    DescribedChar{0x7E, u"\"~\" (U+007E)"}, DescribedChar{0x7F, u"U+007F"},
                    DescribedChar{0x9F, u"U+009F"}, DescribedChar{0xA0, u"\"\u00a0\" (U+00A0)"},
                    DescribedChar{0xD7FF, u"\"\ud7ff\" (U+D7FF)"}, DescribedChar{0xD800, u"U+D800"},
                    DescribedChar{0xDFFF, u"U+DFFF"}, DescribedChar{0xE000, u"\"\ue000\" (U+E000)"},
                    DescribedChar{0xFFFF, u"\"\uffff\" (U+FFFF)"},
                    DescribedChar{0x10000, u"\"\U00010000\" (U+10000)"},
                    DescribedChar{0x10FFFF, u"\"\U0010FFFF\" (U+10FFFF)"}));

}  // namespace
}  // namespace velnix
