// Checks that the two cleaned-up lists can make a mapkey file, with the German message if not.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// What a name holds that cannot go into rename.pro ("einen Zeilenumbruch", "das Steuerzeichen
// \x01", "das Zeichen … , das es in der Codepage … nicht gibt"), or nothing: a CR, an LF or a
// back-quote would end its value or its line early and turn the rest of the name into mapkey
// steps; no Pro/ENGINEER name holds another control character (U+0000 to U+001F, U+007F); and
// every character must exist in the code page. `scratch` spares a buffer per name. A reason
// that ends in a relative clause ends with its comma, so that "und …" may follow it.
std::optional<std::u16string> UnwritableReason(std::u16string_view name, std::string& scratch);

// The same test, appending the name in the code page to `out` when it passes: for a name that
// is to be written anyway, one pass instead of a test and a conversion. `out` stays as it was
// when the name cannot be written.
std::optional<std::u16string> AppendWritableName(std::u16string_view name, std::string& out);

// Equal counts first, then the first name that cannot be written (old names before new names),
// named by its list and entry, or for a table (`tableLines` holds each pair's line in the file)
// by its line. What passes here converts to the code page without fail.
std::optional<PairProblem> CheckPairs(const NameList& oldNames, const NameList& newNames,
                                      const std::vector<std::size_t>& tableLines = {});

}  // namespace velnix
