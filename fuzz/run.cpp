// Fuzzes the promise of the check and the repair in the run itself: lists made of a few names
// in three types and both letter cases go through the check, the repair and the composition,
// and the written rename.pro runs in a model of Pro/ENGINEER's session. What the check passes
// and what the repair returns must run without a failed step and give every model its name.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "check/list_check.h"
#include "check/order_repair.h"
#include "support.h"
#include "support/composed.h"
#include "support/proe_session.h"
#include "util/unicode.h"

using velnix::fuzz::Require;

namespace {

// A name from one byte: eight bases, three types, upper or lower case.
std::string Name(std::uint8_t byte) {
    static const char* const kTypes[] = {".prt", ".asm", ".drw", ".prt"};
    std::string name =
        std::string(1, static_cast<char>('a' + (byte & 7))) + kTypes[(byte >> 3) & 3];
    if ((byte & 0x20) != 0) {
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    }
    return name;
}

bool HasErrors(const std::vector<velnix::Finding>& findings) {
    for (const auto& finding : findings) {
        if (finding.severity == velnix::Severity::Error) {
            return true;
        }
    }
    return false;
}

void RequireCleanRun(const velnix::NamePairs& list, const velnix::NameList& oldNames,
                     const velnix::NameList& newNames) {
    velnix::test::Folder folder;
    std::map<std::string, velnix::test::Model> intended;
    for (std::size_t i = 0; i < oldNames.size(); ++i) {
        const std::string oldName = velnix::test::Lowered(velnix::Utf16ToUtf8(oldNames[i]));
        folder[oldName] = {{oldName, {}}};
        intended[velnix::test::Lowered(velnix::Utf16ToUtf8(newNames[i]))] = {oldName, {}};
    }
    const auto end = velnix::test::RunMapkeys(
        {velnix::test::ComposedRenamePro(list.oldNames, list.newNames)}, folder);
    Require(end.failures.empty(), "the run has no failed step");
    Require(velnix::test::Newest(end.folder) == intended,
            "every model ends under its new name, nothing else is left");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velnix::NameList oldNames;
    velnix::NameList newNames;
    for (std::size_t i = 0; i + 1 < size && oldNames.size() < 12; i += 2) {
        oldNames.push_back(velnix::Utf8ToUtf16(Name(data[i])));
        newNames.push_back(velnix::Utf8ToUtf16(Name(data[i + 1])));
    }
    if (!HasErrors(velnix::CheckLists(oldNames, newNames))) {
        RequireCleanRun({oldNames, newNames}, oldNames, newNames);
    }
    const auto repaired = velnix::RepairOrder(oldNames, newNames);
    if (repaired.ok()) {
        RequireCleanRun(repaired.value->pairs, oldNames, newNames);
    }
    return 0;
}
