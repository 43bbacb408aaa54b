// Which pair frees the name that another pair takes, and which pair makes the name that another
// pair renames: the order of a rename list, read alike by the check, the order repair and the
// composition of rename.pro.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "check/name_source.h"
#include "check/name_table.h"
#include "names/name_list.h"

namespace velnix {

// The list as Pro/ENGINEER runs it, pair after pair. Every old name is a file of the folder,
// except an intermediate name: a name that the order repair made up to open a ring, which exists
// only once the pair that takes it has run. Names are compared in lower case.
class RenameOrder {
  public:
    explicit RenameOrder(std::uint32_t pairs) : moves(pairs), pairs_(pairs) {}
    std::uint32_t pairs() const { return pairs_; }

    // Per pair, kNoPair where there is none: the moving pair whose old name is this pair's new
    // name, the pair that keeps this pair's new name for good, the pair that makes this
    // pair's intermediate old name, and the ring of the pair.
    std::uint32_t FreedBy(std::uint32_t pair) const { return Get(freedBy_, pair); }
    std::uint32_t HeldBy(std::uint32_t pair) const { return Get(heldBy_, pair); }
    std::uint32_t MadeBy(std::uint32_t pair) const { return Get(madeBy_, pair); }
    std::uint32_t RingOf(std::uint32_t pair) const { return Get(ringOf_, pair); }

    // A pair that must run first (FreedBy, MadeBy) comes later in the list.
    bool RunsTooEarly(std::uint32_t pair) const {
        return (FreedBy(pair) != kNoPair && FreedBy(pair) > pair) ||
               (MadeBy(pair) != kNoPair && MadeBy(pair) > pair);
    }

    void SetFreedBy(std::uint32_t pair, std::uint32_t by) { Put(freedBy_, pair, by); }
    void SetHeldBy(std::uint32_t pair, std::uint32_t by) { Put(heldBy_, pair, by); }
    void SetMadeBy(std::uint32_t pair, std::uint32_t by) { Put(madeBy_, pair, by); }
    void SetRingOf(std::uint32_t pair, std::uint32_t ring) { Put(ringOf_, pair, ring); }
    bool AnyEdge() const { return !freedBy_.empty() || !madeBy_.empty(); }
    bool AnyHeld() const { return !heldBy_.empty(); }

    std::vector<bool> moves;  // the pair has a new name other than its old one
    // Groups of pairs that wait for each other, rows ascending.
    std::vector<std::vector<std::uint32_t>> rings;
    // The same old name, or the same new name of a moving pair, once more: (pair, first pair).
    std::vector<std::pair<std::uint32_t, std::uint32_t>> oldAgain;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> newAgain;

  private:
    // A list that runs in its order has none of these: each is allocated at its first entry.
    static std::uint32_t Get(const std::vector<std::uint32_t>& values, std::uint32_t pair) {
        return values.empty() ? kNoPair : values[pair];
    }
    void Put(std::vector<std::uint32_t>& values, std::uint32_t pair, std::uint32_t value) {
        if (values.empty()) {
            values.assign(pairs_, kNoPair);
        }
        values[pair] = value;
    }

    std::uint32_t pairs_;
    std::vector<std::uint32_t> freedBy_;
    std::vector<std::uint32_t> heldBy_;
    std::vector<std::uint32_t> madeBy_;
    std::vector<std::uint32_t> ringOf_;
};

// Lists of different length are read as far as both go.
RenameOrder ReadRenameOrder(const NameSource& oldNames, const NameSource& newNames,
                            const NameList& intermediates);

// What the run itself makes and removes, for the mapkeys that open every old file first and
// save every new one last: an old name that an earlier pair makes as its new name does not
// exist before the run, and a new name that a later pair renames away no longer exists after
// it. Both are false for every pair of a list that runs in its order without intermediates.
struct MadeAndRemoved {
    std::vector<bool> oldMadeEarlier;
    std::vector<bool> newRemovedLater;
};
MadeAndRemoved NamesMadeAndRemoved(const NameSource& oldNames, const NameSource& newNames);

}  // namespace velnix
