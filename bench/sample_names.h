// Names as a design office numbers them, for the benchmarks, in two shapes: long ones exported
// from a session (paths and version numbers, three parts to one assembly and one drawing), and
// short part names.
#pragma once

#include <cstdint>
#include <utility>

#include "names/name_list.h"
#include "util/text.h"

namespace velnix::bench {

enum class NameShape { Long, Short };

inline std::u16string FiveDigits(std::int64_t i) {
    std::u16string number = DecimalText(static_cast<std::size_t>(i));
    number.insert(0, number.size() < 5 ? 5 - number.size() : 0, u'0');
    return number;
}

// Long: "teil00007_rev3.asm" to "bauteil00007_rev4.asm"; short: "bracket_00007.prt" to
// "bracket_00007_neu.prt".
inline std::pair<NameList, NameList> SamplePairs(std::int64_t count,
                                                 NameShape shape = NameShape::Long) {
    static const char16_t* const kExtensions[] = {u".prt", u".asm", u".prt", u".drw", u".prt"};
    NameList oldNames;
    NameList newNames;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::u16string number = FiveDigits(i);
        if (shape == NameShape::Short) {
            oldNames.push_back(u"bracket_" + number + u".prt");
            newNames.push_back(u"bracket_" + number + u"_neu.prt");
        } else {
            const char16_t* extension = kExtensions[i % 5];
            oldNames.push_back(u"teil" + number + u"_rev3" + extension);
            newNames.push_back(u"bauteil" + number + u"_rev4" + extension);
        }
    }
    return {std::move(oldNames), std::move(newNames)};
}

}  // namespace velnix::bench
