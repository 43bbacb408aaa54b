// What the check passes and what the order repair returns both run cleanly in a model of
// Pro/ENGINEER's session, over many generated lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "check/list_check.h"
#include "check/order_repair.h"
#include "support/composed.h"
#include "support/proe_session.h"
#include "util/unicode.h"

namespace velnix {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// Lists built from the shapes that make or break a rename, in all three types, in mixed case.
class ListMaker {
  public:
    explicit ListMaker(unsigned seed) : random_(seed) {}

    // The pairs as they are meant, and as the lists the user gives (in mixed case).
    Pairs Make(NamePairs& lists) {
        Pairs pairs;
        for (std::size_t groups = 1 + Below(4); groups > 0; --groups) {
            const Pairs group = Group(std::vector<const char*>{".prt", ".asm", ".drw"}[Below(3)]);
            pairs.insert(pairs.end(), group.begin(), group.end());
        }
        if (Below(8) == 0) {  // a pair moved anywhere
            std::swap(pairs[Below(pairs.size())], pairs[Below(pairs.size())]);
        }
        lists = {};
        for (auto& [oldName, newName] : pairs) {
            lists.oldNames.push_back(Utf8ToUtf16(MixedCase(oldName)));
            lists.newNames.push_back(Utf8ToUtf16(MixedCase(newName)));
        }
        return pairs;
    }

  private:
    std::size_t Below(std::size_t n) { return random_() % n; }

    std::string MixedCase(std::string name) {
        for (char& c : name) {
            c = Below(8) == 0 ? static_cast<char>(std::toupper(c)) : c;
        }
        return name;
    }

    Pairs Group(const std::string& type) {
        std::vector<std::string> names(2 + Below(4));  // chains and rings of 2 to 5
        for (auto& name : names) {
            name = "n" + std::to_string(next_++) + type;
        }
        names.push_back("n" + std::to_string(next_++) + type);  // a third name for pairs of two
        Pairs group;
        switch (Below(6)) {
            case 0:  // plain
                return {{names[0], names[1]}};
            case 1:  // a chain, written in the right order or backwards
                for (std::size_t k = names.size() - 2; k > 0; --k) {
                    group.emplace_back(names[k - 1], names[k]);
                }
                if (Below(2) == 0) {
                    std::reverse(group.begin(), group.end());
                }
                return group;
            case 2:
            case 3:  // a ring, its pairs in any order
                for (std::size_t k = 0; k + 1 < names.size(); ++k) {
                    group.emplace_back(names[k], names[(k + 1) % (names.size() - 1)]);
                }
                std::shuffle(group.begin(), group.end(), random_);
                return group;
            case 4:  // the same old or the same new name twice
                return Below(2) == 0 ? Pairs{{names[0], names[1]}, {names[0], names[2]}}
                                     : Pairs{{names[0], names[1]}, {names[2], names[1]}};
            default:  // an unchanged pair, sometimes with a pair that takes its name
                return Below(2) == 0 ? Pairs{{names[0], names[0]}}
                                     : Pairs{{names[0], names[0]}, {names[1], names[0]}};
        }
    }

    std::mt19937 random_;
    int next_ = 0;
};

// Fehler at all, or Fehler that no order mends.
bool HasErrors(const std::vector<Finding>& findings, bool orderToo = true) {
    return std::any_of(findings.begin(), findings.end(), [orderToo](const Finding& f) {
        return f.severity == Severity::Error && (orderToo || !IsOrderFinding(f));
    });
}

// Every step works on a folder of the intended old names, each model ending as its new name.
void ExpectCleanRun(const NamePairs& list, const Pairs& intended, const std::string& what) {
    test::Folder folder;
    std::map<std::string, test::Model> expected;
    for (const auto& [oldName, newName] : intended) {
        folder[test::Lowered(oldName)] = {{oldName, {}}};
        expected[test::Lowered(newName)] = {oldName, {}};
    }
    const test::SessionEnd end =
        test::RunMapkeys({test::ComposedRenamePro(list.oldNames, list.newNames)}, folder);
    EXPECT_EQ(end.failures, std::vector<std::string>()) << what;
    EXPECT_EQ(test::Newest(end.folder), expected) << what;
}

TEST(RunPropertyTest, WhatTheCheckPassesAndWhatTheRepairReturnsRunsCleanly) {
    ListMaker maker(20261207);
    int passed = 0;
    int repaired = 0;
    for (int round = 0; round < 10000 && !HasFailure(); ++round) {
        NamePairs list;
        const Pairs pairs = maker.Make(list);
        std::string what;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            what += Utf16ToUtf8(list.oldNames[i] + u"→" + list.newNames[i]) + " ";
        }
        const std::vector<Finding> findings = CheckLists(list.oldNames, list.newNames);
        if (!HasErrors(findings)) {
            ++passed;
            ExpectCleanRun(list, pairs, "passed " + what);
        }
        const Result<RepairedList> repair = RepairOrder(list.oldNames, list.newNames);
        ASSERT_EQ(repair.ok(), !HasErrors(findings, false)) << what;
        if (repair.ok()) {
            ++repaired;
            const NamePairs& mended = repair.value->pairs;
            EXPECT_FALSE(HasErrors(CheckLists(mended.oldNames, mended.newNames,
                                              {repair.value->intermediates, {}, {}})))
                << "repaired " << what;
            ExpectCleanRun(mended, pairs, "repaired " + what);
        }
    }
    // The shapes must reach both sides, or the test proves little.
    EXPECT_GT(passed, 1000);
    EXPECT_GT(repaired, passed + 1000);
}

}  // namespace
}  // namespace velnix
