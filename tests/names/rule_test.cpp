// The documented clean-up and rule, and through them the text functions they use; fuzz/text.cpp
// checks them against references on any input.
#include "names/rule.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

TEST(CleanTest, ReducesOldNamesToFileNameAndFirstExtensionKeepingEmptyOnes) {
    EXPECT_EQ(clean({u"C:\\work\\bracket.prt.3", u"", u"C:\\asm.old\\plate.drw.12",
                     u"C:bracket.asm", u"part."}),
              (NameList{u"bracket.prt", u"", u"plate.drw", u"bracket.asm", u"part"}));
}

TEST(ApplyRuleTest, ReplacesOnlyTheFirstExactMatchInEachOldName) {
    EXPECT_EQ(ApplyRule({u"Prt_prt_prt", u"PRT.prt", u""}, u"prt", u"asm"),
              (NameList{u"Prt_asm_prt", u"PRT.asm", u""}));
    EXPECT_EQ(ApplyRule({u"teil", u""}, u"", u"neu_"), (NameList{u"neu_teil", u""}));
}

}  // namespace
}  // namespace velnix
