#include "check/order_repair.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "check/list_check.h"
#include "util/unicode.h"

namespace velnix {
namespace {

// Runs the renames one after the other on the files of the old names, as Pro/ENGINEER would:
// each old name must exist, each new name must be free. Gives each file's final name.
std::map<std::u16string, std::u16string> RunRenames(const NamePairs& pairs, const NameList& files) {
    std::map<std::u16string, std::u16string> fileNamed;  // name -> file (its first name)
    for (const auto& file : files) {
        fileNamed[file] = file;
    }
    for (std::size_t i = 0; i < pairs.oldNames.size(); ++i) {
        const auto file = fileNamed.find(pairs.oldNames[i]);
        EXPECT_NE(file, fileNamed.end()) << "pair " << i << " opens a missing file";
        EXPECT_EQ(fileNamed.count(pairs.newNames[i]), 0u) << "pair " << i << " name taken";
        if (file == fileNamed.end()) {
            break;
        }
        const std::u16string original = file->second;
        fileNamed.erase(file);
        fileNamed[pairs.newNames[i]] = original;
    }
    std::map<std::u16string, std::u16string> finalName;
    for (const auto& [name, file] : fileNamed) {
        finalName[file] = name;
    }
    return finalName;
}

// Random lists of distinct old and distinct new names from a small pool, so that chains and
// rings of every length come up; the repair must make each of them run.
TEST(OrderRepairTest, RepairedListsRunAndGiveTheIntendedNames) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        NameList pool;
        for (int k = 0; k < 10; ++k) {
            pool.push_back(u"p" + Utf8ToUtf16(std::to_string(k)) + u".prt");
        }
        std::shuffle(pool.begin(), pool.end(), random);
        const std::size_t count = 1 + random() % pool.size();
        NameList oldNames(pool.begin(), pool.begin() + static_cast<std::ptrdiff_t>(count));
        std::shuffle(pool.begin(), pool.end(), random);
        NameList newNames(pool.begin(), pool.begin() + static_cast<std::ptrdiff_t>(count));
        for (std::size_t i = 0; i < count; ++i) {
            if (oldNames[i] == newNames[i]) {
                newNames[i] = u"q" + Utf8ToUtf16(std::to_string(i)) + u".prt";
            }
        }
        const Result<NamePairs> repaired = RepairOrder(oldNames, newNames);
        ASSERT_TRUE(repaired.ok());
        EXPECT_TRUE(CheckLists(repaired.value->oldNames, repaired.value->newNames).empty());
        const auto finalName = RunRenames(*repaired.value, oldNames);
        for (std::size_t i = 0; i < count; ++i) {
            EXPECT_EQ(finalName.at(oldNames[i]), newNames[i]);
        }
    }
}

TEST(OrderRepairTest, SwapOpensThroughATemporaryNameAndKeepsOtherPairsInPlace) {
    const Result<NamePairs> repaired =
        RepairOrder({u"x.prt", u"a.prt", u"b.prt"}, {u"y.prt", u"b.prt", u"a.prt"});
    ASSERT_TRUE(repaired.ok());
    EXPECT_EQ(repaired.value->oldNames, (NameList{u"x.prt", u"a.prt", u"b.prt", u"a_velnix1.prt"}));
    EXPECT_EQ(repaired.value->newNames, (NameList{u"y.prt", u"a_velnix1.prt", u"a.prt", u"b.prt"}));
    EXPECT_FALSE(RepairOrder({u"a.prt"}, {}).ok());
}

}  // namespace
}  // namespace velnix
