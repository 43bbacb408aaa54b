// The clean-up of the old names, the pairs made with it, and the rule that derives new names.
#pragma once

#include <string_view>

#include "names/name_list.h"

namespace velnix {

// Every old name reduced to file name and extension: drive, directories and everything from
// the second dot of the file name on are dropped ("C:\work\bracket.prt.3" gives
// "bracket.prt"). Length and order stay; empty names stay empty.
NameList clean(const NameList& oldNames);

// The pairs that the composition, the check and the order repair take, made from the lists as
// they were typed or read: the old names cleaned up, the new names as they stand. The window
// and the command line make their pairs only here, so that none of them can miss the clean-up.
NamePairs PairsToRename(const NameList& oldNames, NameList newNames);

// The new names: each old name with the first occurrence of the expression replaced.
NameList ApplyRule(const NameList& oldNames, std::u16string_view expression,
                   std::u16string_view replacement);

// True when ApplyRule would replace the expression in at least one of the old names.
bool RuleMatchesAny(const NameList& oldNames, std::u16string_view expression);

}  // namespace velnix
