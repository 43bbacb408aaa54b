#include "check/name_rules.h"

#include <array>
#include <cstdint>

namespace velnix {

char16_t FoldCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<char16_t>(c + 0x20);
    }
    if (c == 0x178) {
        return 0xFF;  // Ÿ
    }
    if (c >= 0x100 && c <= 0x17E && c != 0x130 && c != 0x138 && c != 0x149) {
        // Latin Extended-A pairs upper and lower case as even and odd, except from Ĺ to Ň
        // and from Ź to Ž, where the upper case letter is the odd one.
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if ((c % 2 == 1) == oddUpper) {
            return static_cast<char16_t>(c + 1);
        }
    }
    return c;
}

bool EqualFolded(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

std::size_t HashFolded(std::u16string_view name) {
    std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a
    for (const char16_t c : name) {
        hash = (hash ^ FoldCase(c)) * 1099511628211ULL;
    }
    // FNV leaves the low bits, which pick the slot, poorly mixed: finish as MurmurHash3 does.
    hash = (hash ^ (hash >> 33)) * 0xff51afd7ed558ccdULL;
    hash = (hash ^ (hash >> 33)) * 0xc4ceb9fe1a85ec53ULL;
    return static_cast<std::size_t>(hash ^ (hash >> 33));
}

std::u16string Folded(std::u16string_view name) {
    std::u16string folded(name);
    for (auto& c : folded) {
        c = FoldCase(c);
    }
    return folded;
}

bool IsNameCharacter(char16_t c) {
    const bool ascii = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                       (c >= u'0' && c <= u'9') || c == u'-' || c == u'_';
    const bool latinLetter = (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
    return ascii || latinLetter;
}

NameParts SplitName(std::u16string_view name) {
    const std::size_t dot = name.find(u'.');
    if (dot == std::u16string_view::npos) {
        return {name, {}, {}};
    }
    const std::size_t secondDot = name.find(u'.', dot + 1);
    const std::size_t extensionEnd =
        secondDot == std::u16string_view::npos ? name.size() : secondDot;
    return {name.substr(0, dot), name.substr(dot, extensionEnd - dot), name.substr(extensionEnd)};
}

bool IsModelType(std::u16string_view extension) {
    static constexpr std::array<std::u16string_view, 8> kTypes = {
        u".prt", u".asm", u".drw", u".frm", u".sec", u".lay", u".mfg", u".dgm"};
    for (const auto type : kTypes) {
        if (EqualFolded(extension, type)) {
            return true;
        }
    }
    return false;
}

}  // namespace velnix
