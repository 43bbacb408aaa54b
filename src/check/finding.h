// A finding of the list check: its kinds and severities, and the words for them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

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
    // Against the working folder:
    MissingInFolder,   // Fehler: the old name has no file there
    TakenInFolder,     // Fehler: the new name has a file there that no earlier pair frees
    DrawingNotListed,  // Warnung: a drawing of a renamed model stays behind
    NotInSession,      // Warnung: assemblies and drawings of the folder miss the run
    FolderUnreadable,  // Warnung: the folder could not be read
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

// Fehler for what fails in Pro/ENGINEER, Warnung for what probably is not meant.
Severity SeverityOf(FindingCode code);

// "Fehler" or "Warnung".
std::u16string SeverityLabel(Severity severity);
// A short code for scripts, such as "reihenfolge".
const char* FindingCodeName(FindingCode code);
// Wrong order and rings: the findings that RepairOrder mends.
bool IsOrderFinding(const Finding& finding);
// The findings about the working folder's files.
bool IsFolderFinding(FindingCode code);

FindingCounts CountFindings(const std::vector<Finding>& findings);
// "Keine Probleme", "1 Fehler", "2 Fehler, 1 Warnung", "3 Warnungen".
std::u16string SummaryText(FindingCounts counts);

}  // namespace velnix
