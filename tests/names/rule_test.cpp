#include "names/rule.h"

#include <gtest/gtest.h>

namespace velnix {
namespace {

TEST(CleanTest, ReducesOldNamesToFileNameAndExtension) {
    const NameList before{u"C:\\work\\bracket.prt",
                          u"bracket.prt.3",
                          u"C:\\work\\asm.old\\plate.drw.12",
                          u"C:bracket.asm",
                          u"bracket",
                          u"part.",
                          u"a..b",
                          u"",
                          u"teil_1.prt"};
    const NameList after{u"bracket.prt", u"bracket.prt", u"plate.drw", u"bracket.asm", u"bracket",
                         u"part",        u"a.b",         u"",          u"teil_1.prt"};
    EXPECT_EQ(clean(before), after);
}

struct RuleCase {
    std::u16string expression, replacement;
    NameList expected;
};

class ApplyRuleTest : public testing::TestWithParam<RuleCase> {};

TEST_P(ApplyRuleTest, DerivesEachNewNameFromItsOldName) {
    const NameList oldNames{u"prt_prt.prt", u"bracket.prt", u""};
    const auto& c = GetParam();
    EXPECT_EQ(ApplyRule(oldNames, c.expression, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ApplyRuleTest,
    testing::Values(RuleCase{u"prt", u"asm", {u"asm_prt.prt", u"bracket.asm", u""}},
                    RuleCase{u"PRT", u"asm", {u"prt_prt.prt", u"bracket.prt", u""}},
                    RuleCase{u"", u"neu_", {u"neu_prt_prt.prt", u"neu_bracket.prt", u""}},
                    RuleCase{u".prt", u"", {u"prt_prt", u"bracket", u""}},
                    RuleCase{u"xyz", u"abc", {u"prt_prt.prt", u"bracket.prt", u""}}));

TEST(ApplyRuleTest, EmptyOldListGivesEmptyNewList) {
    EXPECT_TRUE(ApplyRule({}, u"a", u"b").empty());
}

}  // namespace
}  // namespace velnix
