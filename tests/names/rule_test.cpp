// The documented clean-up and rule, and through them the text functions they use (fuzz/text.cpp
// checks them against references on any input, but not past its 16-bit lengths); deleting
// entries.
#include "names/rule.h"

#include <gtest/gtest.h>

#include "names/editing.h"
#include "util/text.h"

namespace velnix {
namespace {

TEST(CleanTest, ReducesOldNamesToFileNameAndFirstExtensionKeepingEmptyOnes) {
    EXPECT_EQ(clean({u"C:\\work\\bracket.prt.3", u"", u"C:\\asm.old\\plate.drw.12",
                     u"C:bracket.asm", u"part.", u"D:\\top.asm.2"}),
              (NameList{u"bracket.prt", u"", u"plate.drw", u"bracket.asm", u"part", u"top.asm"}));
}

TEST(ApplyRuleTest, ReplacesOnlyTheFirstExactMatchInEachOldNameIfAny) {
    EXPECT_EQ(ApplyRule({u"Prt_prt_prt", u"PRT.prt", u""}, u"prt", u"asm"),
              (NameList{u"Prt_asm_prt", u"PRT.asm", u""}));
    EXPECT_EQ(ApplyRule({u"teil", u""}, u"", u"neu_"), (NameList{u"neu_teil", u""}));
    // Whether Action changes a name at all: an empty name takes no expression.
    EXPECT_FALSE(RuleMatchesAny({u"teil", u""}, u"x"));
    EXPECT_TRUE(RuleMatchesAny({u"", u"teil"}, u"ei"));
    EXPECT_FALSE(RuleMatchesAny({u""}, u""));
}

TEST(TextTest, LongTextsHaveNoLengthLimit) {
    const std::u16string longName(70000, u'x');
    EXPECT_EQ(ReplaceFirst(longName + u"prt", u"prt", u"asm"), longName + u"asm");
    EXPECT_EQ(FileExtension(u"C:\\" + longName + u".prt.2"), u".prt");
}

TEST(DeleteMarkedTest, DropsTheMarkedAndEveryEmptyEntry) {
    const NameList names{u"a", u"", u"b", u"a", u""};
    EXPECT_EQ(DeleteMarked(names, 3), (NameList{u"a", u"b"}));
    EXPECT_EQ(DeleteMarked(names, std::nullopt), (NameList{u"a", u"b", u"a"}));
    EXPECT_EQ(DeleteMarked(names, 99), (NameList{u"a", u"b", u"a"}));
    EXPECT_EQ(DeleteMarked({}, std::nullopt), NameList{});
}

}  // namespace
}  // namespace velnix
