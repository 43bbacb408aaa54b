// What the fuzzer cannot reach in the text functions (fuzz/text.cpp checks them against reference
// implementations on any input; tests/names/rule_test.cpp their documented examples).
#include "util/text.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

// Positions past 16 bits, out of the fuzzer's reach.
TEST(TextTest, LongTextsHaveNoLengthLimit) {
    const std::u16string longName(70000, u'x');
    EXPECT_EQ(ReplaceFirst(longName + u"prt", u"prt", u"asm"), longName + u"asm");
    EXPECT_EQ(FileExtension(u"C:\\" + longName + u".prt.2"), u".prt");
}

}  // namespace
}  // namespace velnix
