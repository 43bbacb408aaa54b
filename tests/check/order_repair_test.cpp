#include "check/order_repair.h"

#include <gtest/gtest.h>

#include "check/working_folder.h"

namespace velnix {
namespace {

TEST(OrderRepairTest, SwapOpensThroughAnIntermediateNameAndKeepsOtherPairsInPlace) {
    const Result<RepairedList> repaired =
        RepairOrder({u"x.prt", u"a.prt", u"b.prt"}, {u"y.prt", u"b.prt", u"a.prt"});
    ASSERT_TRUE(repaired.ok());
    EXPECT_EQ(repaired.value->pairs.oldNames,
              (NameList{u"x.prt", u"a.prt", u"b.prt", u"a_velnix1.prt"}));
    EXPECT_EQ(repaired.value->pairs.newNames,
              (NameList{u"y.prt", u"a_velnix1.prt", u"a.prt", u"b.prt"}));
    EXPECT_EQ(repaired.value->intermediates, (NameList{u"a_velnix1.prt"}));
    // Which lists it refuses, the property test of the run shows; lists of different length too.
    EXPECT_NE(RepairOrder({u"a.prt"}, {}).error.find(u"verschieden lang"), std::u16string::npos);
}

// A name the folder lacks exists only once the pair that makes it has run.
TEST(OrderRepairTest, ANameTheFolderLacksIsRenamedAfterThePairThatMakesIt) {
    const WorkingFolder folder{u"/arbeit", FolderModels({u"x.prt"}), {}};
    const Result<RepairedList> chain =
        RepairOrder({u"c.prt", u"x.prt"}, {u"d.prt", u"c.prt"}, {{}, {}, {}, &folder, false});
    ASSERT_TRUE(chain.ok());
    EXPECT_EQ(chain.value->pairs.oldNames, (NameList{u"x.prt", u"c.prt"}));
}

// Bases cut to fit 31 characters, or cleared of letters outside ASCII, would give two rings
// the same intermediate name; and a name of the list that looks like one is never reused.
TEST(OrderRepairTest, EveryRingGetsAnIntermediateNameOfItsOwn) {
    const std::u16string longA = u"abcdefghijabcdefghijabcdefghij1";
    const std::u16string longB = u"abcdefghijabcdefghijabcdefghij2";
    const Result<RepairedList> repaired = RepairOrder(
        {longA + u".prt", u"q.prt", longB + u".prt", u"r.prt", u"\u00e4.prt", u"\u00f6.prt"},
        {u"q.prt", longA + u".prt", u"r.prt", longB + u".prt", u"\u00f6.prt", u"\u00e4.prt"});
    ASSERT_TRUE(repaired.ok()) << std::string(repaired.error.begin(), repaired.error.end());
    EXPECT_EQ(repaired.value->intermediates,
              (NameList{u"abcdefghijabcdefghijabc_velnix1.prt",
                        u"abcdefghijabcdefghijabc_velnix2.prt", u"__velnix1.prt"}));
    const Result<RepairedList> taken =
        RepairOrder({u"a.prt", u"b.prt", u"c.prt"}, {u"b.prt", u"a.prt", u"a_velnix1.prt"});
    ASSERT_TRUE(taken.ok());
    EXPECT_EQ(taken.value->intermediates, (NameList{u"a_velnix2.prt"}));
}

}  // namespace
}  // namespace velnix
