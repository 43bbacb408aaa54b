#include "check/name_rules.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace velnix {

namespace {

constexpr char16_t FoldCaseSlowly(char16_t c) {
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

// Every character that folds lies below 0x180: one look-up instead of the comparisons above,
// for the hashing and comparing of every name of the check.
constexpr char16_t kFoldedRange = 0x180;

struct FoldTable {
    std::array<char16_t, kFoldedRange> folded{};
    constexpr FoldTable() {
        for (char16_t c = 0; c < kFoldedRange; ++c) {
            folded[c] = FoldCaseSlowly(c);
        }
    }
};

constexpr FoldTable kFolds;

// Four ASCII characters in the 16-bit lanes of a word, folded at once: a lane from 'A' to 'Z'
// gets 0x20 added. No lane carries into the next, since every lane stays below 0x100.
constexpr std::uint64_t kLanes = 0x0001000100010001ULL;

constexpr std::uint64_t FoldAsciiLanes(std::uint64_t word) {
    const std::uint64_t fromA = (word + kLanes * (0x80 - u'A')) & kLanes * 0x80;
    const std::uint64_t pastZ = (word + kLanes * (0x80 - u'Z' - 1)) & kLanes * 0x80;
    return word | (fromA & ~pastZ) >> 2;
}
static_assert(FoldAsciiLanes(0x0041'005A'0040'005B) == 0x0061'007A'0040'005B);
static_assert(FoldAsciiLanes(0x0061'007A'0030'007F) == 0x0061'007A'0030'007F);

}  // namespace

char16_t FoldCase(char16_t c) {
    return c < kFoldedRange ? kFolds.folded[c] : c;
}

bool EqualFolded(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char16_t x = a[i];
        const char16_t y = b[i];
        if (x != y &&
            (x >= kFoldedRange || y >= kFoldedRange || kFolds.folded[x] != kFolds.folded[y])) {
            return false;
        }
    }
    return true;
}

std::size_t HashFolded(std::u16string_view name) {
    // Four folded characters make one 64-bit word, mixed with one multiplication: a name of
    // twenty characters costs five steps instead of twenty.
    const auto fold = [](char16_t c) -> std::uint64_t {
        return c < kFoldedRange ? kFolds.folded[c] : c;
    };
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
    std::uint64_t hash = name.size() * kMultiplier;
    std::size_t i = 0;
    for (; i + 4 <= name.size(); i += 4) {
        std::uint64_t word = 0;
        std::memcpy(&word, name.data() + i, sizeof word);
        // The lanes' order differs from the other branch on a big-endian machine; names that
        // fold alike take the same branch for every word all the same.
        word = (word & kLanes * 0xFF80) == 0
                   ? FoldAsciiLanes(word)
                   : fold(name[i]) | fold(name[i + 1]) << 16 | fold(name[i + 2]) << 32 |
                         fold(name[i + 3]) << 48;
        hash = (hash ^ word) * kMultiplier;
        hash ^= hash >> 29;
    }
    std::uint64_t rest = 0;
    for (unsigned shift = 0; i < name.size(); ++i, shift += 16) {
        rest |= fold(name[i]) << shift;
    }
    hash = (hash ^ rest) * kMultiplier;
    // The low bits pick the slot and the top eight the tag: finish as MurmurHash3 does.
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

bool IsModelType(std::u16string_view extension) {
    static constexpr std::array<std::u16string_view, 8> kTypes = {
        u".prt", u".asm", u".drw", u".frm", u".sec", u".lay", u".mfg", u".dgm"};
    if (extension.size() != 4 || extension[0] != u'.') {
        return false;
    }
    for (const auto type : kTypes) {
        if (EqualFolded(extension, type)) {
            return true;
        }
    }
    return false;
}

}  // namespace velnix
