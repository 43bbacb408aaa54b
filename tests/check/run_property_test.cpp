// What the check passes runs, and what the order repair returns runs: both shown by running the
// composed rename.pro in a model of Pro/ENGINEER's session, over many generated lists.
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

struct Pair {
    std::string oldName;
    std::string newName;
};

// Lists built from the shapes that make or break a rename: plain pairs, chains written in
// either order, rings of two to five pairs, the same name twice, unchanged pairs and pairs
// that take their name, in all three types and in mixed letter case.
class ListMaker {
  public:
    explicit ListMaker(unsigned seed) : random_(seed) {}

    std::vector<Pair> Make() {
        std::vector<std::vector<Pair>> groups;
        const int groupCount = 1 + Below(4);
        for (int g = 0; g < groupCount; ++g) {
            groups.push_back(Group());
        }
        std::shuffle(groups.begin(), groups.end(), random_);
        std::vector<Pair> pairs;
        for (auto& group : groups) {
            pairs.insert(pairs.end(), group.begin(), group.end());
        }
        if (Below(8) == 0 && pairs.size() > 1) {  // a pair moved anywhere
            std::swap(pairs[Below(pairs.size())], pairs[Below(pairs.size())]);
        }
        for (auto& pair : pairs) {
            pair.oldName = MixedCase(pair.oldName);
            pair.newName = MixedCase(pair.newName);
        }
        return pairs;
    }

  private:
    int Below(std::size_t n) { return static_cast<int>(random_() % n); }

    std::string Fresh(const std::string& type) { return "n" + std::to_string(next_++) + type; }

    std::string MixedCase(std::string name) {
        if (Below(4) == 0) {
            for (char& c : name) {
                c = Below(2) == 0 ? static_cast<char>(std::toupper(c)) : c;
            }
        }
        return name;
    }

    std::vector<Pair> Group() {
        static const char* const kTypes[] = {".prt", ".asm", ".drw"};
        const std::string type = kTypes[Below(3)];
        std::vector<Pair> group;
        switch (Below(7)) {
            case 0:
            case 1:
                group.push_back({Fresh(type), Fresh(type)});
                break;
            case 2: {  // a chain, written in the right order or backwards
                std::vector<std::string> names;
                for (int k = 0, length = 3 + Below(3); k < length; ++k) {
                    names.push_back(Fresh(type));
                }
                for (std::size_t k = names.size() - 1; k > 0; --k) {
                    group.push_back({names[k - 1], names[k]});
                }
                if (Below(2) == 0) {
                    std::reverse(group.begin(), group.end());
                }
                break;
            }
            case 3:
            case 4: {  // a ring, its pairs in any order
                std::vector<std::string> names;
                for (int k = 0, length = 2 + Below(4); k < length; ++k) {
                    names.push_back(Fresh(type));
                }
                for (std::size_t k = 0; k < names.size(); ++k) {
                    group.push_back({names[k], names[(k + 1) % names.size()]});
                }
                std::shuffle(group.begin(), group.end(), random_);
                break;
            }
            case 5: {  // the same old or new name twice
                const std::string shared = Fresh(type);
                group.push_back({shared, Fresh(type)});
                group.push_back(Below(2) == 0 ? Pair{shared, Fresh(type)}
                                              : Pair{Fresh(type), group.front().newName});
                break;
            }
            default: {  // an unchanged pair, sometimes with a pair that takes its name
                const std::string kept = Fresh(type);
                group.push_back({kept, kept});
                if (Below(2) == 0) {
                    group.push_back({Fresh(type), kept});
                }
                break;
            }
        }
        return group;
    }

    std::mt19937 random_;
    int next_ = 0;
};

NameList Names(const std::vector<Pair>& pairs, std::string Pair::*name) {
    NameList names;
    for (const auto& pair : pairs) {
        names.push_back(Utf8ToUtf16(pair.*name));
    }
    return names;
}

// Runs the lists' rename.pro on a folder of the original old names, and expects every step to
// work and every model to end under the new name of its pair, nothing else left.
void ExpectCleanRun(const NameList& oldNames, const NameList& newNames,
                    const std::vector<Pair>& intended, const std::string& what) {
    std::set<std::string> folder;
    std::map<std::string, std::string> expected;
    for (const auto& pair : intended) {
        folder.insert(test::Lowered(pair.oldName));
        expected[test::Lowered(pair.newName)] = test::Lowered(pair.oldName);
    }
    const test::SessionEnd end =
        test::RunMapkeys(test::ComposedRenamePro(oldNames, newNames), folder);
    EXPECT_TRUE(end.failures.empty()) << what << ": " << end.failures.front();
    std::map<std::string, std::string> found;
    for (const auto& [name, file] : end.folder) {
        found[name] = file.origin;
    }
    EXPECT_EQ(found, expected) << what;
}

std::string Describe(const std::vector<Pair>& pairs) {
    std::string text;
    for (const auto& pair : pairs) {
        text += pair.oldName + "→" + pair.newName + " ";
    }
    return text;
}

TEST(RunPropertyTest, WhatTheCheckPassesAndWhatTheRepairReturnsRunsCleanly) {
    ListMaker maker(20261207);
    int passed = 0;
    int repaired = 0;
    for (int round = 0; round < 10000; ++round) {
        const std::vector<Pair> pairs = maker.Make();
        const NameList oldNames = Names(pairs, &Pair::oldName);
        const NameList newNames = Names(pairs, &Pair::newName);
        const std::vector<Finding> findings = CheckLists(oldNames, newNames);
        const bool errors = std::any_of(findings.begin(), findings.end(), [](const auto& f) {
            return f.severity == Severity::Error;
        });
        const bool otherErrors = std::any_of(findings.begin(), findings.end(), [](const auto& f) {
            return f.severity == Severity::Error && !IsOrderFinding(f);
        });
        if (!errors) {
            ++passed;
            ExpectCleanRun(oldNames, newNames, pairs, "passed " + Describe(pairs));
        }
        const Result<RepairedList> repair = RepairOrder(oldNames, newNames);
        ASSERT_EQ(repair.ok(), !otherErrors) << Describe(pairs) << repair.error.size();
        if (!repair.ok()) {
            continue;
        }
        ++repaired;
        const NamePairs& list = repair.value->pairs;
        const auto after = CheckLists(list.oldNames, list.newNames,
                                      CheckOptions{repair.value->intermediates, {}, {}});
        EXPECT_TRUE(std::none_of(after.begin(), after.end(),
                                 [](const auto& f) { return f.severity == Severity::Error; }))
            << "repaired " << Describe(pairs);
        ExpectCleanRun(list.oldNames, list.newNames, pairs, "repaired " + Describe(pairs));
        if (HasFailure()) {
            return;
        }
    }
    // The shapes must reach both sides, or the test proves little.
    EXPECT_GT(passed, 1000);
    EXPECT_GT(repaired, passed + 1000);
}

}  // namespace
}  // namespace velnix
