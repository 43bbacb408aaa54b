// The clean-up of the old names and the search-and-replace rule that derives the new names.
#pragma once

#include <string_view>

#include "names/name_list.h"

namespace velnix {

// Every old name reduced to file name and extension: drive, directories and everything from
// the second dot of the file name on are dropped ("C:\work\bracket.prt.3" gives
// "bracket.prt"). Length and order stay; empty names stay empty.
NameList clean(const NameList& oldNames);

// The new names: each old name with the first occurrence of the expression replaced.
NameList ApplyRule(const NameList& oldNames, std::u16string_view expression,
                   std::u16string_view replacement);

}  // namespace velnix
