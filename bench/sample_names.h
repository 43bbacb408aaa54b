// Names as a design office numbers them, for the benchmarks: three parts to one assembly and
// one drawing.
#pragma once

#include <cstdint>
#include <utility>

#include "names/name_list.h"
#include "util/text.h"

namespace velnix::bench {

inline std::pair<NameList, NameList> SamplePairs(std::int64_t count) {
    static const char16_t* const kExtensions[] = {u".prt", u".asm", u".prt", u".drw", u".prt"};
    NameList oldNames;
    NameList newNames;
    for (std::int64_t i = 0; i < count; ++i) {
        std::u16string number = DecimalText(static_cast<std::size_t>(i));
        number.insert(0, number.size() < 5 ? 5 - number.size() : 0, u'0');
        const char16_t* extension = kExtensions[i % 5];
        oldNames.push_back(u"teil" + number + u"_rev3" + extension);
        newNames.push_back(u"bauteil" + number + u"_rev4" + extension);
    }
    return {std::move(oldNames), std::move(newNames)};
}

}  // namespace velnix::bench
