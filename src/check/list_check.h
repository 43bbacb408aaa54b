// The check of a whole list before Pro/ENGINEER runs it: every pair that would fail or
// probably does not do what the user wants, with a German sentence that names both names.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "check/name_source.h"

namespace velnix {

enum class Severity { Error, Warning };  // "Fehler", "Warnung"

enum class FindingCode {
    CountsDiffer,
    Empty,
    OldEmpty,
    NewEmpty,
    Unwritable,
    OldTwice,
    NewTwice,
    WrongOrder,
    Ring,
    Held,
    TypeChanged,
    NoExtension,
    Folder,
    Version,
    TooLong,
    BadCharacter,
    LeadingDash,
    Unchanged,
    NonAsciiLetter,
    UnknownType,
    DrawingName,
};

struct Finding {
    Severity severity;
    std::size_t pair;  // 1-based position in the lists; 0 for the lists as a whole
    std::size_t row;   // as the user names the pair: its row, or its line in a table file
    FindingCode code;
    std::u16string message;  // empty when the check counts only
};

struct FindingCounts {
    std::size_t errors = 0;
    std::size_t warnings = 0;
};

struct CheckOptions {
    // Names that the order repair made up: they exist only once the pair that takes them ran.
    NameList intermediates;
    // For lists from a table file: each pair's line in the file, and the file's name.
    std::vector<std::size_t> tableLines;
    std::u16string tableName;
};

// The old names as the generate command cleans them up, the new names as they stand. Names
// are compared in lower case, as Pro/ENGINEER stores them. The findings reach `take` in pair
// order, the pair's Fehler before its Warnungen, each when it is found as far as the pairs
// allow, so that a long list's findings need not be held; with `withText` false, they come
// without their sentence. A list of n pairs costs a few hash lookups a name.
FindingCounts CheckLists(const NameSource& oldNames, const NameSource& newNames,
                         const CheckOptions& options, bool withText,
                         const std::function<void(const Finding&)>& take);
std::vector<Finding> CheckLists(const NameList& oldNames, const NameList& newNames,
                                const CheckOptions& options = {});
// The same check, counting only: for long lists whose findings nobody reads one by one.
FindingCounts CountProblems(const NameSource& oldNames, const NameSource& newNames,
                            const CheckOptions& options = {});

// "Fehler" or "Warnung".
std::u16string SeverityLabel(Severity severity);
// A short code for scripts, such as "reihenfolge".
const char* FindingCodeName(FindingCode code);
// Wrong order and rings: the findings that RepairOrder mends.
bool IsOrderFinding(const Finding& finding);

FindingCounts CountFindings(const std::vector<Finding>& findings);
// "Keine Probleme", "1 Fehler", "2 Fehler, 1 Warnung", "3 Warnungen".
std::u16string SummaryText(FindingCounts counts);

}  // namespace velnix
