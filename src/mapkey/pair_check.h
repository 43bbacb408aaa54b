// Checks that the two cleaned-up lists can make a mapkey file, with the German message if not.
#pragma once

#include <optional>
#include <string>

#include "names/name_list.h"

namespace velnix {

struct PairProblem {
    enum class Kind { CountsDiffer, UnsafeName };
    Kind kind;
    // The window shows no message for lists of different length while the new-name list is
    // empty (the user has not filled it yet); the command line always reports.
    bool showInWindow = true;
    std::u16string message;
};

inline constexpr char16_t kCountsDifferMessage[] =
    u"Achtung : Die Listen haben eine unterschiedliche Anzahl von Elementen !";

// Equal counts first, then the first name that cannot be written (old names before new
// names), naming list and entry: a CR, an LF or a back-quote would end its value or its line
// in rename.pro early and turn the rest of the name into mapkey steps; no Pro/ENGINEER name
// holds another control character (U+0000 to U+001F, U+007F); and every character must exist
// in the code page. What passes here converts to the code page without fail.
std::optional<PairProblem> CheckPairs(const NameList& oldNames, const NameList& newNames);

}  // namespace velnix
