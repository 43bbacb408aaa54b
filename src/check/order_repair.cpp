#include "check/order_repair.h"

#include <functional>
#include <queue>
#include <unordered_set>
#include <vector>

#include "check/folder_findings.h"
#include "check/name_rules.h"
#include "check/rename_order.h"
#include "util/text.h"

namespace velnix {
namespace {

// "<base>_velnix<n><extension>": the base cut and cleared of characters that the name rules
// forbid, n counting up until the name is new, in the lists and in the folder when known.
std::u16string IntermediateName(std::u16string_view oldName,
                                std::unordered_set<std::u16string>& usedFolded,
                                const FolderModels* folder) {
    const NameParts parts = SplitName(oldName);
    std::u16string base;
    for (const char16_t c : parts.base) {
        base += IsNameCharacter(c) && c <= 0x7F ? c : u'_';
    }
    if (!base.empty() && base.front() == u'-') {
        base.front() = u'_';
    }
    for (std::size_t n = 1;; ++n) {
        const std::u16string suffix = u"_velnix" + DecimalText(n);
        std::u16string name = base.substr(0, kMaxBaseLength - suffix.size()) + suffix +
                              std::u16string(parts.extension);
        if (usedFolded.insert(Folded(name)).second && (folder == nullptr || !folder->Has(name))) {
            return name;
        }
    }
}

// The first Fehler that no order mends, as the check words it, or nothing.
// The sentence is made only for a list that has such a Fehler: in a long chain every pair has a
// finding of its own.
std::optional<std::u16string> OtherError(const NamePairs& pairs, const CheckOptions& options) {
    std::optional<std::u16string> error;
    const auto check = [&](bool withText) {
        CheckLists(
            NameListSource(pairs.oldNames), NameListSource(pairs.newNames), options, withText,
            [&error](const Finding& finding) {
                if (!error && finding.severity == Severity::Error && !IsOrderFinding(finding)) {
                    error = (finding.row > 0 ? u"Zeile " + DecimalText(finding.row) + u": "
                                             : std::u16string()) +
                            finding.message;
                }
            });
    };
    check(false);
    if (error) {
        error.reset();
        check(true);
    }
    return error;
}

// Each ring opened at its first pair: that pair takes an intermediate name instead, and a pair
// appended at the end renames the intermediate name once the ring has freed its target.
void OpenRings(RepairedList& list, const RenameOrder& order, const FolderModels* folder) {
    std::unordered_set<std::u16string> used;
    for (std::size_t i = 0; i < list.pairs.oldNames.size(); ++i) {
        used.insert(Folded(list.pairs.oldNames[i]));
        used.insert(Folded(list.pairs.newNames[i]));
    }
    for (const auto& name : list.intermediates) {
        used.insert(Folded(name));
    }
    for (const auto& ring : order.rings) {
        const std::uint32_t first = ring.front();
        const std::u16string intermediate =
            IntermediateName(list.pairs.oldNames[first], used, folder);
        list.pairs.oldNames.push_back(intermediate);
        list.pairs.newNames.push_back(list.pairs.newNames[first]);
        list.pairs.newNames[first] = intermediate;
        list.intermediates.push_back(intermediate);
    }
}

// Kahn's topological sort, always taking the earliest pair that may run.
NamePairs RunnableOrder(NamePairs pairs, const RenameOrder& order) {
    const std::size_t count = pairs.oldNames.size();
    std::vector<std::vector<std::uint32_t>> successors(count);
    std::vector<std::size_t> waitingFor(count, 0);
    for (std::uint32_t i = 0; i < count; ++i) {
        for (const std::uint32_t before : {order.FreedBy(i), order.MadeBy(i)}) {
            if (before != kNoPair) {
                successors[before].push_back(i);
                ++waitingFor[i];
            }
        }
    }
    std::priority_queue<std::uint32_t, std::vector<std::uint32_t>, std::greater<>> ready;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (waitingFor[i] == 0) {
            ready.push(i);
        }
    }
    NamePairs ordered;
    ordered.oldNames.reserve(count);
    ordered.newNames.reserve(count);
    while (!ready.empty()) {
        const std::uint32_t i = ready.top();
        ready.pop();
        ordered.oldNames.push_back(std::move(pairs.oldNames[i]));
        ordered.newNames.push_back(std::move(pairs.newNames[i]));
        for (const std::uint32_t j : successors[i]) {
            if (--waitingFor[j] == 0) {
                ready.push(j);
            }
        }
    }
    return ordered;
}

}  // namespace

Result<RepairedList> RepairOrder(const NameList& oldNames, const NameList& newNames,
                                 const CheckOptions& options) {
    RepairedList list{{oldNames, newNames}, options.intermediates};
    if (const auto error = OtherError(list.pairs, options)) {
        return Result<RepairedList>::Failure(
            u"Die Reihenfolge lässt sich nicht reparieren, solange die Liste andere Fehler hat. " +
            *error);
    }
    // The names that the folder lacks and the list makes stay made by the run, as before.
    OrderInFolder read = ReadOrderInFolder(NameListSource(list.pairs.oldNames),
                                           NameListSource(list.pairs.newNames), options);
    const std::size_t known = list.intermediates.size();
    OpenRings(
        list, read.order,
        options.folder != nullptr && options.folder->models ? &*options.folder->models : nullptr);
    read.made.insert(read.made.end(),
                     list.intermediates.begin() + static_cast<std::ptrdiff_t>(known),
                     list.intermediates.end());
    const RenameOrder opened = ReadRenameOrder(NameListSource(list.pairs.oldNames),
                                               NameListSource(list.pairs.newNames), read.made);
    // Opening a ring at one pair breaks it, unless it runs through intermediate names that
    // were made up earlier: only a hand-made list gets there, and no pair may get lost.
    if (!opened.rings.empty()) {
        return Result<RepairedList>::Failure(
            u"Die Reihenfolge lässt sich nicht reparieren: Zeile " +
            DecimalText(opened.rings.front().front() + 1) +
            u" gehört zu einem Ring aus Zwischennamen, bitte von Hand ordnen.");
    }
    list.pairs = RunnableOrder(std::move(list.pairs), opened);
    return Result<RepairedList>::Success(std::move(list));
}

}  // namespace velnix
