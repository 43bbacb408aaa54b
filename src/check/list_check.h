// The check of a whole list before Pro/ENGINEER runs it: every pair that would fail or
// probably does not do what the user wants, with a German sentence that names both names.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "check/finding.h"
#include "check/name_source.h"
#include "check/working_folder.h"

namespace velnix {

struct CheckOptions {
    // Names that the order repair made up: they exist only once the pair that takes them ran.
    NameList intermediates;
    // For lists from a table file: each pair's line in the file, and the file's name.
    std::vector<std::size_t> tableLines;
    std::u16string tableName;
    // The folder where the run happens, when known: its files are checked as well.
    const WorkingFolder* folder = nullptr;
    // The run loads the folder's other assemblies and drawings (see ModelsToLoadAlong), so
    // that they miss it is no warning.
    bool loadFolder = false;
};

// The old names as the generate command cleans them up, the new names as they stand. Names
// are compared in lower case, as Pro/ENGINEER stores them. The findings reach `take` in pair
// order, the pair's Fehler before its Warnungen, each when it is found as far as the pairs
// allow, so that a long list's findings need not be held; with `withText` false, they come
// without their sentence. A list of n pairs costs a few hash lookups a name.
FindingCounts CheckLists(const NameSource& oldNames, const NameSource& newNames,
                         const CheckOptions& options, bool withText,
                         const std::function<void(const Finding&)>& take);
// The same, with the sentences of some kinds of findings only.
FindingCounts CheckLists(const NameSource& oldNames, const NameSource& newNames,
                         const CheckOptions& options, bool (*withTextFor)(FindingCode),
                         const std::function<void(const Finding&)>& take);
std::vector<Finding> CheckLists(const NameList& oldNames, const NameList& newNames,
                                const CheckOptions& options = {});
// The same check, counting only: for long lists whose findings nobody reads one by one.
FindingCounts CountProblems(const NameSource& oldNames, const NameSource& newNames,
                            const CheckOptions& options = {});

}  // namespace velnix
