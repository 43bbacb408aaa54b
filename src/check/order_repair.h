// Mends the order of a list where that is all that is wrong: chains in the wrong order and
// rings of pairs that swap names.
#pragma once

#include "names/name_list.h"
#include "util/result.h"

namespace velnix {

// A stable order in which every pair that frees a name runs before the pair that takes it,
// keeping the user's order wherever it can. A ring (A→B, B→A) is opened through a temporary
// name T made from A: A→T, B→A, T→B; T obeys the name rules, keeps A's extension and is used
// nowhere in either list. Old names are taken as the generate command cleans them up. Lists
// of different length cannot be paired and are refused.
Result<NamePairs> RepairOrder(const NameList& oldNames, const NameList& newNames);

}  // namespace velnix
