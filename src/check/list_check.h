// The check of a whole list before Pro/ENGINEER runs it: every pair that would fail or
// probably does not do what the user wants, with a German sentence that names both names.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "check/name_source.h"

namespace velnix {

enum class Severity { Error, Warning };  // "Fehler", "Warnung"

enum class FindingCode {
    CountsDiffer,
    OldEmpty,
    NewEmpty,
    OldTwice,
    NewTwice,
    WrongOrder,
    Ring,
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
    std::size_t pair;  // 1-based, as the user counts rows; 0 for the lists as a whole
    FindingCode code;
    std::u16string message;
};

struct FindingCounts {
    std::size_t errors = 0;
    std::size_t warnings = 0;
};

// The old names as the generate command cleans them up, the new names as they stand. Names
// are compared in lower case, as Pro/ENGINEER stores them. Findings come in pair order, the
// pair's Fehler before its Warnungen; a list of n pairs costs a few hash lookups a name.
std::vector<Finding> CheckLists(const NameSource& oldNames, const NameSource& newNames);
std::vector<Finding> CheckLists(const NameList& oldNames, const NameList& newNames);
// The same check, counting only: for long lists whose findings nobody reads one by one.
FindingCounts CountProblems(const NameSource& oldNames, const NameSource& newNames);

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
