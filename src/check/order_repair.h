// Mends the order of a list where that is all that is wrong: chains in the wrong order and
// rings of pairs that swap names.
#pragma once

#include "check/list_check.h"
#include "names/name_list.h"
#include "util/result.h"

namespace velnix {

struct RepairedList {
    NamePairs pairs;
    // The names made up to open rings (with those of options.intermediates still in the list):
    // the check and the run take them as made by the list, not as files of the folder.
    NameList intermediates;
};

// A stable order in which every pair that frees a name runs before the pair that takes it,
// keeping the user's order wherever it can. A ring (A→B, B→A) is opened through an
// intermediate name T made from A: A→T, B→A, T→B; T obeys the name rules, keeps A's extension
// and is used nowhere in either list. Old names are taken as the generate command cleans them
// up. A list with any other Fehler (different lengths, the same name twice, a name that an
// unchanged pair keeps, …) is refused with the first of them: no order could make it run.
Result<RepairedList> RepairOrder(const NameList& oldNames, const NameList& newNames,
                                 const CheckOptions& options = {});

}  // namespace velnix
