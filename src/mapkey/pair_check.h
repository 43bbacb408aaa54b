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

// A CR, an LF or a back-quote in a name would end its value or its line in rename.pro early,
// and the rest of the name would become mapkey steps.
bool IsUnsafeName(const std::u16string& name);

// Equal counts first, then the first unsafe name (old names before new names).
std::optional<PairProblem> CheckPairs(const NameList& oldNames, const NameList& newNames);

}  // namespace velnix
