// The order repair: the order it finds, and the intermediate names that open rings.
#include "check/order_repair.h"

#include <gtest/gtest.h>

#include <optional>

#include "check/working_folder.h"
#include "util/unicode.h"

namespace velnix {
namespace {

struct RepairCase {
    const char* what;
    NameList oldNames;
    NameList newNames;
    std::vector<std::u16string> repaired;          // "old → new" in the order of the run
    NameList made;                                 // the intermediate names made up
    std::optional<NameList> files = std::nullopt;  // of the working folder, if known
};

class OrderRepairTest : public testing::TestWithParam<RepairCase> {};

TEST_P(OrderRepairTest, RunsEveryPairAfterThePairsItWaitsFor) {
    const RepairCase& c = GetParam();
    const WorkingFolder folder{u"/arbeit", FolderModels(c.files.value_or(NameList())), {}};
    const Result<RepairedList> result =
        RepairOrder(c.oldNames, c.newNames, {{}, {}, {}, c.files ? &folder : nullptr, false});
    ASSERT_TRUE(result.ok()) << c.what << ": " << Utf16ToUtf8(result.error);
    std::vector<std::u16string> pairs;
    for (std::size_t i = 0; i < result.value->pairs.oldNames.size(); ++i) {
        pairs.push_back(result.value->pairs.oldNames[i] + u" → " + result.value->pairs.newNames[i]);
    }
    EXPECT_EQ(pairs, c.repaired) << c.what;
    EXPECT_EQ(result.value->intermediates, c.made) << c.what;
}

const std::u16string kLongA = u"abcdefghijabcdefghijabcdefghij1.prt";
const std::u16string kLongB = u"abcdefghijabcdefghijabcdefghij2.prt";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lists, OrderRepairTest, testing::Values(
    RepairCase{"a chain written backwards", {u"a.prt", u"b.prt"}, {u"b.prt", u"c.prt"},
               {u"b.prt → c.prt", u"a.prt → b.prt"}, {}},
    RepairCase{"a swap, the other pairs in place", {u"x.prt", u"a.prt", u"b.prt"},
               {u"y.prt", u"b.prt", u"a.prt"},
               {u"x.prt → y.prt", u"a.prt → a_velnix1.prt", u"b.prt → a.prt",
                u"a_velnix1.prt → b.prt"}, {u"a_velnix1.prt"}},
    RepairCase{"a name the folder lacks, renamed after the pair that makes it",
               {u"c.prt", u"x.prt"}, {u"d.prt", u"c.prt"}, {u"x.prt → c.prt", u"c.prt → d.prt"},
               {}, NameList{u"x.prt"}},
    // Cut to 23 characters, both bases are the same; the folder holds the first name.
    RepairCase{"two rings of long names", {kLongA, u"q.prt", kLongB, u"r.prt"},
               {u"q.prt", kLongA, u"r.prt", kLongB},
               {kLongA + u" → abcdefghijabcdefghijabc_velnix2.prt", u"q.prt → " + kLongA,
                kLongB + u" → abcdefghijabcdefghijabc_velnix3.prt", u"r.prt → " + kLongB,
                u"abcdefghijabcdefghijabc_velnix2.prt → q.prt",
                u"abcdefghijabcdefghijabc_velnix3.prt → r.prt"},
               {u"abcdefghijabcdefghijabc_velnix2.prt", u"abcdefghijabcdefghijabc_velnix3.prt"},
               NameList{kLongA, u"q.prt", kLongB, u"r.prt",
                        u"abcdefghijabcdefghijabc_velnix1.prt.2"}},
    RepairCase{"two rings of letters outside ASCII", {u"ä.prt", u"ö.prt", u"ü.prt", u"ß.prt"},
               {u"ö.prt", u"ä.prt", u"ß.prt", u"ü.prt"},
               {u"ä.prt → __velnix1.prt", u"ö.prt → ä.prt", u"ü.prt → __velnix2.prt",
                u"ß.prt → ü.prt", u"__velnix1.prt → ö.prt", u"__velnix2.prt → ß.prt"},
               {u"__velnix1.prt", u"__velnix2.prt"}},
    RepairCase{"a name of the list like an intermediate one", {u"A.prt", u"b.prt", u"c.prt"},
               {u"b.prt", u"A.prt", u"a_velnix1.prt"},
               {u"A.prt → A_velnix2.prt", u"b.prt → A.prt", u"c.prt → a_velnix1.prt",
                u"A_velnix2.prt → b.prt"}, {u"A_velnix2.prt"}}));
// clang-format on

TEST(OrderRepairRefusalTest, AListWithOtherFehlerIsRefusedWithTheFirst) {
    EXPECT_EQ(RepairOrder({u"a.prt", u"b.prt"}, {u"b.prt", u"b.prt"}).error,
              u"Die Reihenfolge lässt sich nicht reparieren, solange die Liste andere Fehler hat. "
              u"Zeile 1: \"a.prt\" → \"b.prt\": der neue Name bleibt belegt, weil Zeile 2 ihn "
              u"behält; dieses Umbenennen schlägt fehl.");
    EXPECT_EQ(RepairOrder({u"a.prt"}, {}).error,
              u"Die Reihenfolge lässt sich nicht reparieren, solange die Liste andere Fehler hat. "
              u"Die Listen sind verschieden lang: 1 alte und 0 neue Namen.");
}

}  // namespace
}  // namespace velnix
