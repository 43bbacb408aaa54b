// What Pro/ENGINEER accepts as a model name, compared the way it stores names: in lower case.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velnix {

inline constexpr std::size_t kMaxBaseLength = 31;

// Lower case for the letters of the code pages' range (ASCII, Latin-1, Latin Extended-A).
char16_t FoldCase(char16_t c);
bool EqualFolded(std::u16string_view a, std::u16string_view b);
std::size_t HashFolded(std::u16string_view name);
// The name in lower case, for keys of ordinary hash sets.
std::u16string Folded(std::u16string_view name);

// Letters (ASCII and the accented Latin letters), digits, '-' and '_'.
bool IsNameCharacter(char16_t c);

// A model name split at its first dot: "teil.prt.3" is base "teil", extension ".prt" and the
// rest ".3" (a version); every part may be empty.
struct NameParts {
    std::u16string_view base;
    std::u16string_view extension;
    std::u16string_view rest;
};
NameParts SplitName(std::u16string_view name);

// .prt .asm .drw .frm .sec .lay .mfg .dgm, in any letter case.
bool IsModelType(std::u16string_view extension);

}  // namespace velnix
