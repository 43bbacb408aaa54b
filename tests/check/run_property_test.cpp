// What the check passes and what the order repair returns run cleanly in a model of
// Pro/ENGINEER's session over a working folder, and the undo file takes the folder back: over
// many generated folders and lists. A failure names the seed of its case.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "check/folder_check.h"
#include "check/list_check.h"
#include "check/order_repair.h"
#include "support/composed.h"
#include "support/proe_session.h"
#include "util/unicode.h"

namespace velnix {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// A folder and a list over it, built from the shapes that make or break a rename: the pairs as
// they are meant (lower case) and as the user gives them (in mixed case).
class Case {
  public:
    explicit Case(unsigned seed) : random_(seed) {
        for (std::size_t groups = 1 + Below(4); groups > 0; --groups) {
            const Pairs group = Group(Type(3));
            intended.insert(intended.end(), group.begin(), group.end());
        }
        if (Below(8) == 0) {  // a pair moved anywhere
            std::swap(intended[Below(intended.size())], intended[Below(intended.size())]);
        }
        for (const auto& [oldName, newName] : intended) {
            list.oldNames.push_back(Utf8ToUtf16(MixedCase(oldName)));
            list.newNames.push_back(Utf8ToUtf16(MixedCase(newName)));
        }
        folder = Folder();
    }

    std::size_t Below(std::size_t n) { return random_() % n; }

    Pairs intended;
    NamePairs list;
    test::Folder folder;

  private:
    std::string Type(std::size_t types) {
        return std::vector<const char*>{".prt", ".asm", ".drw"}[Below(types)];
    }

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

    // The old names but for a typo's, sometimes a new name or a ring's intermediate name taken,
    // other models, drawings beside models; assemblies use parts, a drawing its model.
    test::Folder Folder() {
        std::set<std::string> names;
        std::set<std::string> newNames;
        for (const auto& [oldName, newName] : intended) {
            names.insert(oldName);
            newNames.insert(newName);
        }
        const auto& [oldName, newName] = intended[Below(intended.size())];
        const std::string base = oldName.substr(0, oldName.size() - 4);
        const std::size_t change = Below(8);
        if (change < 2 && newNames.count(oldName) == 0) {
            names.erase(oldName);
        } else if (change < 4 && names.count(newName) == 0) {
            names.insert(newName);
        } else if (change == 4) {
            names.insert(base + "_velnix1" + oldName.substr(base.size()));
        }
        for (std::size_t others = Below(5); others > 0; --others) {
            names.insert("n" + std::to_string(next_++) + Type(2));
        }
        std::vector<std::string> parts;
        for (const std::string& name : std::set<std::string>(names)) {
            if (name.back() != 'w' && Below(4) == 0) {
                names.insert(name.substr(0, name.size() - 4) + ".drw");
            }
            if (name.back() == 't') {
                parts.push_back(name);
            }
        }
        test::Folder folder;
        for (const auto& name : names) {
            test::Model model{"#" + name, {}};
            for (const char* type : {".prt", ".asm"}) {
                const std::string drawn = name.substr(0, name.size() - 4) + type;
                if (name.back() == 'w' && names.count(drawn) > 0) {
                    model.uses.insert(drawn);
                }
            }
            for (std::size_t k = name.back() == 'm' ? Below(3) : 0; k > 0 && !parts.empty(); --k) {
                model.uses.insert(parts[Below(parts.size())]);
            }
            folder[name].assign(1 + Below(3), model);
        }
        return folder;
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

std::map<std::string, std::string> Identities(const test::Folder& folder) {
    std::map<std::string, std::string> identities;
    for (const auto& [name, model] : test::Newest(folder)) {
        identities[name] = model.identity;
    }
    return identities;
}

// Without a failed step rename.pro gives every model its new name, breaking a reference only
// where the check warned of it, and rename_zurueck.pro takes the folder back. Tells whether a
// model was left out of session.
bool ExpectCleanRun(const Case& made, const NamePairs& list, const CheckOptions& options,
                    const std::string& what) {
    const std::vector<Finding> findings = CheckLists(list.oldNames, list.newNames, options);
    EXPECT_FALSE(HasErrors(findings)) << what;
    std::map<std::string, std::string> expected = Identities(made.folder);
    for (const auto& [oldName, newName] : made.intended) {
        expected.erase(oldName);
    }
    for (const auto& [oldName, newName] : made.intended) {
        expected[newName] = "#" + oldName;
    }
    const std::vector<std::string> files = test::ComposedWithUndo(
        list.oldNames, list.newNames,
        options.loadFolder ? ModelsToLoadAlong(made.list, *options.folder->models) : NameList());
    const test::SessionEnd renamed = test::RunMapkeys(files, made.folder);
    EXPECT_EQ(renamed.failures, std::vector<std::string>()) << what;
    EXPECT_EQ(Identities(renamed.folder), expected) << what;
    if (options.loadFolder || std::none_of(findings.begin(), findings.end(), [](const Finding& f) {
            return f.code == FindingCode::NotInSession;
        })) {
        EXPECT_EQ(renamed.usersLeftOut, std::vector<std::string>()) << what;
        EXPECT_EQ(renamed.brokenReferences, std::vector<std::string>()) << what;
    }
    const test::SessionEnd undone = test::RunMapkeys(files, made.folder, {"rename", "zurueck"});
    EXPECT_EQ(undone.failures, std::vector<std::string>()) << what;
    EXPECT_EQ(test::Newest(undone.folder), test::Newest(made.folder)) << what;
    return !renamed.usersLeftOut.empty();
}

TEST(RunPropertyTest, WhatTheChecksPassRunsCleanlyAndTheUndoFileTakesTheFolderBack) {
    int passed = 0;
    int repaired = 0;
    int leftOut = 0;  // without loading the folder's models along
    for (unsigned seed = 20261207; seed < 20261207 + 4000 && !HasFailure(); ++seed) {
        Case made(seed);
        NameList fileNames;
        std::string what = "Fall " + std::to_string(seed) + ", im Ordner:";
        for (const std::string& name : test::FileNames(made.folder)) {
            fileNames.push_back(Utf8ToUtf16(name));
            what += " " + name;
        }
        const WorkingFolder folder{u"werk", FolderModels(fileNames), {}};
        const NamePairs drawings =
            made.Below(3) == 0 ? DrawingsToTakeAlong(made.list, *folder.models) : NamePairs();
        for (std::size_t i = 0; i < drawings.oldNames.size(); ++i) {
            made.list.oldNames.push_back(drawings.oldNames[i]);
            made.list.newNames.push_back(drawings.newNames[i]);
            made.intended.emplace_back(test::Lowered(Utf16ToUtf8(drawings.oldNames[i])),
                                       test::Lowered(Utf16ToUtf8(drawings.newNames[i])));
        }
        CheckOptions options{{}, {}, {}, &folder, made.Below(2) == 0};
        what += "\nListe: ";
        for (std::size_t i = 0; i < made.list.oldNames.size(); ++i) {
            what += Utf16ToUtf8(made.list.oldNames[i] + u"→" + made.list.newNames[i]) + " ";
        }

        const std::vector<Finding> findings =
            CheckLists(made.list.oldNames, made.list.newNames, options);
        if (!HasErrors(findings)) {
            ++passed;
            leftOut += ExpectCleanRun(made, made.list, options, "passed " + what) ? 1 : 0;
        }
        const Result<RepairedList> repair =
            RepairOrder(made.list.oldNames, made.list.newNames, options);
        ASSERT_EQ(repair.ok(), !HasErrors(findings, false)) << what;
        if (repair.ok()) {
            ++repaired;
            options.intermediates = repair.value->intermediates;
            leftOut +=
                ExpectCleanRun(made, repair.value->pairs, options, "repaired " + what) ? 1 : 0;
        }
    }
    // The shapes must reach every side, or the test proves little.
    EXPECT_TRUE(HasFailure() || (passed > 250 && repaired > passed + 1000 && leftOut > 100))
        << passed << " bestanden, " << repaired << " repariert, " << leftOut
        << " mit Modellen außerhalb der Sitzung";
}

}  // namespace
}  // namespace velnix
