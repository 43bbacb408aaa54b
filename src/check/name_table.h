// A hash table of list positions keyed by the names at those positions, compared in lower case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/name_rules.h"

namespace velnix {

inline constexpr std::uint32_t kNoPair = UINT32_MAX;

// Open addressing over positions: the names stay in their lists, the table holds four bytes a
// slot, so that a million pairs cost a few megabytes here. At most half the slots are taken,
// which keeps the probes short. Below 2^24 positions a slot keeps eight bits of its name's
// hash above the position: reading a name from a compact list costs a search, and the tag
// spares all but one in 256 of the names that a probe passes.
template <class Key>  // std::u16string_view(std::uint32_t index, std::u16string& scratch)
class NameTable {
  public:
    NameTable(std::size_t count, Key key)
        : mask_(SlotCount(count) - 1), tagged_(count < kPositionMask), key_(key) {
        slots_.assign(mask_ + 1, kNoPair);
    }

    // The position already stored under the same name, or nothing after storing `index`.
    std::optional<std::uint32_t> Insert(std::u16string_view name, std::uint32_t index) {
        const std::size_t hash = HashFolded(name);
        std::uint32_t& slot = slots_[Probe(name, hash)];
        if (slot != kNoPair) {
            return Position(slot);
        }
        slot = index | Tag(hash);
        return std::nullopt;
    }

    // The position stored under the name, or kNoPair.
    std::uint32_t Find(std::u16string_view name) const {
        const std::uint32_t slot = slots_[Probe(name, HashFolded(name))];
        return slot == kNoPair ? kNoPair : Position(slot);
    }

  private:
    static std::size_t SlotCount(std::size_t count) {
        std::size_t size = 16;
        while (size < 2 * count) {
            size *= 2;
        }
        return size;
    }

    static constexpr std::uint32_t kPositionMask = (1u << 24) - 1;

    std::uint32_t Tag(std::size_t hash) const {
        return tagged_ ? static_cast<std::uint32_t>(hash >> (8 * sizeof(std::size_t) - 8)) << 24
                       : 0;
    }
    std::uint32_t Position(std::uint32_t slot) const {
        return tagged_ ? slot & kPositionMask : slot;
    }

    std::size_t Probe(std::u16string_view name, std::size_t hash) const {
        const std::uint32_t tag = Tag(hash);
        std::size_t at = hash & mask_;
        for (; slots_[at] != kNoPair; at = (at + 1) & mask_) {
            const bool sameTag = !tagged_ || (slots_[at] & ~kPositionMask) == tag;
            if (sameTag && EqualFolded(key_(Position(slots_[at]), scratch_), name)) {
                break;
            }
        }
        return at;
    }

    std::size_t mask_;
    bool tagged_;
    Key key_;
    std::vector<std::uint32_t> slots_;
    mutable std::u16string scratch_;
};

}  // namespace velnix
