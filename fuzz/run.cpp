// Fuzzes the promise of the checks and the repair in the run itself: a working folder and lists
// made of a few names in three types and both letter cases go through the list and folder
// check, the repair and the composition, and rename.pro and rename_zurueck.pro run in a model
// of Pro/ENGINEER's session. What the checks pass and what the repair returns must run without
// a failed step and give every model its name, break no reference that the check did not warn
// of, and the undo file must take the folder back.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "check/folder_check.h"
#include "check/list_check.h"
#include "check/order_repair.h"
#include "support.h"
#include "support/composed.h"
#include "support/proe_session.h"
#include "util/unicode.h"

using velnix::fuzz::Require;
namespace test = velnix::test;

namespace {

const char* const kTypes[] = {".prt", ".asm", ".drw", ".prt"};

// A name from one byte: eight bases, three types, upper or lower case.
std::string Name(std::uint8_t byte) {
    std::string name =
        std::string(1, static_cast<char>('a' + (byte & 7))) + kTypes[(byte >> 3) & 3];
    if ((byte & 0x20) != 0) {
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    }
    return name;
}

// The folder from three bytes, a bit for each of the 24 models: an assembly uses the next
// base's part, a drawing its own base's assembly or part; a few versions each.
test::Folder MakeFolder(const std::uint8_t* bits) {
    const auto has = [bits](int base, int type) {
        const int model = base * 3 + type;
        return (bits[model / 8] >> (model % 8) & 1) != 0;
    };
    test::Folder folder;
    for (int base = 0; base < 8; ++base) {
        for (int type = 0; type < 3; ++type) {
            if (!has(base, type)) {
                continue;
            }
            const std::string name = Name(static_cast<std::uint8_t>(base | type << 3));
            test::Model model{name, {}};
            if (type == 1 && has((base + 1) % 8, 0)) {
                model.uses.insert(Name(static_cast<std::uint8_t>((base + 1) % 8)));
            } else if (type == 2 && (has(base, 1) || has(base, 0))) {
                model.uses.insert(Name(static_cast<std::uint8_t>(base | (has(base, 1) ? 8 : 0))));
            }
            folder[name].assign(1 + base % 3, model);
        }
    }
    return folder;
}

bool HasErrors(const std::vector<velnix::Finding>& findings) {
    for (const auto& finding : findings) {
        if (finding.severity == velnix::Severity::Error) {
            return true;
        }
    }
    return false;
}

void RequireCleanRun(const velnix::NamePairs& list, const velnix::NamePairs& intended,
                     const test::Folder& folder, const velnix::NameList& loadAlong, bool warned) {
    // Where every old name is a file, each model ends under its new name; a name that the folder
    // lacks is one the run makes, and the chain it is part of says the rest.
    std::map<std::string, std::string> expected;
    for (const auto& [name, model] : test::Newest(folder)) {
        expected[name] = model.identity;
    }
    bool filesAll = true;
    for (const auto& name : intended.oldNames) {
        filesAll = expected.erase(test::Lowered(velnix::Utf16ToUtf8(name))) > 0 && filesAll;
    }
    for (std::size_t i = 0; filesAll && i < intended.oldNames.size(); ++i) {
        const std::string oldName = test::Lowered(velnix::Utf16ToUtf8(intended.oldNames[i]));
        expected[test::Lowered(velnix::Utf16ToUtf8(intended.newNames[i]))] =
            folder.at(oldName).back().identity;
    }
    const auto files = test::ComposedWithUndo(list.oldNames, list.newNames, loadAlong);
    const test::SessionEnd renamed = test::RunMapkeys(files, folder);
    Require(renamed.failures.empty(), "the run has no failed step");
    std::map<std::string, std::string> identities;
    for (const auto& [name, model] : test::Newest(renamed.folder)) {
        identities[name] = model.identity;
    }
    Require(!filesAll || identities == expected,
            "every model ends under its new name, the others stay");
    Require(warned || (renamed.usersLeftOut.empty() && renamed.brokenReferences.empty()),
            "every reference follows its model, or the check warned that it might not");
    const test::SessionEnd undone = test::RunMapkeys(files, folder, {"rename", "zurueck"});
    Require(undone.failures.empty(), "the undo file runs without a failed step");
    Require(test::Newest(undone.folder) == test::Newest(folder),
            "the undo file takes the folder back");
}

}  // namespace

// The bytes: three for the folder, one whose lowest bit loads the folder's other assemblies and
// drawings along, then a byte for each name, old and new in turn.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const test::Folder folder = MakeFolder(data);
    velnix::NameList fileNames;
    for (const std::string& name : test::FileNames(folder)) {
        fileNames.push_back(velnix::Utf8ToUtf16(name));
    }
    const velnix::WorkingFolder workingFolder{u"werk", velnix::FolderModels(fileNames), {}};
    velnix::NamePairs list;
    for (std::size_t i = 4; i + 1 < size && list.oldNames.size() < 12; i += 2) {
        list.oldNames.push_back(velnix::Utf8ToUtf16(Name(data[i])));
        list.newNames.push_back(velnix::Utf8ToUtf16(Name(data[i + 1])));
    }
    velnix::CheckOptions options;
    options.folder = &workingFolder;
    options.loadFolder = (data[3] & 1) != 0;
    const velnix::NameList loadAlong = options.loadFolder
                                           ? velnix::ModelsToLoadAlong(list, *workingFolder.models)
                                           : velnix::NameList();
    const auto findings = velnix::CheckLists(list.oldNames, list.newNames, options);
    const auto warned = [](const std::vector<velnix::Finding>& found) {
        for (const auto& finding : found) {
            if (finding.code == velnix::FindingCode::NotInSession) {
                return true;
            }
        }
        return false;
    };
    if (!HasErrors(findings)) {
        RequireCleanRun(list, list, folder, loadAlong, warned(findings));
    }
    const auto repaired = velnix::RepairOrder(list.oldNames, list.newNames, options);
    if (repaired.ok()) {
        options.intermediates = repaired.value->intermediates;
        const velnix::NamePairs& mended = repaired.value->pairs;
        const auto again = velnix::CheckLists(mended.oldNames, mended.newNames, options);
        Require(!HasErrors(again), "the repaired list passes the checks");
        RequireCleanRun(mended, list, folder, loadAlong, warned(again));
    }
    return 0;
}
