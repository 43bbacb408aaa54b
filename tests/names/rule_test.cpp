// The documented clean-up and rule; fuzz/text.cpp checks both against references on any input.
#include "names/rule.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

TEST(CleanTest, ReducesOldNamesToFileNameAndExtensionKeepingEmptyOnes) {
    EXPECT_EQ(clean({u"C:\\work\\bracket.prt.3", u"", u"C:\\asm.old\\plate.drw"}),
              (NameList{u"bracket.prt", u"", u"plate.drw"}));
}

TEST(ApplyRuleTest, ReplacesTheFirstExactMatchInEachOldName) {
    EXPECT_EQ(ApplyRule({u"prt_prt.prt", u"PRT.prt", u""}, u"prt", u"asm"),
              (NameList{u"asm_prt.prt", u"PRT.asm", u""}));
}

}  // namespace
}  // namespace velnix
