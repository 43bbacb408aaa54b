// The command line's pairs: the list files read, cleaned up, checked and put in the code page.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "check/list_check.h"
#include "mapkey/compose.h"
#include "names/table_file.h"
#include "util/result.h"

namespace velnix::cli {

struct PairSources {
    std::filesystem::path pairsFile;  // a table of two columns, instead of the three below
    std::filesystem::path oldFile;
    std::filesystem::path newFile;  // unless the new names come from the rule
    std::optional<std::pair<std::u16string, std::u16string>> rule;  // expression, replacement
    Heading heading = Heading::Auto;                                // of the table
};

// Both lists whole, and how the check names their pairs.
struct ListsRead {
    NamePairs pairs;
    CheckOptions check;           // for a table its lines and name
    std::size_t headingLine = 0;  // the table's row read as a heading, or 0
};

// Both lists whole, the old names cleaned up as generate does; they may differ in length.
Result<ListsRead> ReadNameLists(const PairSources& sources);

// "Zeile 1 als Überschrift gelesen.", or nothing when no row (line 0) was.
std::optional<std::u16string> HeadingNote(std::size_t headingLine);

// The pairs in the code page, and how the check names them.
struct PairsRead {
    MapkeyPairs pairs;
    CheckOptions check;
    std::size_t headingLine = 0;
};

// The pairs of lists or a table in plain ASCII whose names can all be written, read a slice
// of lines at a time, so that a million pairs cost little more than their names; the lists may
// differ in length, and pairs.run is left empty. Nothing for any other lists, which
// ReadNameLists reads whole, with the encoding's message.
std::optional<PairsRead> ReadPlainPairs(const PairSources& sources);

// The pairs, or the message that names the file, list and entry (or table line) that keep
// them from being written. Lists and tables in plain ASCII, as Pro/ENGINEER names are, are
// read as ReadPlainPairs reads them.
Result<PairsRead> ReadPairs(const PairSources& sources);

}  // namespace velnix::cli
