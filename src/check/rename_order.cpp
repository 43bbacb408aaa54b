#include "check/rename_order.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "check/name_rules.h"

namespace velnix {
namespace {

// Tarjan's strongly connected components over the edges pair → freedBy and pair → madeBy,
// without recursion: a list of a million pairs must not run out of stack.
void FindRings(RenameOrder& order) {
    if (!order.AnyEdge()) {
        return;
    }
    const std::uint32_t count = order.pairs();
    std::vector<std::uint32_t> index(count, kNoPair);
    std::vector<std::uint32_t> low(count, 0);
    std::vector<bool> onStack(count, false);
    std::vector<std::uint32_t> stack;
    struct Frame {
        std::uint32_t pair;
        int edge;
    };
    std::vector<Frame> calls;
    std::uint32_t next = 0;
    const auto edge = [&order](std::uint32_t pair, int k) {
        return k == 0 ? order.FreedBy(pair) : order.MadeBy(pair);
    };
    for (std::uint32_t start = 0; start < count; ++start) {
        if (index[start] != kNoPair ||
            (order.FreedBy(start) == kNoPair && order.MadeBy(start) == kNoPair)) {
            continue;
        }
        calls.push_back({start, 0});
        index[start] = low[start] = next++;
        stack.push_back(start);
        onStack[start] = true;
        while (!calls.empty()) {
            Frame& frame = calls.back();
            const std::uint32_t pair = frame.pair;
            if (frame.edge < 2) {
                const std::uint32_t to = edge(pair, frame.edge++);
                if (to == kNoPair) {
                    continue;
                }
                if (index[to] == kNoPair) {
                    index[to] = low[to] = next++;
                    stack.push_back(to);
                    onStack[to] = true;
                    calls.push_back({to, 0});
                } else if (onStack[to]) {
                    low[pair] = std::min(low[pair], index[to]);
                }
                continue;
            }
            calls.pop_back();
            if (!calls.empty()) {
                low[calls.back().pair] = std::min(low[calls.back().pair], low[pair]);
            }
            if (low[pair] != index[pair]) {
                continue;
            }
            std::vector<std::uint32_t> component;
            std::uint32_t member = kNoPair;
            while (member != pair) {
                member = stack.back();
                stack.pop_back();
                onStack[member] = false;
                component.push_back(member);
            }
            if (component.size() > 1) {
                std::sort(component.begin(), component.end());
                for (const std::uint32_t p : component) {
                    order.SetRingOf(p, static_cast<std::uint32_t>(order.rings.size()));
                }
                order.rings.push_back(std::move(component));
            }
        }
    }
}

}  // namespace

RenameOrder ReadRenameOrder(const NameSource& oldNames, const NameSource& newNames,
                            const NameList& intermediates) {
    const auto count = static_cast<std::uint32_t>(std::min(oldNames.size(), newNames.size()));
    RenameOrder order(count);
    std::unordered_set<std::u16string> made;
    for (const auto& name : intermediates) {
        made.insert(Folded(name));
    }
    const auto isMade = [&made](std::u16string_view name) {
        return !made.empty() && made.count(Folded(name)) > 0;
    };

    std::u16string oldScratch;
    std::u16string newScratch;
    // One table at a time, each gone before the rings are searched: a long list costs little.
    {
        NameTable newTable(
            count, [&newNames](std::uint32_t j, std::u16string& s) { return newNames.at(j, s); });
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::u16string_view oldName = oldNames.at(i, oldScratch);
            const std::u16string_view newName = newNames.at(i, newScratch);
            order.moves[i] = !newName.empty() && !EqualFolded(oldName, newName);
            if (order.moves[i]) {
                if (const auto first = newTable.Insert(newName, i)) {
                    order.newAgain.emplace_back(i, *first);
                }
            }
        }
        for (std::uint32_t i = 0; i < count && !made.empty(); ++i) {
            const std::u16string_view oldName = oldNames.at(i, oldScratch);
            if (isMade(oldName)) {
                order.SetMadeBy(i, newTable.Find(oldName));
            }
        }
    }
    {
        NameTable oldTable(
            count, [&oldNames](std::uint32_t j, std::u16string& s) { return oldNames.at(j, s); });
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::u16string_view oldName = oldNames.at(i, oldScratch);
            if (!oldName.empty()) {
                if (const auto first = oldTable.Insert(oldName, i)) {
                    order.oldAgain.emplace_back(i, *first);
                }
            }
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            if (order.moves[i]) {
                const std::u16string_view newName = newNames.at(i, newScratch);
                const std::uint32_t holder = isMade(newName) ? kNoPair : oldTable.Find(newName);
                if (holder != kNoPair && order.moves[holder]) {
                    order.SetFreedBy(i, holder);
                } else if (holder != kNoPair) {
                    order.SetHeldBy(i, holder);
                }
            }
        }
    }
    FindRings(order);
    return order;
}

MadeAndRemoved NamesMadeAndRemoved(const NameSource& oldNames, const NameSource& newNames) {
    const RenameOrder order = ReadRenameOrder(oldNames, newNames, {});
    const std::uint32_t count = order.pairs();
    MadeAndRemoved run;
    if (!order.AnyEdge() && !order.AnyHeld() && order.oldAgain.empty()) {
        return run;  // nothing made or removed: no marks at all
    }
    run.oldMadeEarlier.resize(count);
    run.newRemovedLater.resize(count);
    // A name that an earlier pair takes is what freedBy points at from there: the pair whose old
    // name it is runs later than the one that makes it.
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t later = order.FreedBy(i);
        if (later != kNoPair && later > i) {
            run.oldMadeEarlier[later] = true;
            run.newRemovedLater[i] = true;
        }
        // An unchanged pair keeps a name: one that an earlier pair makes does not exist yet.
        const std::uint32_t keeper = order.HeldBy(i);
        if (keeper != kNoPair && keeper > i) {
            run.oldMadeEarlier[keeper] = true;
        }
    }
    // An unchanged pair's name that a later pair renames away no longer exists at the end.
    for (const auto& [pair, first] : order.oldAgain) {
        if (!order.moves[first] && order.moves[pair]) {
            run.newRemovedLater[first] = true;
        }
    }
    return run;
}

}  // namespace velnix
