#include "check/order_repair.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <queue>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "check/name_rules.h"
#include "util/text.h"

namespace velnix {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::u16string Folded(std::u16string_view name) {
    std::u16string folded(name);
    for (auto& c : folded) {
        c = FoldCase(c);
    }
    return folded;
}

// "<base>_velnix<n><extension>": the base cut and cleared of characters that the name rules
// forbid, n counting up until the name is new.
std::u16string TemporaryName(std::u16string_view oldName,
                             std::unordered_set<std::u16string>& usedFolded) {
    const NameParts parts = SplitName(oldName);
    std::u16string base;
    for (const char16_t c : parts.base) {
        base += IsNameCharacter(c) && c <= 0x7F ? c : u'_';
    }
    if (!base.empty() && base.front() == u'-') {
        base.front() = u'_';
    }
    for (std::size_t n = 1;; ++n) {
        const std::u16string suffix = kTemporaryMarker + DecimalText(n);
        const std::u16string name = base.substr(0, kMaxBaseLength - suffix.size()) + suffix +
                                    std::u16string(parts.extension);
        if (usedFolded.insert(Folded(name)).second) {
            return name;
        }
    }
}

}  // namespace

Result<NamePairs> RepairOrder(const NameList& oldNames, const NameList& newNames) {
    if (oldNames.size() != newNames.size()) {
        return Result<NamePairs>::Failure(
            u"Die Reihenfolge lässt sich nur für gleich lange Listen reparieren.");
    }
    NamePairs pairs{oldNames, newNames};
    const std::size_t count = oldNames.size();
    std::unordered_map<std::u16string, std::size_t> oldIndex;  // first pair of each old name
    std::unordered_set<std::u16string> used;
    for (std::size_t i = 0; i < count; ++i) {
        oldIndex.emplace(Folded(oldNames[i]), i);
        used.insert(Folded(oldNames[i]));
        used.insert(Folded(newNames[i]));
    }
    // freedBy[i]: the pair whose old name pair i takes, which must run first.
    std::vector<std::size_t> freedBy(count, kNone);
    for (std::size_t i = 0; i < count; ++i) {
        const auto found = oldIndex.find(Folded(newNames[i]));
        if (!newNames[i].empty() && found != oldIndex.end() && found->second != i) {
            freedBy[i] = found->second;
        }
    }
    // Open every ring at its first pair: that pair takes the temporary name instead, and a
    // pair appended at the end renames the temporary name once the ring has freed its target.
    std::vector<std::vector<std::size_t>> runsAfter(count);  // extra constraints of added pairs
    std::vector<std::uint8_t> state(count, 0);               // 0 unseen, 1 on path, 2 done
    for (std::size_t start = 0; start < count; ++start) {
        std::vector<std::size_t> path;
        std::size_t at = start;
        while (at != kNone && state[at] == 0) {
            state[at] = 1;
            path.push_back(at);
            at = freedBy[at];
        }
        if (at != kNone && state[at] == 1) {
            std::size_t first = at;
            for (std::size_t k = freedBy[at]; k != at; k = freedBy[k]) {
                first = std::min(first, k);
            }
            const std::u16string temporary = TemporaryName(pairs.oldNames[first], used);
            pairs.oldNames.push_back(temporary);
            pairs.newNames.push_back(pairs.newNames[first]);
            pairs.newNames[first] = temporary;
            const std::size_t freesTarget = freedBy[first];
            freedBy.push_back(freesTarget);
            runsAfter.push_back({first});
            freedBy[first] = kNone;
        }
        for (const std::size_t i : path) {
            state[i] = 2;
        }
    }
    // Kahn's topological sort, always taking the earliest pair that may run.
    const std::size_t total = pairs.oldNames.size();
    std::vector<std::vector<std::size_t>> successors(total);
    std::vector<std::size_t> waitingFor(total, 0);
    for (std::size_t i = 0; i < total; ++i) {
        std::vector<std::size_t> before = runsAfter[i];
        if (freedBy[i] != kNone) {
            before.push_back(freedBy[i]);
        }
        for (const std::size_t j : before) {
            successors[j].push_back(i);
            ++waitingFor[i];
        }
    }
    std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>> ready;
    for (std::size_t i = 0; i < total; ++i) {
        if (waitingFor[i] == 0) {
            ready.push(i);
        }
    }
    NamePairs ordered;
    ordered.oldNames.reserve(total);
    ordered.newNames.reserve(total);
    while (!ready.empty()) {
        const std::size_t i = ready.top();
        ready.pop();
        ordered.oldNames.push_back(std::move(pairs.oldNames[i]));
        ordered.newNames.push_back(std::move(pairs.newNames[i]));
        for (const std::size_t j : successors[i]) {
            if (--waitingFor[j] == 0) {
                ready.push(j);
            }
        }
    }
    return Result<NamePairs>::Success(std::move(ordered));
}

}  // namespace velnix
