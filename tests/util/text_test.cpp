// The documented examples of the text and path functions; fuzz/text.cpp checks them against
// reference implementations on any input, and this file what the fuzzer cannot reach.
#include "util/text.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

struct PathCase {
    std::u16string path, nameWithExtension;
};

class FileNameTest : public testing::TestWithParam<PathCase> {};

TEST_P(FileNameTest, KeepsBaseNameAndFirstExtension) {
    EXPECT_EQ(FileNameWithExtension(GetParam().path), GetParam().nameWithExtension);
}

INSTANTIATE_TEST_SUITE_P(Examples, FileNameTest,
                         testing::Values(PathCase{u"C:\\work\\bracket.prt.3", u"bracket.prt"},
                                         PathCase{u"C:\\asm.old\\plate.drw.12", u"plate.drw"},
                                         PathCase{u"C:bracket.asm", u"bracket.asm"},
                                         PathCase{u"part.", u"part"}));

TEST(TextTest, ReplacesOnlyTheFirstExactMatch) {
    EXPECT_EQ(ReplaceFirst(u"Prt_prt_prt", u"prt", u"asm"), u"Prt_asm_prt");
    EXPECT_EQ(ReplaceFirst(u"teil", u"", u"neu_"), u"neu_teil");
    EXPECT_EQ(ReplaceFirst(u"", u"", u"neu_"), u"");
}

// Positions past 16 bits, out of the fuzzer's reach.
TEST(TextTest, LongTextsHaveNoLengthLimit) {
    const std::u16string longName(70000, u'x');
    EXPECT_EQ(ReplaceFirst(longName + u"prt", u"prt", u"asm"), longName + u"asm");
    EXPECT_EQ(FileExtension(u"C:\\" + longName + u".prt.2"), u".prt");
}

}  // namespace
}  // namespace velnix
