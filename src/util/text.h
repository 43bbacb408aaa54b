// Text and path functions shared by the builders, the rule and the clean-up.
#pragma once

#include <string>
#include <string_view>

namespace velnix {

// The text with the first occurrence of `search` replaced (exact, case-sensitive comparison).
// An empty text stays empty; an empty search text puts the replacement in front.
std::u16string ReplaceFirst(std::u16string_view text, std::u16string_view search,
                            std::u16string_view replacement);

// The base name of the last "\"-separated path element (up to its first dot, a leading drive
// "X:" dropped) followed by FileExtension: the file's name without drive, directories and
// version suffix ("C:\\work\\bracket.prt.3" gives "bracket.prt").
std::u16string FileNameWithExtension(std::u16string_view path);
// The same for the bytes of a plain-ASCII name, appended to `out`; returns its extension, which
// FileExtension finds in the name appended as well.
std::string_view AppendFileNameWithExtension(std::string_view path, std::string& out);

// Extension of the last path element with its leading dot: the first dotted part after the
// base name, so "bracket.prt.3" gives ".prt". Empty when there is none.
std::u16string FileExtension(std::u16string_view path);

// The code point as "U+XXXX", for messages that name a character.
std::u16string CodePointLabel(char32_t codePoint);

// Decimal digits of a count or index, for messages.
std::u16string DecimalText(std::size_t value);

}  // namespace velnix
