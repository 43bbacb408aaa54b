// What Pro/ENGINEER accepts as a model name, compared the way it stores names: in lower case.
#pragma once

#include <algorithm>
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
inline bool IsNameCharacter(char16_t c) {
    if (c < 0x80) {
        const auto lower = static_cast<char16_t>(c | 0x20);
        return (lower >= u'a' && lower <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' ||
               c == u'_';
    }
    return c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7;
}

// A model name split at its first dot: "teil.prt.3" is base "teil", extension ".prt" and the
// rest ".3" (a version); every part may be empty.
struct NameParts {
    std::u16string_view base;
    std::u16string_view extension;
    std::u16string_view rest;
};
inline NameParts SplitName(std::u16string_view name) {
    // Plain loops: the library's find on char16_t goes through char_traits, a call a character.
    std::size_t dot = 0;
    while (dot < name.size() && name[dot] != u'.') {
        ++dot;
    }
    std::size_t extensionEnd = dot + 1;
    while (extensionEnd < name.size() && name[extensionEnd] != u'.') {
        ++extensionEnd;
    }
    extensionEnd = std::min(extensionEnd, name.size());
    return {name.substr(0, dot), name.substr(dot, extensionEnd - dot), name.substr(extensionEnd)};
}

// .prt .asm .drw .frm .sec .lay .mfg .dgm, in any letter case.
bool IsModelType(std::u16string_view extension);

}  // namespace velnix
