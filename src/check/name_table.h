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
// which keeps the probes short.
template <class Key>  // std::u16string_view(std::uint32_t index, std::u16string& scratch)
class NameTable {
  public:
    NameTable(std::size_t count, Key key) : mask_(SlotCount(count) - 1), key_(key) {
        slots_.assign(mask_ + 1, kNoPair);
    }

    // The position already stored under the same name, or nothing after storing `index`.
    std::optional<std::uint32_t> Insert(std::u16string_view name, std::uint32_t index) {
        std::uint32_t& slot = slots_[Probe(name)];
        if (slot != kNoPair) {
            return slot;
        }
        slot = index;
        return std::nullopt;
    }

    // The position stored under the name, or kNoPair.
    std::uint32_t Find(std::u16string_view name) const { return slots_[Probe(name)]; }

  private:
    static std::size_t SlotCount(std::size_t count) {
        std::size_t size = 16;
        while (size < 2 * count) {
            size *= 2;
        }
        return size;
    }

    std::size_t Probe(std::u16string_view name) const {
        std::size_t at = HashFolded(name) & mask_;
        while (slots_[at] != kNoPair && !EqualFolded(key_(slots_[at], scratch_), name)) {
            at = (at + 1) & mask_;
        }
        return at;
    }

    std::size_t mask_;
    Key key_;
    std::vector<std::uint32_t> slots_;
    mutable std::u16string scratch_;
};

}  // namespace velnix
