#include "util/text.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

struct ReplaceCase {
    std::u16string text, search, replacement, expected;
};

class ReplaceFirstTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceFirstTest, ReplacesOnlyTheFirstExactMatch) {
    const auto& c = GetParam();
    EXPECT_EQ(ReplaceFirst(c.text, c.search, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ReplaceFirstTest,
    testing::Values(ReplaceCase{u"abcabc", u"b", u"X", u"aXcabc"},
                    ReplaceCase{u"abc", u"x", u"X", u"abc"},
                    ReplaceCase{u"abc", u"c", u"XY", u"abXY"},
                    ReplaceCase{u"abc", u"a", u"", u"bc"}, ReplaceCase{u"abcd", u"bc", u"", u"ad"},
                    ReplaceCase{u"abc", u"abc", u"X", u"X"},
                    ReplaceCase{u"Abc", u"a", u"X", u"Abc"},
                    ReplaceCase{u"abc", u"", u"X", u"Xabc"}, ReplaceCase{u"", u"a", u"X", u""},
                    ReplaceCase{u"", u"", u"X", u""}, ReplaceCase{u"aa", u"a", u"aa", u"aaa"}));

struct SplitCase {
    std::u16string path, baseName, extension;
};

class PathSplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(PathSplitTest, GivesBaseNameAndExtension) {
    const auto& c = GetParam();
    EXPECT_EQ(FileBaseName(c.path), c.baseName) << "path: " << testing::PrintToString(c.path);
    EXPECT_EQ(FileExtension(c.path), c.extension);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PathSplitTest,
    testing::Values(SplitCase{u"C:\\work\\bracket.prt", u"bracket", u".prt"},
                    SplitCase{u"bracket.prt", u"bracket", u".prt"},
                    SplitCase{u"bracket.prt.3", u"bracket", u".prt"},
                    SplitCase{u"C:\\work\\asm.old\\plate.drw.12", u"plate", u".drw"},
                    SplitCase{u"archive.old\\part.drw", u"part", u".drw"},
                    SplitCase{u"a\\b.c.d", u"b", u".c"},
                    SplitCase{u"C:bracket.asm", u"bracket", u".asm"},
                    SplitCase{u"Part.ASM", u"Part", u".ASM"},
                    SplitCase{u"bracket", u"bracket", u""}, SplitCase{u"part.", u"part", u""},
                    SplitCase{u"a..b", u"a", u".b"}, SplitCase{u".prt", u"", u".prt"},
                    SplitCase{u"\\part", u"part", u""}, SplitCase{u"C:\\work\\", u"work\\", u""},
                    SplitCase{u"C:/work/part.prt", u"/work/part", u".prt"},
                    SplitCase{u"ab:c.prt", u"ab:c", u".prt"}, SplitCase{u"C:", u"", u""},
                    SplitCase{u"", u"", u""}, SplitCase{u"dir\\.prt", u"dir\\", u".prt"}));

TEST(TextTest, LongTextsHaveNoLengthLimit) {
    // Positions past the 16-bit range (32767) must not overflow.
    const std::u16string longName(70000, u'x');
    EXPECT_EQ(ReplaceFirst(longName + u"prt", u"prt", u"asm"), longName + u"asm");
    EXPECT_EQ(FileExtension(u"C:\\" + longName + u".prt.2"), u".prt");
}

}  // namespace
}  // namespace velnix
