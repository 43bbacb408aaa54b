// Which pair frees the name that another pair takes, and which pair makes the name that another
// pair renames: the order of a rename list, read alike by the check, the order repair and the
// composition of rename.pro.
#pragma once

#include <cstdint>
#include <vector>

#include "check/name_source.h"
#include "check/name_table.h"
#include "names/name_list.h"

namespace velnix {

// The list as Pro/ENGINEER runs it, pair after pair. Every old name is a file of the folder,
// except an intermediate name: a name that the order repair made up to open a ring, which exists
// only once the pair that takes it has run. Names are compared in lower case.
struct RenameOrder {
    // Per pair (kNoPair where there is none):
    std::vector<bool> moves;             // it has a new name other than its old one
    std::vector<std::uint32_t> freedBy;  // the moving pair whose old name is this pair's new name
    std::vector<std::uint32_t> heldBy;   // the pair that keeps this pair's new name for good
    std::vector<std::uint32_t> madeBy;   // the pair that makes this intermediate old name
    // The pairs that must run before a pair are its freedBy and madeBy; a ring is a group of
    // pairs that wait for each other, rows ascending. ringOf gives a pair's ring, or kNoPair.
    std::vector<std::vector<std::uint32_t>> rings;
    std::vector<std::uint32_t> ringOf;
    // The same old name, or the same new name of a moving pair, once more: (pair, first pair).
    std::vector<std::pair<std::uint32_t, std::uint32_t>> oldAgain;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> newAgain;

    // A pair that must run first comes later in the list.
    bool RunsTooEarly(std::uint32_t pair) const {
        return (freedBy[pair] != kNoPair && freedBy[pair] > pair) ||
               (madeBy[pair] != kNoPair && madeBy[pair] > pair);
    }
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
