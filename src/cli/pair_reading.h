// The command line's pairs: the list files read, cleaned up, checked and put in the code page.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "check/order_repair.h"
#include "mapkey/compose.h"
#include "util/result.h"

namespace velnix::cli {

struct PairSources {
    std::filesystem::path pairsFile;  // a table of two columns, instead of the three below
    std::filesystem::path oldFile;
    std::filesystem::path newFile;  // unless the new names come from the rule
    std::optional<std::pair<std::u16string, std::u16string>> rule;  // expression, replacement
};

// Both lists whole, the old names cleaned up as generate does; they may differ in length.
Result<NamePairs> ReadNameLists(const PairSources& sources);

// The pairs, or the message that names the file, list and entry that keep them from being
// written. Lists in plain ASCII, as Pro/ENGINEER names are, are read a slice of lines at a
// time, so that a million pairs cost little more than their names.
Result<MapkeyPairs> ReadPairs(const PairSources& sources);

}  // namespace velnix::cli
