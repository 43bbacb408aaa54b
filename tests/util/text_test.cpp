// The documented examples of the text and path functions; fuzz/text.cpp checks them against
// reference implementations on any input, and this file what the fuzzer cannot reach.
#include "util/text.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

TEST(TextTest, FileNameKeepsBaseNameAndFirstExtension) {
    EXPECT_EQ(FileNameWithExtension(u"C:\\work\\bracket.prt.3"), u"bracket.prt");
    EXPECT_EQ(FileNameWithExtension(u"C:\\asm.old\\plate.drw.12"), u"plate.drw");
    EXPECT_EQ(FileNameWithExtension(u"C:bracket.asm"), u"bracket.asm");
    EXPECT_EQ(FileNameWithExtension(u"part."), u"part");
}

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
